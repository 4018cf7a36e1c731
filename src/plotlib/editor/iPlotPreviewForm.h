#pragma once
// TiPlotPreviewForm: how a plot will come out on paper: a white page with a drop shadow, scaled
// to the window, with the plot's picture inside the print margins. The plot's PreviewChart fills
// it in and shows it modally; its buttons print, open the settings (TiPlotPreviewSettingsForm:
// margins, orientation, document name, paper) and close it. Margins, orientation and document
// name chosen in the settings go to the plot; the paper stays with this form (letter at first).
// Each repaint of the page raises the plot's OnBeforePrint and OnAfterPrint with the form as
// sender and draws the plot without its first toolbar. The looks are the form definitions
// TiPlotPreviewForm and TiPlotPreviewSettingsForm. GUI thread.

#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Printers.h"
#include "platform/ui/SpeedButton.h"
#include "plotlib/editor/iEditorBasicComponents.h"

class TiComponent;
class TiPlotComponent;

class TiPlotPreviewSettingsForm : public TForm {
    T_DECLARE_CLASS(TiPlotPreviewSettingsForm, TForm)
    explicit TiPlotPreviewSettingsForm(TComponent *AOwner);

    TiComponentEditorEdit *PrintMarginTopEdit = nullptr;
    TiComponentEditorEdit *PrintMarginLeftEdit = nullptr;
    TiComponentEditorEdit *PrintMarginRightEdit = nullptr;
    TiComponentEditorEdit *PrintMarginBottomEdit = nullptr;
    TiComponentEditorRadioGroup *PrintOrientationRadioGroup = nullptr;
    TiComponentEditorEdit *PrintDocumentNameEdit = nullptr;
    TiComponentEditorComboBox *PrintPaperSizeComboBox = nullptr;
    TButton *Button1 = nullptr;
    TButton *Button2 = nullptr;
};

class TiPlotPreviewForm : public TForm {
    T_DECLARE_CLASS(TiPlotPreviewForm, TForm)
    explicit TiPlotPreviewForm(TComponent *AOwner);

    // The plot previewed (a TiPlotComponent), not owned.
    TiComponent *iComponent = nullptr;
    double PrintMarginLeft = 0;
    double PrintMarginTop = 0;
    double PrintMarginRight = 0;
    double PrintMarginBottom = 0;
    TPrinterOrientation PrintOrientation = poPortrait;
    QString PrintDocumentName;
    // 0 "Letter", 1 "Legal", 2 "A3", 3 "A4", 4 "A5".
    int PrintSize = 0;
    // The page as the last paint placed it on Preview (the shadow left out).
    TRect PageRect;

    // The plot's master manager translates the form's texts.
    void DoTranslation();

    // ---- Handlers (bound by the form definition) ----
    void PreviewPaint(TObject *Sender);
    void PrintButtonClick(TObject *Sender);
    void SettingsButtonClick(TObject *Sender);
    void CloseButtonClick(TObject *Sender);

    // ---- Components (set by the form reader) ----
    TPanel *Panel1 = nullptr;
    TSpeedButton *PrintButton = nullptr;
    TButton *SettingsButton = nullptr;
    TButton *CloseButton = nullptr;
    TiPaintBox *Preview = nullptr;

private:
    TiPlotComponent *Plot() const;
    void DrawPreviewPage(TCanvas *Canvas);
};
