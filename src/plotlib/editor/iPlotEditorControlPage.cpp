// The plot editor's "Control" page: the plot's own settings, its title (label 0), and the
// plot-level file and log commands.

#include "plotlib/editor/iPlotEditor.h"

#include "plotlib/plot/iPlotComponent.h"

namespace {

// The plot's annotation files, for a plot class that has them (the annotation file operations).
template <class Plot>
void LoadAnnotations(Plot *plot, const QString &FileName)
{
    if constexpr (requires { plot->LoadAnnotationsFromFile(FileName); })
        plot->LoadAnnotationsFromFile(FileName);
}

template <class Plot>
void SaveAnnotations(Plot *plot, const QString &FileName)
{
    if constexpr (requires { plot->SaveAnnotationsToFile(FileName); })
        plot->SaveAnnotationsToFile(FileName);
}

}  // namespace

void TiPlotEditorForm::GeneralChanged(TObject *)
{
    if (Master)
        Master->BasicPropertyChanged();
    auto *edit = Control<TiComponentEditorEdit>(QStringLiteral("ControlLogFileNameEdit"));
    auto *picker = Control<TiComponentEditorSavePicker>(QStringLiteral("ControlLogFileNamePicker"));
    if (edit && picker)
        picker->SetFileName(edit->AsString());
}

void TiPlotEditorForm::TitleChange(TObject *)
{
    TiPlotLabelManager *labels = Master ? Master->LabelManager() : nullptr;
    if (!labels || labels->Count() == 0)
        return;
    StoreRows(iTitleLabelRows, labels->Items(0));
    UpdateLabelEdit();
    LabelListBox->Invalidate();
}

void TiPlotEditorForm::UpdateControlLogControls()
{
    if (TiPlotComponent *plot = Plot())
        SetLogControls(QStringLiteral("Control"), plot->LoggingActive());
}

// ---- Files and log (failures reach the framework's exception handler) ---------------------------

void TiPlotEditorForm::ControlPropertiesOpenPickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorOpenPicker *>(Sender);
    TiPlotComponent *plot = Plot();
    if (!picker || !plot)
        return;
    plot->LoadPropertiesFromFile(picker->FileName());
    UpdateAll();
}

void TiPlotEditorForm::ControlPropertiesSavePickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorSavePicker *>(Sender);
    if (TiPlotComponent *plot = Plot(); picker && plot)
        plot->SavePropertiesToFile(picker->FileName());
}

void TiPlotEditorForm::ControlDataOpenPickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorOpenPicker *>(Sender);
    TiPlotComponent *plot = Plot();
    if (!picker || !plot)
        return;
    plot->ClearAllData();
    plot->LoadDataFromFile(picker->FileName());
}

void TiPlotEditorForm::ControlDataSavePickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorSavePicker *>(Sender);
    if (TiPlotComponent *plot = Plot(); picker && plot)
        plot->SaveDataToFile(picker->FileName());
}

void TiPlotEditorForm::ControlAnnotationOpenPickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorOpenPicker *>(Sender);
    if (TiPlotComponent *plot = Plot(); picker && plot)
        LoadAnnotations(plot, picker->FileName());
}

void TiPlotEditorForm::ControlAnnotationSavePickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorSavePicker *>(Sender);
    if (TiPlotComponent *plot = Plot(); picker && plot)
        SaveAnnotations(plot, picker->FileName());
}

void TiPlotEditorForm::ControlLogFileNamePickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorSavePicker *>(Sender);
    auto *edit = Control<TiComponentEditorEdit>(QStringLiteral("ControlLogFileNameEdit"));
    if (!picker || !edit)
        return;
    edit->SetAsString(picker->FileName());
    if (Master)
        Master->BasicPropertyChanged();
}

void TiPlotEditorForm::ControlLogActivateButtonClick(TObject *)
{
    if (TiPlotComponent *plot = Plot()) {
        plot->LogActivate(false);
        if (Master)
            Master->BasicPropertyChanged();
    }
}

void TiPlotEditorForm::ControlLogDeactivateButtonClick(TObject *)
{
    if (TiPlotComponent *plot = Plot()) {
        plot->LogDeactivate();
        if (Master)
            Master->BasicPropertyChanged();
    }
}
