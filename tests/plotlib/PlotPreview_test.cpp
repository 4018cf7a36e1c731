// The print preview window: the page it draws for the paper and orientation, the settings dialog
// and what it changes, the caption, the events around each repaint, and its look.

#include "PlotTestHelpers.h"
#include "platform/ui/StdTestApp.h"

#include "platform/ui/ControlsRender.h"
#include "platform/ui/Printers.h"
#include "platform/ui/TestScript.h"
#include "plotlib/editor/iPlotPreviewForm.h"
#include "plotlib/objects/iPlotToolBar.h"
#include "plotlib/plot/iXYPlot.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cmath>
#include <functional>

namespace {

struct PlotPreview : ::testing::Test {
    TScriptSession script;
    std::vector<std::string> failures;
    TRecordingPrinterBackend printer;
    TiXYPlot plot{nullptr};
    QList<TObject *> senders;

    PlotPreview()
    {
        script.SetFailureHandler([this](const std::string &m) { failures.push_back(m); });
        printer.Printers = {{.Name = "Office", .DpiX = 96, .DpiY = 96, .PaperSize = DMPAPER_A4}};
        SetPrinterBackend(&printer);
        plot.SetBounds(0, 0, 600, 300);
        plot.OnBeforePrint = [this](TObject *s) { senders << s; };
        plot.OnAfterPrint = [this](TObject *s) { senders << s; };
    }
    ~PlotPreview() override
    {
        SetPrinterBackend(nullptr);
        EXPECT_TRUE(failures.empty());
    }

    // The page's proportions (width / height) as the preview paints it now.
    static double PageRatio(TiPlotPreviewForm &form)
    {
        RenderControlImage(form.Preview);
        return static_cast<double>(form.PageRect.Width()) / form.PageRect.Height();
    }
    // Opens the preview; `look` runs while it shows, then it is closed.
    void Preview(const std::function<void(TiPlotPreviewForm &)> &look)
    {
        TestScript::ExpectModal(QString(), [&look](TCustomForm &f) {
            auto &form = dynamic_cast<TiPlotPreviewForm &>(f);
            look(form);
            form.CloseButton->Click();
        });
        plot.PreviewChart();
    }
    // Answers the settings dialog: `change` edits it, then OK (or Cancel).
    static void ExpectSettings(const std::function<void(TiPlotPreviewSettingsForm &)> &change, bool ok)
    {
        TestScript::ExpectModal(QString(), [change, ok](TCustomForm &f) {
            auto &settings = dynamic_cast<TiPlotPreviewSettingsForm &>(f);
            change(settings);
            (ok ? settings.Button1 : settings.Button2)->Click();
        });
    }
};

TEST_F(PlotPreview, AFirstPreviewShowsLetterAndTheChosenPaperLastsOnlyForThatWindow)
{
    Preview([&](TiPlotPreviewForm &form) {
        EXPECT_EQ(form.Caption(), QStringLiteral("Untitled (Preview)"));
        EXPECT_NEAR(PageRatio(form), 11.0 / 8.5, 0.01);  // letter, landscape as the plot prints
        ExpectSettings([](TiPlotPreviewSettingsForm &s) { s.PrintPaperSizeComboBox->SetAsInteger(3); }, true);
        form.SettingsButton->Click();
        EXPECT_EQ(form.PrintSize, 3);
        EXPECT_NEAR(PageRatio(form), 297.0 / 210.0, 0.01);  // A4
    });
    Preview([&](TiPlotPreviewForm &form) { EXPECT_NEAR(PageRatio(form), 11.0 / 8.5, 0.01); });
}

TEST_F(PlotPreview, TheSettingsGoToThePlotAndPortraitTurnsThePage)
{
    Preview([&](TiPlotPreviewForm &form) {
        ExpectSettings(
            [](TiPlotPreviewSettingsForm &s) {
                EXPECT_EQ(s.PrintMarginLeftEdit->AsFloat(), 1.0);
                EXPECT_EQ(s.PrintOrientationRadioGroup->AsInteger(), 1);
                s.PrintOrientationRadioGroup->SetAsInteger(0);
                s.PrintMarginLeftEdit->SetAsString(QStringLiteral("0.5"));
                s.PrintDocumentNameEdit->SetAsString(QStringLiteral("Levels"));
            },
            true);
        form.SettingsButton->Click();
        EXPECT_NEAR(PageRatio(form), 8.5 / 11.0, 0.01);
        EXPECT_EQ(form.Caption(), QStringLiteral("Levels (Preview)"));
    });
    EXPECT_EQ(plot.PrintOrientation(), poPortrait);
    EXPECT_DOUBLE_EQ(plot.PrintMarginLeft(), 0.5);
    EXPECT_EQ(plot.PrintDocumentName(), QStringLiteral("Levels"));
}

TEST_F(PlotPreview, CancellingTheSettingsChangesNothing)
{
    Preview([&](TiPlotPreviewForm &form) {
        ExpectSettings(
            [](TiPlotPreviewSettingsForm &s) {
                Keep(RenderControlImage(&s), "preview_settings");
                s.PrintOrientationRadioGroup->SetAsInteger(0);
                s.PrintMarginTopEdit->SetAsString(QStringLiteral("3"));
                s.PrintPaperSizeComboBox->SetAsInteger(2);
                s.PrintDocumentNameEdit->SetAsString(QStringLiteral("Other"));
            },
            false);
        form.SettingsButton->Click();
        EXPECT_EQ(form.PrintSize, 0);
        EXPECT_EQ(form.Caption(), QStringLiteral("Untitled (Preview)"));
        EXPECT_NEAR(PageRatio(form), 11.0 / 8.5, 0.01);
    });
    EXPECT_EQ(plot.PrintOrientation(), poLandscape);
    EXPECT_DOUBLE_EQ(plot.PrintMarginTop(), 1.0);
    EXPECT_EQ(plot.PrintDocumentName(), QStringLiteral("Untitled"));
}

TEST_F(PlotPreview, EachRepaintHidesTheToolbarAndRaisesThePrintEventsWithTheForm)
{
    QList<bool> toolBarShown;
    plot.OnBeforePrint = [&](TObject *s) {
        senders << s;
        toolBarShown << plot.GetToolBar(0)->Visible();
    };
    Preview([&](TiPlotPreviewForm &form) {
        senders.clear();
        const QImage image = RenderControlImage(&form);
        Keep(image, "print_preview");
        EXPECT_EQ(senders, QList<TObject *>({&form, &form}));
        EXPECT_TRUE(plot.GetToolBar(0)->Visible());
        // The page is white with its shadow, the picture inside the margins.
        const TRect page = form.PageRect;
        const TPoint origin(form.Preview->Left(), form.Preview->Top());
        EXPECT_EQ(image.pixel(origin.X + page.Left + 3, origin.Y + page.Top + 3), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(origin.X + page.Right + 3, origin.Y + page.Bottom + 3), qRgb(0, 0, 0));
        EXPECT_EQ(image.pixel(origin.X + page.Left + page.Width() / 2, origin.Y + page.Top + page.Height() / 2),
                  qRgb(0, 0, 0));  // the plot's background
    });
    EXPECT_FALSE(toolBarShown.isEmpty());
    EXPECT_FALSE(toolBarShown.contains(true));
}

TEST_F(PlotPreview, ThePagesPictureIsShrunkSmoothly)
{
    Preview([&](TiPlotPreviewForm &form) {
        const QImage image = RenderControlImage(form.Preview);
        // Shrunk pixel by pixel the plot keeps its few colours; shrunk smoothly its letters and
        // lines blend into the background in many shades.
        const TRect page = form.PageRect;
        QSet<QRgb> colours;
        for (int y = page.Top + 1; y < page.Bottom - 1; ++y)
            for (int x = page.Left + 1; x < page.Right - 1; ++x)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 40);
    });
}

TEST_F(PlotPreview, ThePrintButtonPrintsThePlot)
{
    plot.SetPrintShowDialog(false);
    Preview([&](TiPlotPreviewForm &form) { form.PrintButtonClick(nullptr); });
    EXPECT_EQ(printer.Calls, QStringList({"begin Untitled 0 poLandscape", "page", "end"}));
    EXPECT_TRUE(plot.GetToolBar(0)->Visible());
}

}  // namespace
