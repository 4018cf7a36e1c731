// The two control-code viewers: where the document and its pictures sit as the window's width
// changes, how keys and the wheel scroll, the size the window comes back with, and that each
// document reads well: every line fits the 630 pixels unwrapped and every picture lies on blank
// space of the rendered text.

#include "DialogsFixture.h"

#include "platform/ui/Bitmap.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/ControlsRender.h"
#include "platform/ui/RtfReader.h"
#include "widgets/graphics/AdvOfficeImage.h"
#include "widgets/graphics/rtflabel.h"

#include <QImage>
#include <QTextDocument>

namespace {

class HelpViewersTest : public DialogsTest {
protected:
    std::vector<TfmRs232CodeDoc *> Viewers() const { return {fmRs232CodeEnglish, fmRs232Code}; }
    void ExpectLeft(TfmRs232CodeDoc *viewer, int left)
    {
        EXPECT_EQ(viewer->RTFLabel->Left(), left) << viewer->Name().toStdString();
        for (TAdvOfficeImage *image : viewer->Images()) {
            ASSERT_NE(image, nullptr);
            EXPECT_EQ(image->Left(), left) << image->Name().toStdString();
        }
    }
};

TEST_F(HelpViewersTest, TheDocumentStaysCentredFromAWidthOf750)
{
    struct Case {
        int width;
        int left;
    };
    const Case kCases[] = {{950, 150}, {700, 50}, {750, 50}, {751, 50}, {753, 51}, {754, 52}};
    for (TfmRs232CodeDoc *viewer : Viewers()) {
        viewer->Show();
        for (const Case &c : kCases) {
            SCOPED_TRACE(c.width);
            viewer->SetWidth(c.width);
            ASSERT_EQ(viewer->Width(), c.width);
            ExpectLeft(viewer, c.left);
        }
        viewer->Close();
    }
}

TEST_F(HelpViewersTest, KeysAndTheWheelScrollByTheirStepsWithinTheRange)
{
    for (TfmRs232CodeDoc *viewer : Viewers()) {
        SCOPED_TRACE(viewer->Name().toStdString());
        viewer->Show();
        viewer->SetWidth(700);  // narrower than the document: both bars show
        TControlScrollBar *vertical = viewer->VertScrollBar();
        TControlScrollBar *horizontal = viewer->HorzScrollBar();
        ASSERT_TRUE(vertical->IsScrollBarVisible());
        ASSERT_TRUE(horizontal->IsScrollBarVisible());
        const int pageDown = viewer->Height();
        const int lastTop = vertical->Range() - viewer->ClientHeight();
        ASSERT_GT(lastTop, pageDown + 60);

        viewer->SetFocus();
        TInputRouter::Key(VK_NEXT);
        EXPECT_EQ(vertical->Position(), pageDown);
        TInputRouter::Key(VK_DOWN);
        TInputRouter::MouseWheel(viewer, -120, {}, Point(100, 100));
        EXPECT_EQ(vertical->Position(), pageDown + 60);
        TInputRouter::Key(VK_UP);
        TInputRouter::MouseWheel(viewer, 120, {}, Point(100, 100));
        EXPECT_EQ(vertical->Position(), pageDown);
        TInputRouter::Key(VK_PRIOR);
        TInputRouter::Key(VK_PRIOR);
        EXPECT_EQ(vertical->Position(), 0);
        for (int i = 0; i < 5; ++i)
            TInputRouter::Key(VK_NEXT);
        EXPECT_EQ(vertical->Position(), lastTop);

        TInputRouter::Key(VK_RIGHT);
        EXPECT_EQ(horizontal->Position(), std::min(30, horizontal->Range() - viewer->ClientWidth()));
        TInputRouter::Key(VK_LEFT);
        TInputRouter::Key(VK_LEFT);
        EXPECT_EQ(horizontal->Position(), 0);
        // Other keys do nothing.
        TInputRouter::Key(VK_HOME);
        EXPECT_EQ(vertical->Position(), lastTop);
        viewer->Close();
    }
}

TEST_F(HelpViewersTest, AMaximisedViewerComesBackNormalAt755By666)
{
    for (TfmRs232CodeDoc *viewer : Viewers()) {
        SCOPED_TRACE(viewer->Name().toStdString());
        viewer->Show();
        viewer->SetWindowState(wsMaximized);
        viewer->Close();
        EXPECT_FALSE(viewer->Visible());
        viewer->Show();
        EXPECT_EQ(viewer->WindowState(), wsNormal);
        EXPECT_EQ(viewer->Width(), 755);
        EXPECT_EQ(viewer->Height(), 666);
        viewer->Close();
    }
}

TEST_F(HelpViewersTest, TheCaptionComesFromTheLanguageTable)
{
    for (const char *language : {"ChineseGB", "English"}) {
        host.language = language;
        for (TfmRs232CodeDoc *viewer : Viewers()) {
            viewer->Show();
            EXPECT_EQ(viewer->Caption(), host.GetLangText("SID_RS232_CODE"));
            viewer->Close();
        }
    }
    EXPECT_EQ(host.GetLangText("SID_RS232_CODE"), "RS232 Code Table");
}

// The rows of the rendered document that hold any ink.
std::vector<bool> InkedRows(const QImage &image, QRgb background)
{
    std::vector<bool> inked(image.height(), false);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width() && !inked[y]; ++x)
            inked[y] = image.pixel(x, y) != background;
    return inked;
}

TEST_F(HelpViewersTest, EachDocumentReadsWellAt630Pixels)
{
    for (TfmRs232CodeDoc *viewer : Viewers()) {
        SCOPED_TRACE(viewer->Name().toStdString());
        TRTFLabel *label = viewer->RTFLabel;
        EXPECT_EQ(label->Width(), 630);
        EXPECT_EQ(label->Height(), 1400);
        EXPECT_FALSE(label->WordWrap());

        // Every line fits: laid out unwrapped, the widest line leaves the label's margins free.
        QTextDocument doc;
        const QByteArray rtf = label->RichText().toLatin1();
        ASSERT_TRUE(IsRtf(rtf.toStdString()));
        ReadRtf(rtf.toStdString(), doc);
        EXPECT_GT(doc.toPlainText().size(), 500);
        EXPECT_LE(doc.idealWidth(), 628.0);

        // The text, rendered as the window shows it, is blank wherever a picture lies, and ends
        // inside the label.
        viewer->Show();
        TBitmap text;
        text.SetSize(label->Width(), label->Height());
        text.Canvas()->Brush()->SetColor(clWhite);
        text.Canvas()->FillRect(TRect(0, 0, label->Width(), label->Height()));
        label->PaintTo(text.Canvas());
        const std::vector<bool> inked = InkedRows(text.Image(), QColor(Qt::white).rgb());
        const int rows = static_cast<int>(inked.size());
        // Where the document leaves room for pictures (blank bands of 20 rows or more, in the
        // window's coordinates), for the failure message.
        QString bands;
        for (int y = 0; y < rows;) {
            int end = y;
            while (end < rows && !inked[end])
                ++end;
            if (end - y >= 20)
                bands += QStringLiteral("%1-%2 ").arg(y + label->Top()).arg(end + label->Top());
            y = end + 1;
        }
        SCOPED_TRACE("blank bands " + bands.toStdString());
        for (TAdvOfficeImage *image : viewer->Images()) {
            SCOPED_TRACE(image->Name().toStdString());
            EXPECT_EQ(image->Width(), 630);
            EXPECT_EQ(image->Height(), QImage::fromData(image->Picture()->Bytes()).height());
            const int top = image->Top() - label->Top();
            for (int y = std::max(top, 0); y < std::min(top + image->Height(), rows); ++y)
                if (inked[y]) {
                    ADD_FAILURE() << "the picture covers text at row " << y + label->Top();
                    break;
                }
        }
        EXPECT_FALSE(inked.back()) << "the text runs to the end of the label";
        viewer->Close();
    }
}

// Each whole document as the window would show it if it were tall enough, to look at:
// help_<form>.png in the working folder.
TEST_F(HelpViewersTest, WholeDocumentsRender)
{
    for (TfmRs232CodeDoc *viewer : Viewers()) {
        viewer->Show();
        viewer->SetHeight(1600);
        const QImage image = RenderControlImage(viewer);
        EXPECT_FALSE(image.isNull());
        image.save(QStringLiteral("help_%1.png").arg(viewer->Name()));
        viewer->Close();
    }
}

}  // namespace
