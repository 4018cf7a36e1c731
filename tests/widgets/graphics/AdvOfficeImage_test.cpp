// The office image: where it draws its picture, when it repaints, its mouse events, and the hint
// content it keeps.

#include <memory>

#include "platform/runtime/FormReader.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"
#include "widgets/graphics/AdvOfficeImage.h"
#include "widgets/graphics/rtflabel.h"

using graphicstest::Encoded;

namespace {

// An office image that counts its repaint requests.
class CountingImage : public TAdvOfficeImage {
public:
    using TAdvOfficeImage::TAdvOfficeImage;
    int invalidations = 0;
    void Invalidate() override
    {
        ++invalidations;
        TAdvOfficeImage::Invalidate();
    }
};

// A w x h picture: red with a 2-pixel blue frame, so that its edges can be found.
QImage Framed(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::blue);
    for (int y = 2; y < h - 2; ++y)
        for (int x = 2; x < w - 2; ++x)
            img.setPixel(x, y, qRgb(255, 0, 0));
    return img;
}

struct Fixture {
    TForm form{nullptr};
    CountingImage *image = new CountingImage(&form);

    Fixture(int w, int h, const QImage &picture)
    {
        form.SetBounds(0, 0, 300, 300);
        form.SetColor(clWhite);
        image->SetParent(&form);
        image->SetBounds(10, 10, w, h);
        TMemoryStream bytes(Encoded(picture, "png"));
        image->Picture()->LoadFromStream(&bytes);
    }
    QImage Render() { return RenderControlImage(image); }
};

TColor At(const QImage &img, int x, int y)
{
    return PixelToColor(img.pixel(x, y));
}

TEST(AdvOfficeImage, DefaultsAndVersion)
{
    TAdvOfficeImage image(nullptr);
    EXPECT_EQ(image.Width(), 128);
    EXPECT_EQ(image.Height(), 128);
    EXPECT_TRUE(image.Center());
    EXPECT_FALSE(image.Stretch());
    EXPECT_FALSE(image.ShowHint());
    EXPECT_EQ(image.Version(), "1.1.0.0");
    image.SetVersion("9.9");
    EXPECT_EQ(image.Version(), "1.1.0.0");
}

TEST(AdvOfficeImage, ACentredPictureLargerThanTheControlIsClippedOnBothSides)
{
    // 60 x 40 picture in a 40 x 20 control: drawn at (-10, -10).
    Fixture f(40, 20, Framed(60, 40));
    const QImage img = f.Render();
    ASSERT_EQ(img.width(), 40);
    // The frame lies outside: every pixel is the picture's red inside.
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(At(img, x, y), clRed) << x << "," << y;
}

TEST(AdvOfficeImage, WithoutCentringThePictureSitsAtTheTopLeftAtItsOwnSize)
{
    Fixture f(40, 30, Framed(20, 10));
    f.image->SetCenter(false);
    const QImage img = f.Render();
    EXPECT_EQ(At(img, 0, 0), clBlue);
    EXPECT_EQ(At(img, 19, 9), clBlue);
    EXPECT_EQ(At(img, 5, 5), clRed);
    EXPECT_NE(At(img, 25, 5), clRed);
    EXPECT_NE(At(img, 5, 15), clRed);
}

TEST(AdvOfficeImage, StretchFillsTheControlWhateverCenterSays)
{
    for (const bool center : {true, false}) {
        Fixture f(40, 30, Framed(20, 10));
        f.image->SetCenter(center);
        f.image->SetStretch(true);
        const QImage img = f.Render();
        EXPECT_EQ(At(img, 0, 0), clBlue) << center;
        EXPECT_EQ(At(img, 39, 29), clBlue) << center;
        EXPECT_EQ(At(img, 20, 15), clRed) << center;
    }
}

TEST(AdvOfficeImage, OnlyAChangedValueRepaints)
{
    Fixture f(40, 30, Framed(20, 10));
    f.image->invalidations = 0;
    f.image->SetStretch(false);
    f.image->SetCenter(true);
    EXPECT_EQ(f.image->invalidations, 0);
    f.image->SetStretch(true);
    f.image->SetCenter(false);
    EXPECT_EQ(f.image->invalidations, 2);
    f.image->Picture()->Assign(nullptr);  // a change of the picture repaints too
    EXPECT_GE(f.image->invalidations, 3);
}

TEST(AdvOfficeImage, MouseEnterAndLeaveFireExceptAtDesignTime)
{
    TAdvOfficeImage image(nullptr);
    int entered = 0, left = 0;
    image.OnMouseEnter = [&](TObject *) { ++entered; };
    image.OnMouseLeave = [&](TObject *) { ++left; };
    image.Perform(CM_MOUSEENTER);
    EXPECT_TRUE(image.MouseInControl());
    image.Perform(CM_MOUSELEAVE);
    EXPECT_FALSE(image.MouseInControl());
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);

    image.SetComponentState(csDesigning, true);
    image.Perform(CM_MOUSEENTER);
    EXPECT_FALSE(image.MouseInControl());
    image.Perform(CM_MOUSELEAVE);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
}

TEST(AdvHintInfo, OnlyTitleAndNotesCountForEmptinessAndAssignCopiesAll)
{
    TAdvHintInfo hint;
    EXPECT_TRUE(hint.IsEmpty());
    TMemoryStream bytes(Encoded(Framed(8, 8), "png"));
    hint.Picture()->LoadFromStream(&bytes);
    hint.SetShowHelp(true);
    EXPECT_TRUE(hint.IsEmpty());
    hint.Notes()->Add("a note");
    EXPECT_FALSE(hint.IsEmpty());

    hint.SetTitle("Title");
    hint.SetWideTitle("Wide");
    TAdvHintInfo copy;
    copy.Assign(&hint);
    EXPECT_EQ(copy.Title(), "Title");
    EXPECT_EQ(copy.Notes()->Text(), hint.Notes()->Text());
    EXPECT_TRUE(copy.ShowHelp());
    EXPECT_EQ(copy.WideTitle(), "Wide");
    EXPECT_EQ(copy.Picture()->Bytes(), hint.Picture()->Bytes());
    TStringList other;
    copy.Assign(&other);  // another kind of source changes nothing
    EXPECT_EQ(copy.Title(), "Title");

    TAdvOfficeImage image(nullptr);
    image.SetOfficeHint(&hint);
    EXPECT_EQ(image.OfficeHint()->Title(), "Title");
}

}  // namespace

namespace {

// A help window as its definition places them: the rich-text label and a picture over its area.
TEST(HelpWindowForms, LabelAndPicturesLoadAsWritten)
{
    const QByteArray png = Encoded(Framed(30, 12), "png").toHex().toUpper();
    const QString text = QStringLiteral(R"(object fmHelpWindow: TForm
  ClientWidth = 760
  ClientHeight = 600
  object RTFLabel1: TRTFLabel
    Left = 50
    Top = 24
    Width = 630
    Height = 1400
    RichText = '{\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0\fs20 Serial control codes\par}'#13#10
    Transparent = True
    WordWrap = False
    Version = '1.3.1.0'
  end
  object AdvOfficeImage1: TAdvOfficeImage
    Left = 50
    Top = 72
    Width = 630
    Height = 68
    Picture.Data = {%1}
    Version = '1.1.0.0'
  end
end
)")
                             .arg(QString::fromLatin1(png));
    std::unique_ptr<TComponent> root(CreateComponentFromText(text, "help.dfm", nullptr));
    auto *label = dynamic_cast<TRTFLabel *>(root->FindComponent("RTFLabel1"));
    auto *image = dynamic_cast<TAdvOfficeImage *>(root->FindComponent("AdvOfficeImage1"));
    ASSERT_NE(label, nullptr);
    ASSERT_NE(image, nullptr);
    EXPECT_TRUE(label->RichText().startsWith("{\\rtf1"));
    EXPECT_TRUE(label->RichText().endsWith("\r\n"));
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->Caption(), "");
    EXPECT_EQ(image->BoundsRect(), TRect(50, 72, 680, 140));
    EXPECT_FALSE(image->Picture()->Empty());
    // The picture reads its size only when first painted.
    const QImage shown = RenderControlImage(image);
    EXPECT_EQ(image->Picture()->Width(), 30);
    EXPECT_EQ(At(shown, 315, 34), clRed);
}

}  // namespace
