// The rich-text label: what a paint shows, the rendering rectangle in twips, filling it from code
// through BeginUpdate/EndUpdate, and word wrapping.

#include <memory>

#include "platform/ui/ControlsRender.h"
#include "platform/ui/Forms.h"
#include "platform/ui/PaintBox.h"
#include "platform/ui/Printers.h"
#include "tests/widgets/graphics/GraphicsTestApp.h"
#include "widgets/graphics/rtflabel.h"

namespace {

const char *const kDocument = R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\colortbl;\red0\green0\blue255;})"
                              R"(\f0\fs28\cf1 Serial control codes\par second line\par})";

// A label on a form whose own colour differs from the label's.
struct Fixture {
    TForm form{nullptr};
    TRTFLabel *label = new TRTFLabel(&form);

    explicit Fixture(TColor formColor = clYellow)
    {
        form.SetBounds(0, 0, 400, 300);
        form.SetColor(formColor);
        form.HandleNeeded();
        label->SetParent(&form);
        label->SetBounds(10, 10, 300, 120);
        label->SetColor(clWhite);
        label->Loaded();
    }
    QImage Render() { return RenderControlImage(label); }
};

// Pixels of one colour in the image.
int CountOf(const QImage &img, TColor c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += PixelToColor(img.pixel(x, y)) == c;
    return n;
}

// Pixels whose blue stands out (the document's text colour).
int Bluish(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            n += qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 100;
        }
    return n;
}

// Rows of the first run of rows holding text of the document's colour.
int FirstLineHeight(const QImage &img)
{
    int rows = 0;
    for (int y = 0; y < img.height(); ++y) {
        bool blue = false;
        for (int x = 0; x < img.width() && !blue; ++x) {
            const QRgb p = img.pixel(x, y);
            blue = qBlue(p) > 150 && qRed(p) < 100 && qGreen(p) < 100;
        }
        if (blue)
            ++rows;
        else if (rows > 0)
            break;
    }
    return rows;
}

TEST(RTFLabel, PrintsTheDocumentOnThePrinterAtThePrintersResolution)
{
    Fixture f;
    f.label->SetRichText(QString::fromLatin1(kDocument));
    TRecordingPrinterBackend backend;
    backend.Printers = {TPrinterDevice{.Name = QStringLiteral("Office"), .DpiX = 300, .DpiY = 300}};
    SetPrinterBackend(&backend);
    f.label->Print(QStringLiteral("Codes"));
    SetPrinterBackend(nullptr);
    EXPECT_EQ(backend.Calls,
              QStringList({QStringLiteral("begin Codes 0 poPortrait"), QStringLiteral("page"), QStringLiteral("end")}));
    ASSERT_EQ(backend.Pages.size(), 1u);
    // 14-point text: its first line stands about three times as high at 300 dpi as on the screen.
    const int screen = FirstLineHeight(f.Render());
    const int printed = FirstLineHeight(backend.Pages[0]);
    EXPECT_GT(screen, 8);
    EXPECT_NEAR(printed, screen * 300 / 96, screen);
}

TEST(RTFLabel, DefaultsAndVersion)
{
    TRTFLabel label(nullptr);
    EXPECT_FALSE(label.AutoSize());
    EXPECT_FALSE(label.WordWrap());
    EXPECT_EQ(label.Caption(), "");
    EXPECT_EQ(label.Version(), "1.3.1.0");
    EXPECT_EQ(label.RTF(), nullptr);  // no parent yet
}

TEST(RTFLabel, RendersIntoTwipsWithAOnePixelMargin)
{
    // The help windows' label at 96 pixels per inch, and the same at 120.
    EXPECT_EQ(RichTextTwips(TRect(0, 0, 630, 1400), 96, 96), TRect(15, 15, 9450, 21000));
    EXPECT_EQ(RichTextTwips(TRect(0, 0, 630, 1400), 120, 120), TRect(12, 12, 12 + 7548, 12 + 16788));
}

TEST(RTFLabel, AnEmptyDocumentLeavesOnlyTheLabelBackground)
{
    Fixture f;
    const QImage img = f.Render();
    EXPECT_EQ(CountOf(img, clWhite), 300 * 120);
}

TEST(RTFLabel, ShowsTheStoredDocumentWhateverTheHighBytesHold)
{
    Fixture f;
    f.label->SetRichText(QString::fromLatin1(kDocument));
    const QImage plain = f.Render();
    EXPECT_GT(Bluish(plain), 40);
    // Nothing inside the 1-pixel margin.
    for (int x = 0; x < 300; ++x)
        EXPECT_EQ(PixelToColor(plain.pixel(x, 0)), clWhite) << x;

    QString high = QString::fromLatin1(kDocument);
    for (QChar &c : high)
        c = QChar(static_cast<char16_t>(c.unicode() | 0x4100));
    f.label->SetRichText(high);
    EXPECT_EQ(f.Render(), plain);
}

TEST(RTFLabel, TransparentTakesTheParentsColourAsBackground)
{
    Fixture f(clYellow);
    // The form paints a red area under the label, which the rich edit's background covers.
    auto *under = new TPaintBox(&f.form);
    under->SetParent(&f.form);
    under->SetBounds(0, 0, 400, 300);
    under->OnPaint = [under](TObject *) {
        under->Canvas()->Brush()->SetColor(clRed);
        under->Canvas()->FillRect(TRect(0, 0, 400, 300));
    };
    f.label->BringToFront();
    f.label->SetTransparent(true);
    EXPECT_EQ(CountOf(f.Render(), clRed), 300 * 120);  // an empty document covers nothing
    f.label->SetRichText(QString::fromLatin1(kDocument));
    const QImage img = f.Render();
    EXPECT_GT(CountOf(img, clYellow), 200 * 100);
    EXPECT_EQ(CountOf(img, clWhite), 0);
    EXPECT_GT(Bluish(img), 40);
}

TEST(RTFLabel, UpdatesNestAndOnlyTheOutermostEndCapturesTheRichEdit)
{
    Fixture f;
    f.label->EndUpdate();  // unmatched: nothing happens
    EXPECT_EQ(f.label->RichText(), "");
    f.label->BeginUpdate();
    f.label->BeginUpdate();
    TRichEdit *edit = f.label->RTF();
    ASSERT_NE(edit, nullptr);
    edit->SetRichText(kDocument);
    // A paint while updating shows only the background.
    EXPECT_EQ(CountOf(f.Render(), clWhite), 300 * 120);
    f.label->EndUpdate();
    EXPECT_EQ(f.label->RichText(), "");
    f.label->EndUpdate();
    EXPECT_TRUE(f.label->RichText().startsWith("{\\rtf1"));
    EXPECT_TRUE(f.label->RichText().contains("Serial control codes"));
    EXPECT_EQ(edit->Parent(), nullptr);  // the rich edit has a parent only while it works
    EXPECT_GT(Bluish(f.Render()), 40);
}

TEST(RTFLabel, APaintInsideAPaintDrawsNothingMore)
{
    // The rich edit's change notice during rendering asks for another paint of the label.
    struct Nesting : TRTFLabel {
        using TRTFLabel::Paint;
        using TRTFLabel::TRTFLabel;
    };
    TForm form(nullptr);
    form.HandleNeeded();
    auto *label = new Nesting(&form);
    label->SetParent(&form);
    label->SetBounds(0, 0, 200, 80);
    label->SetRichText(QString::fromLatin1(kDocument));
    TRichEdit *edit = label->RTF();
    int loads = 0;
    edit->OnChange = [&](TObject *) {
        ++loads;
        label->Paint();
    };
    RenderControlImage(label);
    EXPECT_EQ(loads, 1);
}

TEST(RTFLabel, AStoredWordWrapDoesNotReachTheRendererARunTimeOneDoes)
{
    const QString longLine =
        QStringLiteral(R"({\rtf1\ansi\fs24 )") + QString(40, QChar(u'w')).replace(u'w', "word ") + QStringLiteral("}");
    // Read from a form: the stored True is kept, but the rich edit does not wrap.
    Fixture f;
    f.label->SetComponentState(csLoading, true);
    f.label->SetWordWrap(true);
    f.label->SetComponentState(csLoading, false);
    f.label->Loaded();
    EXPECT_TRUE(f.label->WordWrap());
    f.label->SetRichText(longLine);
    const QImage stored = f.Render();
    auto inkRows = [](const QImage &img) {
        int rows = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (PixelToColor(img.pixel(x, y)) != clWhite) {
                    ++rows;
                    break;
                }
        return rows;
    };
    f.label->SetWordWrap(true);
    const QImage wrapped = f.Render();
    EXPECT_GT(inkRows(wrapped), 2 * inkRows(stored));
}

}  // namespace
