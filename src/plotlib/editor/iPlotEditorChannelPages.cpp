// The plot editor's "Channels" page: the channel's settings (those of strip chart channels only on
// a strip chart), its files and log, and its statistics.

#include "plotlib/editor/iPlotEditor.h"

#include "platform/runtime/SysUtils.h"
#include "plotlib/channels/iPlotChannel.h"
#include "plotlib/channels/iXYPlotChannel.h"
#include "plotlib/plot/iPlotComponent.h"

namespace {

// The statistics displays in the order they are filled.
constexpr const char *StatsDisplays[] = {
    "ChannelStatsPointCountDisplay",    "ChannelStatsPointCapacityDisplay", "ChannelStatsMemoryDisplay",
    "ChannelStatsDataPointSizeDisplay", "ChannelStatsMaxDataPointsDisplay", "ChannelStatsXMinDisplay",
    "ChannelStatsXMaxDisplay",          "ChannelStatsXMeanDisplay",         "ChannelStatsYMinDisplay",
    "ChannelStatsYMaxDisplay",          "ChannelStatsYMeanDisplay"};

// The controls of a strip chart channel that are not on a tab of their own.
constexpr const char *StripControls[] = {"ChannelFastDrawCheckBox", "ChannelInterpolationStyleComboBox",
                                         "ChannelInterpolationStyleComboBoxLabel"};

// A value as the axis labels it, or in the framework's float text without an axis.
QString AxisText(TiPlotAxis *Axis, double Value)
{
    return Axis ? Axis->GetLabelText(Value) : FloatToStr(Value);
}

}  // namespace

TiPlotChannelCustom *TiPlotEditorForm::SelectedChannel() const
{
    return dynamic_cast<TiPlotChannelCustom *>(Selected(ChannelListBox));
}

void TiPlotEditorForm::UpdateChannelEdit()
{
    XAxisNameComboBoxDropDown(Control<TiComponentEditorComboBox>(QStringLiteral("ChannelXAxisNameComboBox")));
    YAxisNameComboBoxDropDown(Control<TiComponentEditorComboBox>(QStringLiteral("ChannelYAxisNameComboBox")));
    // The strip chart's settings show unless the plot makes XY channels, with or without a channel.
    const bool strip = !Master || Master->ChannelClass().ClassInfo != &TiXYPlotChannel::StaticClass();
    for (const char *name : iChannelStripTabs)
        if (auto *sheet = Control<TTabSheet>(QString::fromLatin1(name)))
            sheet->SetTabVisible(strip);
    for (const char *name : StripControls)
        if (auto *control = Control<TControl>(QString::fromLatin1(name)))
            control->SetVisible(strip);

    TiPlotChannelCustom *channel = dynamic_cast<TiPlotChannelCustom *>(EnablePage(iChannelPageTable, ChannelListBox));
    if (!channel)
        return;
    LoadRows(iChannelPageTable.Rows, channel);
    // Other channel classes keep what these controls showed.
    if (dynamic_cast<TiPlotChannel *>(channel))
        LoadRows(iChannelStripRows, channel);
    SetLogControls(QStringLiteral("Channel"), channel->LoggingActive());
    ChannelListBox->Invalidate();
}

void TiPlotEditorForm::ChannelChange(TObject *)
{
    TiPlotChannelCustom *channel = SelectedChannel();
    if (!channel)
        return;
    StoreRows(iChannelPageTable.Rows, channel);
    if (auto *picker = Control<TiComponentEditorSavePicker>(QStringLiteral("ChannelLogFileNamePicker")))
        picker->SetFileName(channel->LogFileName());
    if (dynamic_cast<TiPlotChannel *>(channel))
        StoreRows(iChannelStripRows, channel);
    UpdateAll();
}

void TiPlotEditorForm::SetLogControls(const QString &Prefix, bool LoggingActive)
{
    // The file name keeps its text while logging: storing the page writes it back unchanged.
    if (auto *edit = Control<TiComponentEditorEdit>(Prefix + QStringLiteral("LogFileNameEdit"))) {
        if (LoggingActive)
            edit->DisableNoClear();
        else
            edit->Enable();
    }
    if (auto *picker = Control<TControl>(Prefix + QStringLiteral("LogFileNamePicker")))
        picker->SetEnabled(!LoggingActive);
    if (auto *activate = Control<TControl>(Prefix + QStringLiteral("LogActivateButton")))
        activate->SetEnabled(!LoggingActive);
    if (auto *deactivate = Control<TControl>(Prefix + QStringLiteral("LogDeactivateButton")))
        deactivate->SetEnabled(LoggingActive);
}

// ---- Statistics ---------------------------------------------------------------------------------

void TiPlotEditorForm::ResetChannelStats()
{
    const QString text = SelectedChannel() ? Translated(QStringLiteral("Click Refresh")) : QString();
    for (const char *name : StatsDisplays)
        if (auto *display = Control<TLabel>(QString::fromLatin1(name)))
            display->SetCaption(text);
}

void TiPlotEditorForm::RefreshChannelStats()
{
    TiPlotChannelCustom *channel = SelectedChannel();
    if (!channel) {
        ResetChannelStats();
        return;
    }
    const QString bytes = QStringLiteral(" Bytes");
    channel->ReCalcRunningMinMaxMean();
    const QString texts[] = {
        QString::number(channel->Count()),
        QString::number(channel->Capacity()),
        QString::number(channel->MemoryUsed()) + bytes,
        QString::number(channel->DataPointSize()) + bytes,
        QString::number(channel->MaxDataPoints()),
        AxisText(channel->XAxis(), channel->RunningXMin()),
        AxisText(channel->XAxis(), channel->RunningXMax()),
        AxisText(channel->XAxis(), channel->RunningXMean()),
        AxisText(channel->YAxis(), channel->RunningYMin()),
        AxisText(channel->YAxis(), channel->RunningYMax()),
        AxisText(channel->YAxis(), channel->RunningYMean()),
    };
    for (std::size_t i = 0; i < std::size(StatsDisplays); ++i)
        if (auto *display = Control<TLabel>(QString::fromLatin1(StatsDisplays[i])))
            display->SetCaption(texts[i]);
}

void TiPlotEditorForm::ChannelStatsRefreshButtonClick(TObject *)
{
    RefreshChannelStats();
}

// ---- Files and log (failures reach the framework's exception handler) ---------------------------

void TiPlotEditorForm::ChannelPropertiesOpenPickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorOpenPicker *>(Sender);
    TiPlotChannelCustom *channel = SelectedChannel();
    if (!picker || !channel)
        return;
    channel->LoadPropertiesFromFile(picker->FileName());
    ChannelListBox->Invalidate();
}

void TiPlotEditorForm::ChannelPropertiesSavePickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorSavePicker *>(Sender);
    if (TiPlotChannelCustom *channel = SelectedChannel(); picker && channel)
        channel->SavePropertiesToFile(picker->FileName());
}

void TiPlotEditorForm::ChannelDataOpenPickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorOpenPicker *>(Sender);
    if (TiPlotChannelCustom *channel = SelectedChannel(); picker && channel)
        channel->LoadDataFromFile(picker->FileName(), true);
}

void TiPlotEditorForm::ChannelDataSavePickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorSavePicker *>(Sender);
    if (TiPlotChannelCustom *channel = SelectedChannel(); picker && channel)
        channel->SaveDataToFile(picker->FileName());
}

void TiPlotEditorForm::ChannelLogFileNamePickerChange(TObject *Sender)
{
    auto *picker = dynamic_cast<TiComponentEditorSavePicker *>(Sender);
    auto *edit = Control<TiComponentEditorEdit>(QStringLiteral("ChannelLogFileNameEdit"));
    if (!picker || !edit)
        return;
    edit->SetAsString(picker->FileName());
    ChannelChange(Sender);
}

void TiPlotEditorForm::ChannelLogActivateButtonClick(TObject *)
{
    if (TiPlotChannelCustom *channel = SelectedChannel()) {
        channel->LogActivate(false);
        UpdateChannelEdit();
    }
}

void TiPlotEditorForm::ChannelLogDeactivateButtonClick(TObject *)
{
    if (TiPlotChannelCustom *channel = SelectedChannel()) {
        channel->LogDeactivate();
        UpdateChannelEdit();
    }
}
