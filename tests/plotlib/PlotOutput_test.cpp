// The plot's picture elsewhere than in its window: print runs on a recording printer (pages, the
// placement on the paper, the print dialog, the printer choice, failures, the state afterwards),
// the paper helpers before any run, the clipboard in its three formats, the snapshot, and the
// image save dialog.

#include "PlotTestHelpers.h"
#include "platform/ui/StdTestApp.h"

#include "platform/runtime/Exception.h"
#include "platform/ui/Button.h"
#include "platform/ui/Clipbrd.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Metafile.h"
#include "platform/ui/Picture.h"
#include "platform/ui/Printers.h"
#include "platform/ui/TestScript.h"
#include "plotlib/axes/iPlotAxis.h"
#include "plotlib/channels/iXYPlotChannel.h"
#include "plotlib/editor/iEditorBasicComponents.h"
#include "plotlib/objects/iPlotToolBar.h"
#include "plotlib/plot/iXYPlot.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// An XY plot whose painting can be made to fail, and that notes whether its toolbar showed.
class ObservedPlot : public TiXYPlot {
public:
    using TiXYPlot::TiXYPlot;
    bool Fail = false;
    QList<bool> ToolBarShown;
    void DrawToCanvas(TCanvas *Canvas) override
    {
        ToolBarShown << GetToolBar(0)->Visible();
        if (Fail)
            throw Exception(QStringLiteral("drawing failed"));
        TiXYPlot::DrawToCanvas(Canvas);
    }
};

struct PlotOutput : ::testing::Test {
    TScriptSession script;
    std::vector<std::string> failures;
    TRecordingPrinterBackend printer;
    TMemoryClipboardBackend clipboard;
    ObservedPlot plot{nullptr};
    TiPlotXAxis *axis = plot.GetXAxis(0);
    QStringList events;

    PlotOutput()
    {
        script.SetFailureHandler([this](const std::string &m) { failures.push_back(m); });
        printer.Printers = {{.Name = "Office", .DpiX = 96, .DpiY = 96, .PaperSize = DMPAPER_A4},
                            {.Name = "Draft", .DpiX = 50, .DpiY = 50, .PaperSize = DMPAPER_LETTER}};
        SetPrinterBackend(&printer);
        SetClipboardBackend(&clipboard);
        plot.SetBounds(0, 0, 800, 500);
        plot.SetPrintShowDialog(false);
        axis->SetTrackingEnabled(false);
        axis->SetMinSpan(0, 10);
        plot.OnBeforePrint = [this](TObject *) { events << "before print"; };
        plot.OnAfterPrint = [this](TObject *) { events << "after print"; };
        plot.OnBeforePrintPage = [this](int page, bool last) {
            events << QStringLiteral("page %1 at %2%3").arg(page).arg(axis->Min()).arg(last ? " last" : "");
        };
    }
    ~PlotOutput() override
    {
        SetPrinterBackend(nullptr);
        SetClipboardBackend(nullptr);
        EXPECT_TRUE(failures.empty());
    }
};

// ---- Printing ----------------------------------------------------------------------------------

TEST_F(PlotOutput, ACancelledPrintDialogPrintsNothingAndRaisesNoEvent)
{
    plot.SetPrintShowDialog(true);
    TestScript::ExpectModal("PrintDialog",
                            [](TCustomForm &f) { dynamic_cast<TButton *>(f.FindComponent("CancelButton"))->Click(); });
    plot.PrintChart();
    EXPECT_TRUE(printer.Calls.isEmpty());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(PlotOutput, TheVisibleSpanPrintsOnOnePage)
{
    plot.SetPrintDocumentName(QStringLiteral("Levels"));
    plot.PrintChart();
    EXPECT_EQ(events, QStringList({"before print", "page 1 at 0 last", "after print"}));
    EXPECT_EQ(printer.Calls, QStringList({"begin Levels 0 poLandscape", "page", "end"}));
    EXPECT_DOUBLE_EQ(plot.PrintXStart(), 0);
    EXPECT_DOUBLE_EQ(plot.PrintXStop(), 10);
}

TEST_F(PlotOutput, ALongerRecordPrintsOnePagePerSpanAndTheStateComesBack)
{
    for (int x = 0; x <= 20; ++x)
        plot.GetChannel(0)->AddXY(x, x % 3);
    axis->SetMinSpan(0, 5);
    plot.SetOuterMarginLeft(7);
    plot.OnBeforePrint = [this](TObject *) { plot.SetPrintXStop(20); };
    plot.PrintChart();
    EXPECT_EQ(events, QStringList({"page 1 at 0", "page 2 at 5", "page 3 at 10", "page 4 at 15 last", "after print"}));
    EXPECT_EQ(printer.Pages.size(), 4u);
    EXPECT_DOUBLE_EQ(axis->Min(), 0);
    EXPECT_DOUBLE_EQ(axis->Span(), 5);
    EXPECT_TRUE(plot.GetToolBar(0)->Visible());
    EXPECT_FALSE(plot.ToolBarShown.contains(true));
    EXPECT_EQ(plot.Width(), 800);
    EXPECT_EQ(plot.Height(), 500);
    EXPECT_EQ(plot.OuterMarginLeft(), 7);
    EXPECT_FALSE(plot.UpdateActive());
}

TEST_F(PlotOutput, ThePlotIsScaledUniformlyIntoTheMarginsAtTheirTopLeftCorner)
{
    plot.SetBorderStyle(ibsNone);
    plot.PrintChart();
    EXPECT_EQ(plot.PrinterPaperWidthPixels(), 1123);
    EXPECT_EQ(plot.PrinterPaperHeightPixels(), 794);
    EXPECT_NEAR(plot.PrinterPaperWidthInches(), 11.69, 0.01);
    EXPECT_NEAR(plot.PrinterPaperHeightCentimeters(), 21.0, 0.01);
    ASSERT_EQ(printer.Pages.size(), 1u);
    const QImage page = printer.Pages[0];
    Keep(page, "printed_page");
    EXPECT_EQ(page.size(), QSize(1123, 794));
    // The plot (black background) fills (96, 96, 1027, 678); the rest of the page is white.
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(page.pixel(500, 400), qRgb(0, 0, 0));
    EXPECT_EQ(page.pixel(95, 400), white);
    EXPECT_EQ(page.pixel(500, 95), white);
    EXPECT_NE(page.pixel(1026, 400), white);
    EXPECT_EQ(page.pixel(1027, 400), white);
    EXPECT_NE(page.pixel(500, 677), white);
    EXPECT_EQ(page.pixel(500, 678), white);
}

// The standard output of a program of the system's PDF tools (poppler-utils, installed by setup).
QByteArray RunTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000)) << program.toStdString() << " did not finish";
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << ": " << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput();
}

// Lengths of the runs of red pixels down one column.
std::vector<int> RedRuns(const QImage &img, int x)
{
    std::vector<int> runs;
    int run = 0;
    for (int y = 0; y <= img.height(); ++y) {
        const QRgb p = y < img.height() ? img.pixel(x, y) : 0;
        if (y < img.height() && qRed(p) > 150 && qGreen(p) < 110 && qBlue(p) < 110) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

TEST_F(PlotOutput, APlotPrintedToPdfKeepsItsThinLinesThinAndItsTitleAsText)
{
    // The system's printers, whose PDF printer prints at 300 dpi.
    SetPrinterBackend(nullptr);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plot.pdf"));
    Printer()->SetFileName(pdf);
    plot.SetPrinterName(QStringLiteral("Print to PDF"));
    plot.SetBounds(0, 0, 400, 250);
    plot.SetTitleText(QStringLiteral("Untitled Levels"));
    TiPlotYAxis *y = plot.GetYAxis(0);
    y->SetTrackingEnabled(false);
    y->SetMinSpan(0, 10);
    TiPlotChannelCustom *channel = plot.GetChannel(0);
    channel->SetColor(clRed);
    channel->AddXY(0, 5);
    channel->AddXY(10, 5);
    plot.PrintChart();
    ASSERT_TRUE(QFile::exists(pdf));

    EXPECT_TRUE(RunTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).contains("Untitled Levels"));

    // A landscape A4 page at 300 dpi, the plot 7.3 times its size: the trace, one pixel on the
    // screen, stays a thin line.
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    // A4 is 297 x 210 mm; the renderer may round the width up by one pixel.
    ASSERT_NEAR(page.width(), 3508, 1);
    ASSERT_NEAR(page.height(), 2480, 1);
    Keep(page.scaled(page.size() / 4, Qt::KeepAspectRatio, Qt::SmoothTransformation), "printed_pdf_page");
    const int middle = 300 + 400 * 7 / 2;  // the left margin, then half the printed plot
    const std::vector<int> runs = RedRuns(page, middle);
    ASSERT_FALSE(runs.empty()) << "no trace down the middle of the page";
    for (int run : runs)
        EXPECT_LE(run, 3);
}

TEST_F(PlotOutput, APrinterIsChosenByItsExactNameOnly)
{
    struct Case {
        const char *name;
        int expectedDevice;
    };
    Printer()->SetPrinterIndex(1);
    const Case cases[] = {{"Nobody", 1}, {" ", 1}, {"office", 1}, {"Office", 0}};
    for (const Case &c : cases) {
        printer.Calls.clear();
        plot.SetPrinterName(QString::fromLatin1(c.name));
        plot.PrintChart();
        ASSERT_FALSE(printer.Calls.isEmpty());
        EXPECT_EQ(printer.Calls[0].section(u' ', 2, 2), QString::number(c.expectedDevice)) << c.name;
    }
}

TEST_F(PlotOutput, AFailureEndsTheJobAndIsReportedWithItsReason)
{
    struct Case {
        const char *name;
        std::function<void(PlotOutput &)> arrange;
        const char *message;
    };
    const Case cases[] = {
        {"the device", [](PlotOutput &t) { t.printer.FailOn = QStringLiteral("end"); }, "device failed"},
        {"a handler",
         [](PlotOutput &t) { t.plot.OnBeforePrintPage = [](int, bool) { throw Exception(QStringLiteral("stop")); }; },
         "stop"},
        {"the drawing", [](PlotOutput &t) { t.plot.Fail = true; }, "drawing failed"},
    };
    for (const Case &c : cases) {
        printer.Calls.clear();
        c.arrange(*this);
        EXPECT_EQ(MessageOf([&] { plot.PrintChart(); }), QStringLiteral("Error Printing : ") + c.message) << c.name;
        EXPECT_EQ(printer.Calls.last(), QStringLiteral("abort")) << c.name;
        EXPECT_FALSE(Printer()->Printing()) << c.name;
        EXPECT_TRUE(plot.GetToolBar(0)->Visible()) << c.name;
        EXPECT_DOUBLE_EQ(axis->Min(), 0) << c.name;
        EXPECT_FALSE(plot.UpdateActive()) << c.name;
        plot.Fail = false;
        plot.OnBeforePrintPage = nullptr;
        printer.FailOn.clear();
    }
}

TEST_F(PlotOutput, ThePaperHelpersReadThePrintersPaperBeforeAnyPrintRun)
{
    // A4 in the plot's landscape orientation: 800 wide gives 565 high.
    plot.PrintSizeToFillPage();
    EXPECT_EQ(plot.Height(), 565);
    plot.SetPrintOrientation(poPortrait);
    plot.PrintAdjustXSpanToMinutesPerMillimeter(1.0);
    EXPECT_GT(axis->Span(), 0);
    // With no printer at all the helpers say so rather than dividing by 0.
    TRecordingPrinterBackend none;
    SetPrinterBackend(&none);
    ObservedPlot fresh(nullptr);
    EXPECT_EQ(MessageOf([&] { fresh.PrintSizeToFillPage(); }),
              QStringLiteral("Could not initialize printer DeviceMode Structure"));
    SetPrinterBackend(&printer);
}

TEST_F(PlotOutput, TheToolbarsPrintButtonPrints)
{
    plot.GetToolBar(0)->DoButtonClickPrint();
    EXPECT_EQ(printer.Calls, QStringList({"begin Untitled 0 poLandscape", "page", "end"}));
}

// ---- Clipboard and snapshot --------------------------------------------------------------------

TEST_F(PlotOutput, TheMetafileFormatReusesOneMetafile)
{
    plot.CopyToClipBoard();
    TMetafile *first = plot.MetaFile();
    ASSERT_NE(first, nullptr);
    plot.CopyToClipBoard();
    EXPECT_EQ(plot.MetaFile(), first);
    EXPECT_EQ(clipboard.Calls, QStringList({"put image/x-emf image/png", "put image/x-emf image/png"}));
    EXPECT_EQ(first->Description(), QStringLiteral("Strip Chart"));
    EXPECT_EQ(first->Width(), 800);
    // The clipboard holds the bytes of the .emf file, with the title as text, not as pixels.
    const QByteArray emf = clipboard.Get(QStringLiteral("image/x-emf"));
    EXPECT_EQ(emf, first->Bytes());
    const QString title = QStringLiteral("Untitled");
    EXPECT_TRUE(emf.contains(QByteArray(reinterpret_cast<const char *>(title.utf16()), title.size() * 2)));
    EXPECT_FALSE(plot.ToolBarShown.contains(true));
    EXPECT_TRUE(plot.GetToolBar(0)->Visible());
}

TEST_F(PlotOutput, BitmapAndJpegFormatsPutTheirPictures)
{
    plot.SetCopyToClipBoardFormat(ipefBitmap);
    plot.CopyToClipBoard();
    plot.SetCopyToClipBoardFormat(ipefJPEG);
    plot.CopyToClipBoard();
    EXPECT_EQ(clipboard.Calls, QStringList({"image 800x500", "put image/jpeg"}));
    const QByteArray jpeg = clipboard.Get(QStringLiteral("image/jpeg"));
    EXPECT_EQ(QImage::fromData(jpeg, "JPG").size(), QSize(800, 500));
    EXPECT_FALSE(jpeg.contains(QByteArray("\xFF\xC2", 2)));  // not progressive
}

TEST_F(PlotOutput, AFailedCopyGivesBackTheToolbarAndEndsTheUpdateBracket)
{
    plot.Fail = true;
    EXPECT_EQ(MessageOf([&] { plot.CopyToClipBoard(); }), QStringLiteral("drawing failed"));
    EXPECT_TRUE(plot.GetToolBar(0)->Visible());
    EXPECT_FALSE(plot.UpdateActive());
    EXPECT_TRUE(clipboard.Calls.isEmpty());
}

TEST_F(PlotOutput, TheSnapshotIsAMetafilePictureTheCallerMayReuse)
{
    TPicture *picture = plot.GetSnapShotPicture();
    auto *metafile = dynamic_cast<TMetafile *>(picture->Graphic());
    ASSERT_NE(metafile, nullptr);
    EXPECT_EQ(metafile->Description(), QStringLiteral("iPlot"));
    EXPECT_EQ(metafile->Width(), 800);
    EXPECT_TRUE(plot.ToolBarShown.last());  // drawn as it is
    EXPECT_EQ(plot.GetSnapShotPicture(), picture);
}

// ---- Save --------------------------------------------------------------------------------------

TEST_F(PlotOutput, SaveWritesTheFormatOfTheChosenEndingInAnyLetterCase)
{
    QTemporaryDir dir;
    struct Case {
        const char *chosen;
        int filterIndex;
        const char *written;
        QByteArray start;
    };
    const Case cases[] = {
        {"plot.BMP", 1, "plot.BMP", "BM"},
        {"plot.emf", 2, "plot.emf", QByteArray("\x01\0\0\0", 4)},
        {"plot.Jpg", 3, "plot.Jpg", QByteArray("\xFF\xD8\xFF\xE0", 4)},
        {"plot", 4, "plot.png", QByteArray("\x89PNG", 4)},
    };
    for (const Case &c : cases) {
        TestScript::ExpectSaveFile(QDir(dir.path()).filePath(QString::fromLatin1(c.chosen)), c.filterIndex);
        plot.Save();
        QFile file(QDir(dir.path()).filePath(QString::fromLatin1(c.written)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.chosen;
        EXPECT_TRUE(file.readAll().startsWith(c.start)) << c.chosen;
    }
    // The JPEG of Save is progressive.
    QFile jpeg(QDir(dir.path()).filePath(QStringLiteral("plot.Jpg")));
    ASSERT_TRUE(jpeg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(jpeg.readAll().contains(QByteArray("\xFF\xC2", 2)));
    // Cancelled, nothing is written.
    TestScript::ExpectFileCancel();
    plot.Save();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4);
    EXPECT_EQ(plot.SaveDialog()->Filter().count(u'|'), 7);
}

}  // namespace
