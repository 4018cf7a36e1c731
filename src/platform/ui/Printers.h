#pragma once
// TPrinter: the program's printer (Printer()), over a back-end that knows the installed printers
// and prints finished pages.
//
//  - The printers are listed by name (Printers); PrinterIndex chooses one (-1 chooses the
//    default). Each has its resolution, the offsets of its printable area from the paper's edges
//    (device pixels) and its paper, as the system's paper number (DMPAPER_*). A printer that
//    prints into a file (the "Print to PDF" printer) takes the file from FileName, which the print
//    dialog asks for.
//  - A job: BeginDoc, then drawing on Canvas (the printable area of the page, in device pixels,
//    white at the start of each page), NewPage between pages, EndDoc. The page keeps what is
//    drawn both as pixels and as a drawing (Drawing.h), so that the back-end prints lines, shapes
//    and text as such: a metafile played onto the page keeps its text as text. Orientation applies to the
//    next job; landscape exchanges the page's width and height and the two offsets. Abort drops
//    the job. A failure of the back-end aborts the job and raises EPrinter with its reason;
//    BeginDoc during a job raises "Printing in progress", NewPage and EndDoc without one
//    "Printer is not currently printing", and choosing a printer during a job "Printing in progress".
//  - The canvas is the printer's device context: GetDeviceCaps(Printer()->Handle(), ...) answers
//    LOGPIXELSX/Y, PHYSICALOFFSETX/Y, PHYSICALWIDTH/HEIGHT and HORZRES/VERTRES of the printer.
//
// The back-end is the system's (Qt's print support: the machine's printers, and a "Print to PDF"
// printer at 300 dpi) unless a test puts its own in place with SetPrinterBackend; the recording
// back-end below is for tests. GUI thread.

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

#include "platform/runtime/EnumNames.h"
#include "platform/runtime/Exception.h"
#include "platform/ui/Canvas.h"

enum TPrinterOrientation { poPortrait, poLandscape };
inline constexpr auto PrinterOrientationNames = EnumNames<TPrinterOrientation>("poPortrait", "poLandscape");

T_DECLARE_EXCEPTION(EPrinter, Exception);

// Paper numbers of the system (the ones the program names).
constexpr int DMPAPER_LETTER = 1;
constexpr int DMPAPER_LEGAL = 5;
constexpr int DMPAPER_A3 = 8;
constexpr int DMPAPER_A4 = 9;
constexpr int DMPAPER_A5 = 11;

// Width and height in inches of a paper number (1 to 68, portrait); unknown and reserved numbers
// give letter size, 8.5 x 11.
void PaperSizeInches(int paperSize, double &width, double &height);

// One printer as the back-end describes it.
struct TPrinterDevice {
    QString Name;
    int DpiX = 300;
    int DpiY = 300;
    // The printable area's offsets from the paper's left and top edges, portrait, device pixels.
    int OffsetX = 0;
    int OffsetY = 0;
    int PaperSize = DMPAPER_A4;
    // Prints into the file the print dialog asks for.
    bool PrintsToFile = false;
};

// What a job is printed with.
struct TPrintJob {
    int Device = 0;  // index into the back-end's devices
    QString Title;
    TPrinterOrientation Orientation = poPortrait;
    QString FileName;  // for a device that prints to a file
};

class TPrinterBackend {
public:
    virtual ~TPrinterBackend() = default;
    virtual std::vector<TPrinterDevice> Devices() const = 0;
    // The index of the system's default printer (-1 when there is none).
    virtual int DefaultDevice() const = 0;
    // Each of these raises EPrinter with the reason when it fails.
    virtual void BeginJob(const TPrintJob &job) = 0;
    // One finished page: the printable area in device pixels, in the job's orientation, and
    // what was drawn on it as a drawing of the same size.
    virtual void PrintPage(const QImage &page, const TDrawing &drawing) = 0;
    virtual void EndJob() = 0;
    // Drops the job; never raises.
    virtual void AbortJob() = 0;
};

// The canvas of a printer's page; GetDeviceCaps asks the printer through it.
class TPrinter;
class TPrinterCanvas : public TCanvas {
    T_DECLARE_CLASS(TPrinterCanvas, TCanvas)
    explicit TPrinterCanvas(TPrinter *printer) : printer_(printer) {}
    TPrinter *Printer() const { return printer_; }
    // The printer started another page (or ended the job): the next drawing attaches anew.
    void SurfaceReplaced() { DetachSurface(); }

protected:
    void CreateHandle() override;

private:
    TPrinter *printer_;
};

class TPrinter {
public:
    explicit TPrinter(TPrinterBackend *backend);
    ~TPrinter();
    TPrinter(const TPrinter &) = delete;
    TPrinter &operator=(const TPrinter &) = delete;

    // ---- Printers ----
    const QStringList &Printers() const { return FNames; }
    const std::vector<TPrinterDevice> &Devices() const { return FDevices; }
    int PrinterIndex() const { return FIndex; }
    // -1: the default printer; an index outside the list raises "Printer selected is not valid".
    void SetPrinterIndex(int value);
    // The current printer (a default one when there is none).
    TPrinterDevice Device() const;
    // The current printer's paper number.
    int PaperSize() const { return Device().PaperSize; }
    // The file a printer that prints to a file writes.
    const QString &FileName() const { return FFileName; }
    void SetFileName(const QString &value) { FFileName = value; }

    // ---- Job ----
    TPrinterOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TPrinterOrientation value);
    const QString &Title() const { return FTitle; }
    void SetTitle(const QString &value) { FTitle = value; }
    void BeginDoc();
    void NewPage();
    void EndDoc();
    void Abort();
    bool Printing() const { return FPrinting; }
    bool Aborted() const { return FAborted; }
    int PageNumber() const { return FPageNumber; }
    // The printable area in the current orientation, device pixels.
    int PageWidth() const;
    int PageHeight() const;
    TCanvas *Canvas() { return &FCanvas; }
    HDC Handle() { return &FCanvas; }
    // GetDeviceCaps of the current printer in the current orientation; 0 for other indexes.
    int DeviceCaps(int index) const;

private:
    friend class TPrinterCanvas;
    void CheckPrinting(bool printing) const;
    void NewSurface();
    // Runs a back-end call; on failure the job is dropped and the failure raised as EPrinter.
    template <class F>
    void Guarded(F call);

    TPrinterBackend *FBackend;
    std::vector<TPrinterDevice> FDevices;
    QStringList FNames;
    int FIndex = -1;
    TPrinterOrientation FOrientation = poPortrait;
    QString FTitle;
    QString FFileName;
    bool FPrinting = false;
    bool FAborted = false;
    int FPageNumber = 0;
    std::shared_ptr<TCanvasSurface> FSurface;
    TPrinterCanvas FCanvas{this};
};

// The program's printer (made at the first use, over the system's back-end).
TPrinter *Printer();
// Puts a back-end in place of the system's (nullptr: the system's again) and makes a fresh
// printer over it; the caller keeps the back-end alive while it is in place. Pointers to the old
// printer are no longer valid.
void SetPrinterBackend(TPrinterBackend *backend);

// A back-end for tests: the test sets the printers; every call is recorded in Calls ("begin
// <title> <device> <orientation> <file>", "page", "end", "abort"), every page's image in Pages
// and its drawing in Drawings.
// When FailOn names a call ("begin", "page", "end"), that call raises EPrinter with FailMessage.
class TRecordingPrinterBackend : public TPrinterBackend {
public:
    std::vector<TPrinterDevice> Printers;
    int Default = 0;
    QStringList Calls;
    std::vector<QImage> Pages;
    std::vector<std::shared_ptr<const TDrawing>> Drawings;
    QString FailOn;
    QString FailMessage = QStringLiteral("device failed");

    std::vector<TPrinterDevice> Devices() const override { return Printers; }
    int DefaultDevice() const override { return Printers.empty() ? -1 : Default; }
    void BeginJob(const TPrintJob &job) override;
    void PrintPage(const QImage &page, const TDrawing &drawing) override;
    void EndJob() override;
    void AbortJob() override;

private:
    void Record(const QString &call, const QString &line);
};
