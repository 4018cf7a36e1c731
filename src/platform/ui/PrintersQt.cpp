// The system's printer back-end, on Qt's print support: the machine's printers (when it has any)
// and a "Print to PDF" printer. Every printer prints at 300 dpi; a page's drawing is painted at the
// printable area's offset on a full-page device, so lines stay lines and text stays text.

#include "platform/ui/Printers.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>
#include <optional>
#include <utility>

namespace {

constexpr int Resolution = 300;
const QString PdfPrinterName = QStringLiteral("Print to PDF");

int PaperNumberOf(const QPageSize &size)
{
    const int number = size.isValid() ? size.windowsId() : 0;
    return number > 0 ? number : DMPAPER_A4;
}

class QtPrinterBackend : public TPrinterBackend {
public:
    std::vector<TPrinterDevice> Devices() const override
    {
        if (!devices_)
            devices_ = Enumerate();
        return *devices_;
    }

    int DefaultDevice() const override
    {
        const std::vector<TPrinterDevice> devices = Devices();
        const QString name = QPrinterInfo::defaultPrinterName();
        for (std::size_t i = 0; i < devices.size(); ++i)
            if (!devices[i].PrintsToFile && devices[i].Name == name)
                return static_cast<int>(i);
        // Without a printer of the system's choice, the first one (the PDF printer when alone).
        return devices.empty() ? -1 : 0;
    }

    void BeginJob(const TPrintJob &job) override
    {
        const std::vector<TPrinterDevice> devices = Devices();
        if (job.Device < 0 || job.Device >= static_cast<int>(devices.size()))
            throw EPrinter(QStringLiteral("Printer selected is not valid"));
        device_ = devices[static_cast<std::size_t>(job.Device)];
        orientation_ = job.Orientation;
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (device_.PrintsToFile) {
            if (job.FileName.trimmed().isEmpty())
                throw EPrinter(QStringLiteral("No file was chosen to print to"));
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(job.FileName);
        } else {
            printer->setPrinterName(device_.Name);
        }
        printer->setResolution(Resolution);
        printer->setFullPage(true);
        printer->setPageSize(QPageSize(QPageSize::id(device_.PaperSize)));
        printer->setPageOrientation(job.Orientation == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        printer->setDocName(job.Title);
        auto painter = std::make_unique<QPainter>();
        if (!painter->begin(printer.get()))
            throw EPrinter(
                device_.PrintsToFile
                    ? QStringLiteral("Cannot write the file %1").arg(QFileInfo(job.FileName).absoluteFilePath())
                    : QStringLiteral("Cannot print on %1").arg(device_.Name));
        printer_ = std::move(printer);
        painter_ = std::move(painter);
        firstPage_ = true;
    }

    void PrintPage(const QImage &page, const TDrawing &drawing) override
    {
        if (!painter_)
            throw EPrinter(QStringLiteral("Printer is not currently printing"));
        if (!firstPage_ && !printer_->newPage())
            throw EPrinter(QStringLiteral("Cannot start a new page"));
        firstPage_ = false;
        const bool landscape = orientation_ == poLandscape;
        const QPoint offset(landscape ? device_.OffsetY : device_.OffsetX,
                            landscape ? device_.OffsetX : device_.OffsetY);
        PaintDrawing(drawing, *painter_, QRectF(offset, page.size()));
    }

    void EndJob() override
    {
        if (!painter_)
            throw EPrinter(QStringLiteral("Printer is not currently printing"));
        const bool ok = painter_->end();
        painter_.reset();
        printer_.reset();
        if (!ok)
            throw EPrinter(QStringLiteral("Printing did not complete"));
    }

    void AbortJob() override
    {
        if (printer_)
            printer_->abort();
        if (painter_ && painter_->isActive())
            painter_->end();
        painter_.reset();
        printer_.reset();
    }

private:
    static std::vector<TPrinterDevice> Enumerate()
    {
        std::vector<TPrinterDevice> out;
        for (const QPrinterInfo &info : QPrinterInfo::availablePrinters()) {
            TPrinterDevice d;
            d.Name = info.printerName();
            d.DpiX = d.DpiY = Resolution;
            d.PaperSize = PaperNumberOf(info.defaultPageSize());
            // The paper's edges the device cannot print on.
            QPrinter probe(info, QPrinter::HighResolution);
            probe.setResolution(Resolution);
            QPageLayout layout = probe.pageLayout();
            layout.setUnits(QPageLayout::Point);
            const QMarginsF margins = layout.minimumMargins();
            d.OffsetX = static_cast<int>(std::lround(margins.left() * Resolution / 72.0));
            d.OffsetY = static_cast<int>(std::lround(margins.top() * Resolution / 72.0));
            out.push_back(d);
        }
        TPrinterDevice pdf;
        pdf.Name = PdfPrinterName;
        pdf.DpiX = pdf.DpiY = Resolution;
        pdf.PaperSize = PaperNumberOf(QPageSize(QPageSize::A4));
        pdf.PrintsToFile = true;
        out.push_back(pdf);
        return out;
    }

    mutable std::optional<std::vector<TPrinterDevice>> devices_;
    TPrinterDevice device_;
    TPrinterOrientation orientation_ = poPortrait;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    bool firstPage_ = true;
};

}  // namespace

TPrinterBackend &SystemPrinterBackend()
{
    static QtPrinterBackend backend;
    return backend;
}
