#include "plotlib/editor/iPlotPreviewForm.h"

#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/SysUtils.h"
#include "platform/ui/Bitmap.h"
#include "platform/ui/Metafile.h"
#include "platform/ui/Picture.h"
#include "plotlib/base/iHelpers.h"
#include "plotlib/base/iScopeExit.h"
#include "plotlib/objects/iPlotToolBar.h"
#include "plotlib/plot/iPlotComponent.h"

#include <QFile>

#include <cmath>
#include <memory>

T_IMPLEMENT_CLASS(TiPlotPreviewSettingsForm)
{
    using F = TiPlotPreviewSettingsForm;
    b.Field("PrintMarginTopEdit", &F::PrintMarginTopEdit);
    b.Field("PrintMarginLeftEdit", &F::PrintMarginLeftEdit);
    b.Field("PrintMarginRightEdit", &F::PrintMarginRightEdit);
    b.Field("PrintMarginBottomEdit", &F::PrintMarginBottomEdit);
    b.Field("PrintOrientationRadioGroup", &F::PrintOrientationRadioGroup);
    b.Field("PrintDocumentNameEdit", &F::PrintDocumentNameEdit);
    b.Field("PrintPaperSizeComboBox", &F::PrintPaperSizeComboBox);
    b.Field("Button1", &F::Button1);
    b.Field("Button2", &F::Button2);
}

T_IMPLEMENT_CLASS(TiPlotPreviewForm)
{
    using F = TiPlotPreviewForm;
    b.Handler("PreviewPaint", &F::PreviewPaint);
    b.Handler("PrintButtonClick", &F::PrintButtonClick);
    b.Handler("SettingsButtonClick", &F::SettingsButtonClick);
    b.Handler("CloseButtonClick", &F::CloseButtonClick);
    b.Field("Panel1", &F::Panel1);
    b.Field("PrintButton", &F::PrintButton);
    b.Field("SettingsButton", &F::SettingsButton);
    b.Field("CloseButton", &F::CloseButton);
    b.Field("Preview", &F::Preview);
}

namespace {

// The system's paper numbers of PrintSize 0 to 4: letter, legal, A3, A4, A5.
constexpr std::uint16_t PaperNumbers[] = {DMPAPER_LETTER, DMPAPER_LEGAL, DMPAPER_A3, DMPAPER_A4, DMPAPER_A5};

}  // namespace

TiPlotPreviewSettingsForm::TiPlotPreviewSettingsForm(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
}

TiPlotPreviewForm::TiPlotPreviewForm(TComponent *AOwner) : TForm(AOwner)
{
    InitializeForm();
    // The toolbar's printer picture, teal marking its transparent pixels.
    QFile file(QStringLiteral(":/plotlib/glyphs/PRINTER.bmp"));
    if (file.open(QIODevice::ReadOnly)) {
        TBitmap glyph;
        glyph.LoadFromBytes(file.readAll());
        glyph.SetTransparentColor(0x808000);
        glyph.SetTransparent(true);
        PrintButton->SetGlyph(&glyph);
    }
}

TiPlotComponent *TiPlotPreviewForm::Plot() const
{
    return dynamic_cast<TiPlotComponent *>(iComponent);
}

void TiPlotPreviewForm::DoTranslation()
{
    if (TiPlotComponent *plot = Plot())
        plot->Master()->TranslateForm(this);
}

// ---- Painting ----------------------------------------------------------------------------------

void TiPlotPreviewForm::PreviewPaint(TObject *)
{
    TiPlotComponent *plot = Plot();
    auto bitmap = std::make_unique<TBitmap>(Preview->Width(), Preview->Height());
    TCanvas *canvas = bitmap->Canvas();
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(canvas->ClipRect());
    if (!plot) {
        Preview->Canvas()->Draw(0, 0, bitmap.get());
        return;
    }
    // The first toolbar never shows on paper.
    TiPlotToolBar *toolBar = plot->ToolBarCount() > 0 ? plot->GetToolBar(0) : nullptr;
    const bool toolBarVisible = toolBar && toolBar->Visible();
    if (toolBar)
        toolBar->SetVisible(false);
    const TiScopeExit restore([toolBar, toolBarVisible] {
        if (toolBar)
            toolBar->SetVisible(toolBarVisible);
    });
    if (plot->OnBeforePrint)
        plot->OnBeforePrint(this);
    DrawPreviewPage(canvas);
    Preview->Canvas()->Draw(0, 0, bitmap.get());
    if (toolBar)
        toolBar->SetVisible(toolBarVisible);
    if (plot->OnAfterPrint)
        plot->OnAfterPrint(this);
}

void TiPlotPreviewForm::DrawPreviewPage(TCanvas *Canvas)
{
    TiPlotComponent *plot = Plot();
    const std::uint16_t paper = PrintSize >= 0 && PrintSize < static_cast<int>(std::size(PaperNumbers))
                                    ? PaperNumbers[PrintSize]
                                    : DMPAPER_LETTER;
    double paperWidth = 0, paperHeight = 0;
    iGetPaperSize(paper, paperWidth, paperHeight);
    if (PrintOrientation == poLandscape)
        std::swap(paperWidth, paperHeight);

    const int previewWidth = Preview->Width();
    const int previewHeight = Preview->Height();
    const int w = previewWidth - 20;
    const int h = previewHeight - 20;
    int pageWidth = 0, pageHeight = 0;
    if (static_cast<double>(h) / paperHeight > w / paperWidth) {
        pageWidth = w;
        pageHeight = static_cast<int>(Round(w / paperWidth * paperHeight));
    } else {
        pageHeight = h;
        pageWidth = static_cast<int>(Round(h / paperHeight * paperWidth));
    }
    const int p = static_cast<int>(Round(pageWidth / paperWidth));
    const int printableWidth =
        pageWidth - static_cast<int>(Round((plot->PrintMarginLeft() + plot->PrintMarginRight()) * p));
    const int printableHeight =
        pageHeight - static_cast<int>(Round((plot->PrintMarginTop() + plot->PrintMarginBottom()) * p));

    Canvas->Pen()->SetColor(clBlack);
    Canvas->Pen()->SetWidth(1);
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(clBtnFace);
    Canvas->FillRect(TRect(0, 0, previewWidth, previewHeight));

    PageRect = TRect(previewWidth / 2 - pageWidth / 2 - 5, previewHeight / 2 - pageHeight / 2 - 5,
                     previewWidth / 2 + pageWidth / 2 - 5, previewHeight / 2 + pageHeight / 2 - 5);
    TRect shadow = PageRect;
    shadow.Offset(7, 7);
    Canvas->Brush()->SetColor(clBlack);
    Canvas->Rectangle(shadow);
    Canvas->Brush()->SetColor(clWhite);
    Canvas->Rectangle(PageRect);

    TPicture *picture = plot->GetSnapShotPicture();
    TGraphic *metafile = picture->Graphic();
    const double pictureWidth = std::max(metafile->Width(), 1);
    const double pictureHeight = std::max(metafile->Height(), 1);
    const double rW = printableWidth / pictureWidth;
    const double rH = printableHeight / pictureHeight;
    if (rW >= rH) {
        metafile->SetHeight(printableHeight);
        metafile->SetWidth(static_cast<int>(Round(pictureWidth * rH)));
    } else {
        metafile->SetWidth(printableWidth);
        metafile->SetHeight(static_cast<int>(Round(pictureHeight * rW)));
    }
    const int left = PageRect.Left + static_cast<int>(Round(p * plot->PrintMarginLeft()));
    const int top = PageRect.Top + static_cast<int>(Round(p * plot->PrintMarginTop()));
    // A page smaller than the plot shows the plot drawn at its own size and shrunk smoothly, so
    // that its lines and letters keep their shapes; a larger one draws it anew at the page's size.
    const auto *snapshot = dynamic_cast<TMetafile *>(metafile);
    if (snapshot && snapshot->Drawing() && snapshot->Width() > 0 && snapshot->Height() > 0 &&
        snapshot->Width() < snapshot->Drawing()->Width()) {
        const TDrawing &drawing = *snapshot->Drawing();
        const TRect frame(0, 0, drawing.Width(), drawing.Height());
        TBitmap full(frame.Width(), frame.Height());
        full.Canvas()->FillRect(frame, clWhite);
        PlayDrawing(drawing, full.Canvas(), frame);
        const QImage small =
            full.Image().scaled(snapshot->Width(), snapshot->Height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        Canvas->DrawImage(Bounds(left, top, small.width(), small.height()), small,
                          TRect(0, 0, small.width(), small.height()));
        return;
    }
    Canvas->Draw(left, top, metafile);
}

// ---- Buttons -----------------------------------------------------------------------------------

void TiPlotPreviewForm::PrintButtonClick(TObject *)
{
    if (TiPlotComponent *plot = Plot())
        plot->PrintChart();
    Preview->Invalidate();
}

void TiPlotPreviewForm::CloseButtonClick(TObject *)
{
    SetModalResult(mrOk);
}

void TiPlotPreviewForm::SettingsButtonClick(TObject *)
{
    auto settings = std::make_unique<TiPlotPreviewSettingsForm>(nullptr);
    settings->PrintMarginLeftEdit->SetAsFloat(PrintMarginLeft);
    settings->PrintMarginTopEdit->SetAsFloat(PrintMarginTop);
    settings->PrintMarginRightEdit->SetAsFloat(PrintMarginRight);
    settings->PrintMarginBottomEdit->SetAsFloat(PrintMarginBottom);
    settings->PrintOrientationRadioGroup->SetAsInteger(PrintOrientation);
    settings->PrintDocumentNameEdit->SetAsString(PrintDocumentName);
    settings->PrintPaperSizeComboBox->SetAsInteger(PrintSize);
    TiPlotComponent *plot = Plot();
    if (plot)
        plot->Master()->TranslateForm(settings.get());
    if (settings->ShowModal() != mrOk)
        return;
    PrintMarginLeft = settings->PrintMarginLeftEdit->AsFloat();
    PrintMarginTop = settings->PrintMarginTopEdit->AsFloat();
    PrintMarginRight = settings->PrintMarginRightEdit->AsFloat();
    PrintMarginBottom = settings->PrintMarginBottomEdit->AsFloat();
    PrintOrientation = settings->PrintOrientationRadioGroup->AsInteger() == 1 ? poLandscape : poPortrait;
    PrintDocumentName = settings->PrintDocumentNameEdit->AsString();
    PrintSize = settings->PrintPaperSizeComboBox->AsInteger();
    if (plot) {
        plot->SetPrintMarginLeft(PrintMarginLeft);
        plot->SetPrintMarginTop(PrintMarginTop);
        plot->SetPrintMarginRight(PrintMarginRight);
        plot->SetPrintMarginBottom(PrintMarginBottom);
        plot->SetPrintOrientation(PrintOrientation);
        plot->SetPrintDocumentName(PrintDocumentName);
    }
    SetCaption(PrintDocumentName + QStringLiteral(" (Preview)"));
    Preview->Invalidate();
}
