// The printer: jobs and pages through a recording back-end, the printer's device capabilities,
// the protocol errors, failures of the device, the print dialog, and the system's back-end
// printing into a PDF file.

#include "platform/runtime/Exception.h"
#include "platform/ui/Button.h"
#include "platform/ui/CanvasGdi.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Forms.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/Printers.h"
#include "platform/ui/TestScript.h"

#include "StdTestApp.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct WithTwoPrinters : ::testing::Test {
    TRecordingPrinterBackend backend;
    std::vector<std::string> failures;
    TScriptSession script;

    WithTwoPrinters()
    {
        backend.Printers = {
            {.Name = "Office", .DpiX = 100, .DpiY = 100, .OffsetX = 5, .OffsetY = 10, .PaperSize = DMPAPER_A4},
            {.Name = "Plotter", .DpiX = 50, .DpiY = 50, .PaperSize = DMPAPER_LETTER, .PrintsToFile = true},
        };
        backend.Default = 0;
        SetPrinterBackend(&backend);
        script.SetFailureHandler([this](const std::string &m) { failures.push_back(m); });
    }
    ~WithTwoPrinters() override { SetPrinterBackend(nullptr); }

    static QString MessageOf(const std::function<void()> &call)
    {
        try {
            call();
        } catch (const Exception &e) {
            return e.Message();
        }
        return QString();
    }
};

TEST_F(WithTwoPrinters, AJobHandsEachFinishedPageToTheDeviceInTheJobsOrientation)
{
    TPrinter *printer = Printer();
    EXPECT_EQ(printer->Printers(), QStringList({"Office", "Plotter"}));
    EXPECT_EQ(printer->PrinterIndex(), 0);
    printer->SetOrientation(poLandscape);
    printer->SetTitle(QStringLiteral("Report"));
    printer->BeginDoc();
    EXPECT_TRUE(printer->Printing());
    TCanvas *canvas = printer->Canvas();
    canvas->Brush()->SetColor(clRed);
    canvas->FillRect(TRect(0, 0, 10, 10));
    printer->NewPage();
    EXPECT_EQ(printer->PageNumber(), 2);
    printer->EndDoc();
    EXPECT_FALSE(printer->Printing());

    EXPECT_EQ(backend.Calls, QStringList({"begin Report 0 poLandscape", "page", "page", "end"}));
    ASSERT_EQ(backend.Pages.size(), 2u);
    // A4 at 100 dpi in landscape is 1169 x 827 pixels; the printable area leaves out the offsets,
    // which turn with the page.
    EXPECT_EQ(backend.Pages[0].size(), QSize(1169 - 2 * 10, 827 - 2 * 5));
    EXPECT_EQ(backend.Pages[0].pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(backend.Pages[1].pixel(5, 5), qRgb(255, 255, 255));
}

TEST_F(WithTwoPrinters, TheCanvasAnswersTheDeviceCapabilitiesOfTheCurrentPrinter)
{
    struct Case {
        const char *name;
        int index;
        TPrinterOrientation orientation;
        int caps[6];  // LOGPIXELSX, LOGPIXELSY, PHYSICALOFFSETX, PHYSICALOFFSETY, PHYSICALWIDTH, PHYSICALHEIGHT
    };
    const Case cases[] = {
        {.name = "A4 portrait", .index = 0, .orientation = poPortrait, .caps = {100, 100, 5, 10, 827, 1169}},
        {.name = "A4 landscape", .index = 0, .orientation = poLandscape, .caps = {100, 100, 10, 5, 1169, 827}},
        {.name = "letter", .index = 1, .orientation = poPortrait, .caps = {50, 50, 0, 0, 425, 550}},
    };
    const int indexes[] = {LOGPIXELSX, LOGPIXELSY, PHYSICALOFFSETX, PHYSICALOFFSETY, PHYSICALWIDTH, PHYSICALHEIGHT};
    for (const Case &c : cases) {
        Printer()->SetPrinterIndex(c.index);
        Printer()->SetOrientation(c.orientation);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(GetDeviceCaps(Printer()->Handle(), indexes[i]), c.caps[i]) << c.name << " " << i;
    }
    // Other canvases stay the screen.
    TCanvas screen;
    EXPECT_EQ(GetDeviceCaps(&screen, LOGPIXELSX), 96);
}

TEST_F(WithTwoPrinters, CallsOutOfTurnAreRefusedAndChangeNothing)
{
    TPrinter *printer = Printer();
    EXPECT_EQ(MessageOf([&] { printer->NewPage(); }), QStringLiteral("Printer is not currently printing"));
    EXPECT_EQ(MessageOf([&] { printer->EndDoc(); }), QStringLiteral("Printer is not currently printing"));
    EXPECT_EQ(MessageOf([&] { printer->SetPrinterIndex(2); }), QStringLiteral("Printer selected is not valid"));
    printer->SetPrinterIndex(1);
    printer->SetPrinterIndex(-1);
    EXPECT_EQ(printer->PrinterIndex(), 0);
    printer->BeginDoc();
    EXPECT_EQ(MessageOf([&] { printer->BeginDoc(); }), QStringLiteral("Printing in progress"));
    EXPECT_EQ(MessageOf([&] { printer->SetPrinterIndex(1); }), QStringLiteral("Printing in progress"));
    EXPECT_EQ(MessageOf([&] { printer->SetOrientation(poLandscape); }), QStringLiteral("Printing in progress"));
    printer->Abort();
    EXPECT_TRUE(printer->Aborted());
    EXPECT_EQ(backend.Calls, QStringList({"begin 0 poPortrait", "abort"}));
}

TEST_F(WithTwoPrinters, AFailingDeviceDropsTheJobAndReportsItsReason)
{
    for (const char *call : {"begin", "page"}) {
        backend.Calls.clear();
        backend.FailOn = QString::fromLatin1(call);
        TPrinter *printer = Printer();
        const QString message = MessageOf([&] {
            printer->BeginDoc();
            printer->NewPage();
        });
        EXPECT_EQ(message, QStringLiteral("device failed")) << call;
        EXPECT_FALSE(printer->Printing()) << call;
        if (backend.FailOn == QStringLiteral("page")) {
            EXPECT_EQ(backend.Calls.last(), QStringLiteral("abort"));
        }
    }
}

TEST_F(WithTwoPrinters, ThePrintDialogChoosesThePrinterAndTheFileOrChangesNothing)
{
    auto choose = [](int index, const QString &file) {
        return [index, file](TCustomForm &f) {
            dynamic_cast<TComboBox *>(f.FindComponent("PrinterComboBox"))->SetItemIndex(index);
            dynamic_cast<TEdit *>(f.FindComponent("FileNameEdit"))->SetText(file);
            dynamic_cast<TButton *>(f.FindComponent("OKButton"))->Click();
        };
    };
    TPrintDialog dialog(nullptr);
    TestScript::ExpectModal("PrintDialog", [](TCustomForm &f) {
        dynamic_cast<TComboBox *>(f.FindComponent("PrinterComboBox"))->SetItemIndex(1);
        dynamic_cast<TButton *>(f.FindComponent("CancelButton"))->Click();
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(Printer()->PrinterIndex(), 0);

    // A printer that prints into a file asks for one before it takes the choice.
    TestScript::ExpectModal("PrintDialog", [&](TCustomForm &f) {
        TestScript::ExpectMessage("Choose the file", mrOk);
        choose(1, QString())(f);
        EXPECT_EQ(f.ModalResult(), mrNone);
        choose(1, QStringLiteral("/tmp/plot.pdf"))(f);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(Printer()->PrinterIndex(), 1);
    EXPECT_EQ(Printer()->FileName(), QStringLiteral("/tmp/plot.pdf"));
    EXPECT_TRUE(failures.empty());
}

TEST(SystemPrinters, ThePdfPrinterWritesTheChosenFileAt300Dpi)
{
    SetPrinterBackend(nullptr);
    TPrinter *printer = Printer();
    const qsizetype pdf = printer->Printers().indexOf(QStringLiteral("Print to PDF"));
    ASSERT_GE(pdf, 0);
    printer->SetPrinterIndex(static_cast<int>(pdf));
    EXPECT_EQ(GetDeviceCaps(printer->Handle(), LOGPIXELSX), 300);
    printer->SetFileName(QString());
    try {
        printer->BeginDoc();
        ADD_FAILURE() << "printed without a file";
    } catch (const EPrinter &e) {
        EXPECT_EQ(e.Message(), QStringLiteral("No file was chosen to print to"));
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plot.pdf"));
    printer->SetFileName(file);
    printer->SetOrientation(poLandscape);
    printer->BeginDoc();
    printer->Canvas()->Brush()->SetColor(clBlue);
    printer->Canvas()->FillRect(TRect(300, 300, 900, 600));
    printer->NewPage();
    printer->EndDoc();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
    SetPrinterBackend(nullptr);
}

}  // namespace
