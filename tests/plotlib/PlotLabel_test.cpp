// Labels: margins in character units, the required thickness, and what a label draws (its own
// bitmap, an image of the plot's image lists, or its caption, horizontal or reading upward).

#include "PlotTestHelpers.h"
#include "TestPlotControl.h"
#include "TestPlotHost.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/StdTestApp.h"
#include "plotlib/base/iHelpers.h"

#include <QDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The rows and columns that hold pixels of a colour.
struct Extent {
    int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
};

Extent ExtentOf(const QImage &image, TColor color)
{
    Extent e;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) == color) {
                e.left = std::min(e.left, x);
                e.top = std::min(e.top, y);
                e.right = std::max(e.right, x);
                e.bottom = std::max(e.bottom, y);
            }
    return e;
}

struct PlotLabels : ::testing::Test {
    TTestPlotHost host{nullptr};
    TiPlotLabel *label;
    TBitmap canvas{300, 200};

    PlotLabels()
    {
        label = host.Master()->LabelManager()->Items(host.Master()->AddLabel());
        label->SetCaption(QStringLiteral("Title"));
        label->SetDrawRect(TRect(20, 20, 280, 60));
        canvas.Canvas()->Brush()->SetColor(clBlack);
        canvas.Canvas()->FillRect(TRect(0, 0, 300, 200));
    }
    void Clear()
    {
        canvas.Canvas()->Brush()->SetStyle(bsSolid);
        canvas.Canvas()->Brush()->SetColor(clBlack);
        canvas.Canvas()->FillRect(TRect(0, 0, 300, 200));
    }
    QImage Draw()
    {
        label->Draw(canvas.Canvas(), clBlack);
        return canvas.Image();
    }
    // Gives the label a font whose "0" is `pixels` high (not every size of every font has one).
    void FontFor(int pixels)
    {
        TFont font;
        font.Assign(label->Font());
        for (const char *name : {"Arial", "Times New Roman", "Courier New"}) {
            font.SetName(QString::fromLatin1(name));
            for (int height = 1; height < 60; ++height) {
                font.SetHeight(height);
                canvas.Canvas()->Font()->Assign(&font);
                if (iTextHeightMultiLine(canvas.Canvas(), QStringLiteral("0")) == pixels) {
                    label->SetFont(&font);
                    return;
                }
            }
        }
        ADD_FAILURE() << "no font gives " << pixels << " pixels";
    }
    void AddImage(TColor color)
    {
        TBitmap image(24, 24);
        image.Canvas()->Brush()->SetColor(color);
        image.Canvas()->FillRect(TRect(0, 0, 24, 24));
        host.ImageList(0)->Add(&image, nullptr);
    }
};

TEST_F(PlotLabels, MarginsAreCharacterUnitsRoundedToEven)
{
    struct Case {
        const char *name;
        int zeroHeight;
        double top;
        double bottom;
        int topPixels;
        int bottomPixels;
    };
    const Case cases[] = {
        {.name = "half of 16", .zeroHeight = 16, .top = 0.5, .bottom = 0, .topPixels = 8, .bottomPixels = 0},
        {.name = "4.5 goes down", .zeroHeight = 18, .top = 0.25, .bottom = 0.75, .topPixels = 4, .bottomPixels = 14},
    };
    for (const Case &c : cases) {
        FontFor(c.zeroHeight);
        label->SetMarginTop(c.top);
        label->SetMarginBottom(c.bottom);
        const int required = label->GetRequiredWidth(canvas.Canvas());
        EXPECT_EQ(label->MarginTopPixels(), c.topPixels) << c.name;
        EXPECT_EQ(label->MarginBottomPixels(), c.bottomPixels) << c.name;
        EXPECT_EQ(required, c.zeroHeight + c.topPixels + c.bottomPixels) << c.name;
    }
    // Left and right count widths of "0"; a second caption line adds its height.
    label->SetMarginLeft(1);
    label->SetCaption(QStringLiteral("Two\r\nLines"));
    const int required = label->GetRequiredWidth(canvas.Canvas());
    EXPECT_EQ(label->MarginLeftPixels(), iTextWidthMultiLine(canvas.Canvas(), QStringLiteral("0")));
    EXPECT_EQ(required, 2 * 18 + 4 + 14);
}

TEST_F(PlotLabels, ABitmapWinsOverAnImageListPicture)
{
    AddImage(clLime);
    label->SetImageListIndex(0);
    TBitmap picture(10, 10);
    picture.Canvas()->Brush()->SetColor(clRed);
    picture.Canvas()->FillRect(TRect(0, 0, 10, 10));
    // The bottom-left pixel's colour is the transparent one.
    picture.Canvas()->Pixels(0, 9) = clBlue;
    picture.Canvas()->Pixels(5, 5) = clBlue;
    label->SetImage(&picture);

    const QImage image = Draw();
    Keep(image, "label-bitmap");
    const Extent red = ExtentOf(image, clRed);
    EXPECT_EQ(red.left, 150 - 5);
    EXPECT_EQ(red.top, 20);
    EXPECT_EQ(red.right, 150 + 4);
    EXPECT_TRUE(ExtentOf(image, clLime).Empty());
    EXPECT_TRUE(ExtentOf(image, clBlue).Empty());
    EXPECT_TRUE(ExtentOf(image, clWhite).Empty());

    label->ImageClear();
    EXPECT_EQ(label->Image(), nullptr);
    EXPECT_FALSE(ExtentOf(Draw(), clLime).Empty());
}

TEST_F(PlotLabels, AnImageOutsideTheImageListsShowsTheCaption)
{
    AddImage(clLime);
    struct Case {
        const char *name;
        int list;
        int index;
        bool picture;
    };
    const Case cases[] = {
        {.name = "image 0 of list 0", .list = 0, .index = 0, .picture = true},
        {.name = "list 3", .list = 3, .index = 0, .picture = false},
        {.name = "no list", .list = -1, .index = 0, .picture = false},
        {.name = "image 1 of one", .list = 0, .index = 1, .picture = false},
        {.name = "image -1", .list = 0, .index = -1, .picture = false},
    };
    for (const Case &c : cases) {
        Clear();
        label->SetImageListIndex(c.list);
        label->SetImageIndex(c.index);
        const QImage image = Draw();
        EXPECT_EQ(!ExtentOf(image, clLime).Empty(), c.picture) << c.name;
        EXPECT_EQ(!ExtentOf(image, clWhite).Empty(), !c.picture) << c.name;
    }
}

TEST_F(PlotLabels, AnInvisibleLabelDrawsNothingButStillNeedsItsWidth)
{
    const int visibleWidth = label->GetRequiredWidth(canvas.Canvas());
    label->SetVisible(false);
    EXPECT_TRUE(ExtentOf(Draw(), clWhite).Empty());
    EXPECT_EQ(label->GetRequiredWidth(canvas.Canvas()), visibleWidth);
    EXPECT_GT(visibleWidth, 10);
}

TEST_F(PlotLabels, ACaptionLiesAlongItsBandAsAligned)
{
    // A horizontal band runs from x = 20 to 280, a vertical one (reading upward) from y = 190 up
    // to 10; across, both are centred on 40.
    struct Case {
        const char *name;
        bool horizontal;
        TiAlignmentHorizontal alignment;
    };
    const Case cases[] = {
        {.name = "horizontal-left", .horizontal = true, .alignment = iahLeft},
        {.name = "horizontal-centre", .horizontal = true, .alignment = iahCenter},
        {.name = "horizontal-right", .horizontal = true, .alignment = iahRight},
        {.name = "vertical-left", .horizontal = false, .alignment = iahLeft},
        {.name = "vertical-centre", .horizontal = false, .alignment = iahCenter},
        {.name = "vertical-right", .horizontal = false, .alignment = iahRight},
    };
    label->SetMarginLeft(1);
    label->SetMarginRight(1);
    for (const Case &c : cases) {
        Clear();
        label->SetHorizontal(c.horizontal);
        label->SetDrawRect(c.horizontal ? TRect(20, 20, 280, 60) : TRect(20, 10, 60, 190));
        label->SetAlignment(c.alignment);
        const QImage image = Draw();
        Keep(image, (QByteArray("label-") + c.name).constData());
        const Extent text = ExtentOf(image, clWhite);
        ASSERT_FALSE(text.Empty()) << c.name;
        // Positions along the band from its start, and the middle across it.
        const int length = c.horizontal ? 260 : 180;
        const int from = c.horizontal ? text.left - 20 : 190 - text.bottom;
        const int to = c.horizontal ? text.right - 20 : 190 - text.top;
        const int across = c.horizontal ? (text.top + text.bottom) / 2 : (text.left + text.right) / 2;
        const int zero = label->MarginLeftPixels();
        EXPECT_GT(to - from, c.horizontal ? text.bottom - text.top : text.right - text.left) << c.name;
        EXPECT_NEAR(across, 40, 3) << c.name;
        if (c.alignment == iahLeft) {
            EXPECT_NEAR(from, zero, 3) << c.name;
        } else if (c.alignment == iahRight) {
            EXPECT_NEAR(to, length - zero, 3) << c.name;
        } else {
            EXPECT_NEAR((from + to) / 2, length / 2, 3) << c.name;
        }
    }
}

TEST_F(PlotLabels, AFailedPictureLoadLeavesTheLabelAsItWas)
{
    EXPECT_ANY_THROW(label->ImageLoadFromFile(QStringLiteral("/nonexistent/picture.bmp")));
    EXPECT_EQ(label->Image(), nullptr);
}

TEST_F(PlotLabels, AFontChangeRepaints)
{
    const int changes = host.Changes;
    label->Font()->SetColor(clYellow);
    EXPECT_EQ(host.Changes, changes + 1);
    TFont other;
    other.SetSize(20);
    label->SetFont(&other);
    EXPECT_GT(host.Changes, changes + 1);
    EXPECT_EQ(label->Font()->Size(), 20);
}

}  // namespace
