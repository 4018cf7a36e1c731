// The plot's picture elsewhere than in its window: printed page by page over X axis 0 (with the
// paper of the printer and the sizing helpers that use it), in the print preview window, on the
// clipboard, as a snapshot picture, and saved as an image file chosen in the save dialog.

#include "plotlib/plot/iPlotComponent.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/CanvasGdi.h"
#include "platform/ui/Clipbrd.h"
#include "platform/ui/Metafile.h"
#include "platform/ui/Picture.h"
#include "platform/ui/PictureEncoded.h"
#include "platform/ui/PrintDialog.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"
#include "plotlib/editor/iEditorBasicComponents.h"
#include "plotlib/editor/iPlotPreviewForm.h"
#include "plotlib/objects/iPlotToolBar.h"

#include <cmath>
#include <vector>

namespace {

// The visibility of every toolbar, to be given back after a picture was drawn without them.
std::vector<bool> ToolBarsVisible(const TiPlotComponent *Plot)
{
    std::vector<bool> visible;
    for (int i = 0; i < Plot->ToolBarCount(); ++i)
        visible.push_back(Plot->GetToolBar(i)->Visible());
    return visible;
}

void RestoreToolBarsVisible(const TiPlotComponent *Plot, const std::vector<bool> &Visible)
{
    for (int i = 0; i < Plot->ToolBarCount() && i < static_cast<int>(Visible.size()); ++i)
        Plot->GetToolBar(i)->SetVisible(Visible[static_cast<std::size_t>(i)]);
}

QString FailureMessage(const std::exception &e)
{
    const auto *framework = dynamic_cast<const Exception *>(&e);
    return framework ? framework->Message() : QString::fromUtf8(e.what());
}

}  // namespace

// ---- Paper -------------------------------------------------------------------------------------

void TiPlotComponent::ReadPrinterPaper()
{
    double width = 0, height = 0;
    iGetPrinterPaperSize(width, height);
    HDC dc = Printer()->Handle();
    FPrinterPaperWidthInches = width;
    FPrinterPaperHeightInches = height;
    FPrinterPaperWidthCentimeters = width * 2.54;
    FPrinterPaperHeightCentimeters = height * 2.54;
    FPrinterPaperWidthPixels = static_cast<int>(Round(GetDeviceCaps(dc, LOGPIXELSX) * width));
    FPrinterPaperHeightPixels = static_cast<int>(Round(GetDeviceCaps(dc, LOGPIXELSY) * height));
}

void TiPlotComponent::EnsurePrinterPaper()
{
    // Before the first print run there is no paper yet: take the one the next run would use
    // rather than dividing by a width of 0.
    if (FPrinterPaperWidthInches > 0 && FPrinterPaperHeightInches > 0)
        return;
    if (!Printer()->Printing())
        Printer()->SetOrientation(FPrintOrientation);
    ReadPrinterPaper();
}

void TiPlotComponent::PrintSizeToFillPage()
{
    EnsurePrinterPaper();
    SetHeight(static_cast<int>(std::trunc(Width() * FPrinterPaperHeightInches / FPrinterPaperWidthInches)));
    ReCalcLayout();
}

void TiPlotComponent::PrintAdjustXSpanToMinutesPerMillimeter(double MinutesPerMillimeter)
{
    EnsurePrinterPaper();
    ReCalcLayout();
    TiPlotXAxis *axis = GetXAxis(0);
    const double printableHeight = FPrinterPaperHeightInches - FPrintMarginTop - FPrintMarginBottom;
    const int pixels = std::abs(axis->PositionToPixels(axis->Max()) - axis->PositionToPixels(axis->Min()));
    axis->SetSpan(pixels * printableHeight / Height() * 25.4 * MinutesPerMillimeter / 1440.0);
}

// ---- Print run ---------------------------------------------------------------------------------

void TiPlotComponent::PrintChart()
{
    TPrinter *printer = Printer();
    if (printer->Printing())
        printer->EndDoc();
    printer->SetOrientation(FPrintOrientation);
    printer->SetTitle(FPrintDocumentName);
    if (FPrintShowDialog) {
        TPrintDialog dialog(nullptr);
        if (!dialog.Execute())
            return;
    }
    BeginUpdate();
    const TiScopeExit endUpdate([this] { EndUpdate(); });
    try {
        TiPlotXAxis *axis = GetXAxis(0);
        FPrintXStart = axis->Min();
        FPrintXStop = axis->Max();
        PrintPages();
    } catch (const std::exception &e) {
        throw Exception(QStringLiteral("Error Printing : ") + FailureMessage(e));
    }
}

void TiPlotComponent::DrawToMetaFile(TMetafile *MetaFile, const QString &Description)
{
    MetaFile->SetWidth(Width());
    MetaFile->SetHeight(Height());
    TMetafileCanvas canvas(MetaFile, QStringLiteral("Quorin"), Description);
    DrawToCanvas(&canvas);
}

void TiPlotComponent::PrintPages()
{
    TPrinter *printer = Printer();
    const QString name = FPrinterName.trimmed();
    if (!name.isEmpty() && printer->Printers().contains(FPrinterName))
        printer->SetPrinterIndex(static_cast<int>(printer->Printers().indexOf(FPrinterName)));

    ReadPrinterPaper();
    HDC dc = printer->Handle();
    const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
    const int offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    const int offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);

    printer->BeginDoc();
    // A failed run is dropped rather than ended with a half-drawn page.
    const TiScopeExit abortJob([printer] {
        if (printer->Printing())
            printer->Abort();
    });

    TiPlotXAxis *axis = GetXAxis(0);
    const std::vector<bool> toolBarsVisible = ToolBarsVisible(this);
    const double savedMin = axis->Min();
    const double savedSpan = axis->Span();
    const int savedWidth = Width();
    const int savedHeight = Height();
    const int savedMargins[4] = {FOuterMarginLeft, FOuterMarginTop, FOuterMarginRight, FOuterMarginBottom};
    const TiScopeExit restore([&] {
        RestoreToolBarsVisible(this, toolBarsVisible);
        axis->SetMin(savedMin);
        axis->SetSpan(savedSpan);
        SetBounds(Left(), Top(), savedWidth, savedHeight);
        SetOuterMarginLeft(savedMargins[0]);
        SetOuterMarginTop(savedMargins[1]);
        SetOuterMarginRight(savedMargins[2]);
        SetOuterMarginBottom(savedMargins[3]);
    });

    FMaster->DeSelectAll();
    FMaster->ShowToolBars(false);
    if (OnBeforePrint)
        OnBeforePrint(this);
    int page = 1;
    axis->SetMin(FPrintXStart);
    TMetafile metafile;
    while (axis->Min() < FPrintXStop) {
        if (OnBeforePrintPage)
            OnBeforePrintPage(page, axis->Max() >= FPrintXStop);
        const double scale =
            std::min((FPrinterPaperWidthPixels - (FPrintMarginLeft + FPrintMarginRight) * dpiX) / Width(),
                     (FPrinterPaperHeightPixels - (FPrintMarginTop + FPrintMarginBottom) * dpiY) / Height());
        const double left = dpiX * FPrintMarginLeft - offsetX;
        const double top = dpiY * FPrintMarginTop - offsetY;
        const TRect target(static_cast<int>(Round(left)), static_cast<int>(Round(top)),
                           static_cast<int>(Round(left + Width() * scale)),
                           static_cast<int>(Round(top + Height() * scale)));
        ReCalcLayout();
        DrawToMetaFile(&metafile, QString());
        PlayEnhMetaFile(printer->Canvas(), &metafile, target);
        if (axis->Min() + axis->Span() <= axis->Min() || axis->Max() >= FPrintXStop)
            break;
        printer->NewPage();
        ++page;
        axis->SetMin(axis->Min() + axis->Span());
    }
    if (OnAfterPrint)
        OnAfterPrint(this);
    printer->EndDoc();
}

// ---- Preview -----------------------------------------------------------------------------------

void TiPlotComponent::PreviewChart()
{
    auto form = std::make_unique<TiPlotPreviewForm>(nullptr);
    form->iComponent = this;
    form->PrintMarginLeft = FPrintMarginLeft;
    form->PrintMarginTop = FPrintMarginTop;
    form->PrintMarginRight = FPrintMarginRight;
    form->PrintMarginBottom = FPrintMarginBottom;
    form->PrintOrientation = FPrintOrientation;
    form->PrintDocumentName = FPrintDocumentName;
    form->SetCaption(FPrintDocumentName + QStringLiteral(" (Preview)"));
    form->DoTranslation();
    form->ShowModal();
}

// ---- Clipboard and snapshot --------------------------------------------------------------------

void TiPlotComponent::CopyToClipBoard()
{
    BeginUpdate();
    const std::vector<bool> visible = ToolBarsVisible(this);
    const TiScopeExit restore([this, &visible] {
        RestoreToolBarsVisible(this, visible);
        EndUpdate();
    });
    FMaster->ShowToolBars(false);
    FMaster->DeSelectAll();
    switch (FCopyToClipBoardFormat) {
    case ipefMetaFile:
        if (!FMetaFile)
            FMetaFile = std::make_unique<TMetafile>();
        DrawToMetaFile(FMetaFile.get(), QStringLiteral("Strip Chart"));
        Clipboard()->Assign(FMetaFile.get());
        break;
    case ipefBitmap: {
        TBitmap bitmap(Width(), Height());
        DrawToCanvas(bitmap.Canvas());
        Clipboard()->Assign(&bitmap);
        break;
    }
    case ipefJPEG: {
        const std::unique_ptr<TJPEGImage> jpeg = MakeJPEGImage(100, false);
        if (jpeg) {
            TPicture picture;
            picture.SetGraphic(jpeg.get());
            Clipboard()->Assign(&picture);
        }
        break;
    }
    }
}

TPicture *TiPlotComponent::GetSnapShotPicture()
{
    if (!FSnapShotPicture)
        FSnapShotPicture = std::make_unique<TPicture>();
    if (!FMetaFile)
        FMetaFile = std::make_unique<TMetafile>();
    DrawToMetaFile(FMetaFile.get(), QStringLiteral("iPlot"));
    FSnapShotPicture->SetGraphic(FMetaFile.get());
    return FSnapShotPicture.get();
}

// ---- Save --------------------------------------------------------------------------------------

void TiPlotComponent::Save()
{
    if (!FSaveDialog) {
        FSaveDialog = new TiComponentEditorSavePicker(this);
        FSaveDialog->SetVisible(false);
        FSaveDialog->SetParent(this);
    }
    FSaveDialog->SetDefaultDir(FDefaultSaveImageDirectory);
    FSaveDialog->SetFilter(QStringLiteral(
        "Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png"));
    FSaveDialog->SetFileName(QStringLiteral("Untitled"));
    FSaveDialog->SetFilterIndex(static_cast<int>(FDefaultSaveImageFormat) + 1);
    if (!FSaveDialog->Execute())
        return;
    FMaster->DeSelectAll();
    const QString fileName = FSaveDialog->FileName();
    // The kind by the name's ending, in any letter case ("plot.BMP" is a bitmap).
    const QString ending = fileName.right(3).toLower();
    if (ending == QStringLiteral("bmp"))
        SaveImageToBitmap(fileName);
    else if (ending == QStringLiteral("emf"))
        SaveImageToMetaFile(fileName);
    else if (ending == QStringLiteral("jpg"))
        SaveImageToJPEG(fileName, 100, true);
    else if (ending == QStringLiteral("png"))
        SaveImageToPNG(fileName, 9);
}
