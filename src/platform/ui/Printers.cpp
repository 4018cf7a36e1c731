#include "platform/ui/Printers.h"

#include <cmath>
#include <utility>

#include "platform/runtime/ClassBuilder.h"
#include "platform/ui/CanvasGdi.h"

T_IMPLEMENT_CLASS(TPrinterCanvas) {}

// The system's back-end (PrintersQt.cpp).
TPrinterBackend &SystemPrinterBackend();

void PaperSizeInches(int paperSize, double &width, double &height)
{
    struct Paper {
        double width, height;
        bool millimetres;
    };
    // The system's paper sizes by number, from 1 (letter) to 68 (A3 extra transverse), width first.
    // Numbers 48 and 49 are reserved.
    static constexpr Paper papers[68] = {
        {8.5, 11, false},     {8.5, 11, false},    {11, 17, false},      {17, 11, false},       {8.5, 14, false},
        {5.5, 8.5, false},    {7.25, 10.5, false}, {297, 420, true},     {210, 297, true},      {210, 297, true},
        {148, 210, true},     {250, 354, true},    {182, 257, true},     {8.5, 13, false},      {215, 275, true},
        {10, 14, false},      {11, 17, false},     {8.5, 11, false},     {3.875, 8.875, false}, {4.125, 9.5, false},
        {4.5, 10.375, false}, {4.75, 11, false},   {5, 11.5, false},     {17, 22, false},       {22, 34, false},
        {34, 44, false},      {110, 220, true},    {162, 229, true},     {324, 458, true},      {229, 324, true},
        {114, 162, true},     {114, 229, true},    {250, 353, true},     {176, 250, true},      {176, 125, true},
        {110, 230, true},     {3.875, 7.5, false}, {3.625, 6.5, false},  {14.875, 11, false},   {8.5, 12, false},
        {8.5, 13, false},     {250, 353, true},    {100, 148, true},     {9, 11, false},        {10, 11, false},
        {15, 11, false},      {220, 220, true},    {8.5, 11, false},     {8.5, 11, false},      {9.5, 12, false},
        {9.5, 15, false},     {11.69, 18, false},  {9.27, 12.69, false}, {8.5, 11, false},      {210, 297, true},
        {9.5, 12, false},     {227, 356, true},    {305, 487, true},     {8.5, 12.69, false},   {210, 330, true},
        {148, 210, true},     {182, 257, true},    {322, 445, true},     {174, 235, true},      {201, 276, true},
        {420, 594, true},     {297, 420, true},    {322, 445, true}};
    width = 8.5;
    height = 11;
    if (paperSize < 1 || paperSize > 68)
        return;
    const Paper &p = papers[paperSize - 1];
    const double toInches = p.millimetres ? 1 / 10.0 / 2.54 : 1.0;
    width = p.width * toInches;
    height = p.height * toInches;
}

// ---- Canvas ------------------------------------------------------------------------------------

void TPrinterCanvas::CreateHandle()
{
    if (printer_->FSurface)
        AttachSurface(printer_->FSurface, TPoint(0, 0), std::nullopt);
}

// ---- Printer -----------------------------------------------------------------------------------

TPrinter::TPrinter(TPrinterBackend *backend) : FBackend(backend), FDevices(backend->Devices())
{
    for (const TPrinterDevice &d : FDevices)
        FNames << d.Name;
    FIndex = FDevices.empty() ? -1 : std::max(backend->DefaultDevice(), 0);
}

TPrinter::~TPrinter()
{
    if (FPrinting)
        FBackend->AbortJob();
}

void TPrinter::CheckPrinting(bool printing) const
{
    if (printing && !FPrinting)
        throw EPrinter(QStringLiteral("Printer is not currently printing"));
    if (!printing && FPrinting)
        throw EPrinter(QStringLiteral("Printing in progress"));
}

void TPrinter::SetPrinterIndex(int value)
{
    CheckPrinting(false);
    if (value == -1)
        value = FDevices.empty() ? -1 : std::max(FBackend->DefaultDevice(), 0);
    else if (value < 0 || value >= static_cast<int>(FDevices.size()))
        throw EPrinter(QStringLiteral("Printer selected is not valid"));
    FIndex = value;
}

TPrinterDevice TPrinter::Device() const
{
    if (FIndex < 0 || FIndex >= static_cast<int>(FDevices.size()))
        return TPrinterDevice();
    return FDevices[static_cast<std::size_t>(FIndex)];
}

void TPrinter::SetOrientation(TPrinterOrientation value)
{
    CheckPrinting(false);
    FOrientation = value;
}

int TPrinter::DeviceCaps(int index) const
{
    const TPrinterDevice d = Device();
    double wInches = 0, hInches = 0;
    PaperSizeInches(d.PaperSize, wInches, hInches);
    int dpiX = d.DpiX, dpiY = d.DpiY, offX = d.OffsetX, offY = d.OffsetY;
    int paperW = static_cast<int>(std::lround(wInches * d.DpiX));
    int paperH = static_cast<int>(std::lround(hInches * d.DpiY));
    if (FOrientation == poLandscape) {
        std::swap(dpiX, dpiY);
        std::swap(offX, offY);
        std::swap(paperW, paperH);
    }
    switch (index) {
    case LOGPIXELSX: return dpiX;
    case LOGPIXELSY: return dpiY;
    case PHYSICALOFFSETX: return offX;
    case PHYSICALOFFSETY: return offY;
    case PHYSICALWIDTH: return paperW;
    case PHYSICALHEIGHT: return paperH;
    case HORZRES: return std::max(paperW - 2 * offX, 1);
    case VERTRES: return std::max(paperH - 2 * offY, 1);
    default: return 0;
    }
}

int TPrinter::PageWidth() const
{
    return DeviceCaps(HORZRES);
}

int TPrinter::PageHeight() const
{
    return DeviceCaps(VERTRES);
}

void TPrinter::NewSurface()
{
    FSurface = std::make_shared<TCanvasSurface>();
    FSurface->Image = QImage(PageWidth(), PageHeight(), QImage::Format_RGB32);
    FSurface->Image.fill(Qt::white);
    FSurface->Recording = std::make_shared<TDrawing>(FSurface->Image.width(), FSurface->Image.height());
    FCanvas.SurfaceReplaced();
}

template <class F>
void TPrinter::Guarded(F call)
{
    try {
        call();
    } catch (const std::exception &e) {
        if (FPrinting)
            FBackend->AbortJob();
        FPrinting = false;
        FAborted = true;
        FSurface.reset();
        FCanvas.SurfaceReplaced();
        const auto *framework = dynamic_cast<const Exception *>(&e);
        throw EPrinter(framework ? framework->Message() : QString::fromUtf8(e.what()));
    }
}

void TPrinter::BeginDoc()
{
    CheckPrinting(false);
    if (FIndex < 0)
        throw EPrinter(QStringLiteral("There is no default printer currently selected"));
    FAborted = false;
    Guarded([this] { FBackend->BeginJob({FIndex, FTitle, FOrientation, FFileName}); });
    FPrinting = true;
    FPageNumber = 1;
    NewSurface();
}

void TPrinter::NewPage()
{
    CheckPrinting(true);
    Guarded([this] { FBackend->PrintPage(FSurface->Image, *FSurface->Recording); });
    ++FPageNumber;
    NewSurface();
}

void TPrinter::EndDoc()
{
    CheckPrinting(true);
    Guarded([this] {
        FBackend->PrintPage(FSurface->Image, *FSurface->Recording);
        FBackend->EndJob();
    });
    FPrinting = false;
    FSurface.reset();
    FCanvas.SurfaceReplaced();
}

void TPrinter::Abort()
{
    CheckPrinting(true);
    FBackend->AbortJob();
    FPrinting = false;
    FAborted = true;
    FSurface.reset();
    FCanvas.SurfaceReplaced();
}

// ---- The program's printer ---------------------------------------------------------------------

namespace {

TPrinterBackend *testBackend = nullptr;

std::unique_ptr<TPrinter> &ThePrinter()
{
    static std::unique_ptr<TPrinter> printer;
    return printer;
}

}  // namespace

TPrinter *Printer()
{
    std::unique_ptr<TPrinter> &printer = ThePrinter();
    if (!printer)
        printer = std::make_unique<TPrinter>(testBackend ? testBackend : &SystemPrinterBackend());
    return printer.get();
}

void SetPrinterBackend(TPrinterBackend *backend)
{
    ThePrinter().reset();
    testBackend = backend;
}

// ---- Recording back-end ------------------------------------------------------------------------

void TRecordingPrinterBackend::Record(const QString &call, const QString &line)
{
    if (FailOn == call)
        throw EPrinter(FailMessage);
    Calls << line;
}

void TRecordingPrinterBackend::BeginJob(const TPrintJob &job)
{
    QStringList line{QStringLiteral("begin"), job.Title, QString::number(job.Device),
                     QString::fromLatin1(PrinterOrientationNames.Names[job.Orientation]), job.FileName};
    line.removeAll(QString());
    Record(QStringLiteral("begin"), line.join(u' '));
}

void TRecordingPrinterBackend::PrintPage(const QImage &page, const TDrawing &drawing)
{
    Record(QStringLiteral("page"), QStringLiteral("page"));
    Pages.push_back(page);
    Drawings.push_back(std::make_shared<TDrawing>(drawing));
}

void TRecordingPrinterBackend::EndJob()
{
    Record(QStringLiteral("end"), QStringLiteral("end"));
}

void TRecordingPrinterBackend::AbortJob()
{
    Calls << QStringLiteral("abort");
}
