// The main window as the device session sees it (SessionView) and as the dialogs see it
// (DialogHost): its controls by name, the dialogs the session shows, and the session behind both.

#include "mainwindow/FMain.h"

#include "device/ParameterImage.h"
#include "dialogs/DialogTexts.h"
#include "dialogs/FHidData.h"
#include "dialogs/FInformation.h"
#include "dialogs/FLockPassWord.h"
#include "dialogs/FNetworkSetup.h"
#include "dialogs/FProcess.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStorePreset.h"
#include "mainwindow/DeviceSession.h"
#include "mainwindow/FNetWorkScan.h"
#include "platform/os/CodePage.h"
#include "platform/runtime/TypInfo.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/StatusBar.h"
#include "widgets/graphics/AdvProgressBar.h"
#include "widgets/skinned/RzBmpBtn.h"

namespace {

// A published property of the component of that name; nullptr when there is none.
TComponent *WithProperty(const TComponent *owner, const QString &name, const QString &property)
{
    TComponent *component = owner->FindComponent(name);
    return component && IsPublishedProp(component, property) ? component : nullptr;
}

const QString CaptionProperty = QStringLiteral("Caption");
const QString EnabledProperty = QStringLiteral("Enabled");
const QString DownProperty = QStringLiteral("Down");
const QString PositionProperty = QStringLiteral("Position");

}  // namespace

// --- SessionView: the main window --------------------------------------------------------------------

void TfmMain::SetCaption(const QString &text)
{
    TForm::SetCaption(text);
}

void TfmMain::SetControlText(const QString &name, const QString &text)
{
    if (TComponent *control = WithProperty(this, name, CaptionProperty))
        SetStrProp(control, CaptionProperty, text);
}

QString TfmMain::ControlText(const QString &name) const
{
    const TComponent *control = WithProperty(this, name, CaptionProperty);
    return control ? GetStrProp(control, CaptionProperty) : QString();
}

void TfmMain::SetControlEnabled(const QString &name, bool enabled)
{
    if (TComponent *control = WithProperty(this, name, EnabledProperty))
        SetOrdProp(control, EnabledProperty, enabled ? 1 : 0);
}

void TfmMain::SetButtonDown(const QString &name, bool down)
{
    if (TComponent *button = WithProperty(this, name, DownProperty))
        SetOrdProp(button, DownProperty, down ? 1 : 0);
}

void TfmMain::SetMainEnabled(bool enabled)
{
    SetEnabled(enabled);
}

void TfmMain::FocusMain()
{
    BringToForeground();
    if (CanFocus())
        SetFocus();
}

bool TfmMain::IsMainVisible() const
{
    return Visible();
}

bool TfmMain::SetMeterPosition(const QString &name, int position)
{
    TComponent *meter = WithProperty(this, name, PositionProperty);
    if (!meter)
        return false;
    SetOrdProp(meter, PositionProperty, position);
    return true;
}

std::optional<int> TfmMain::SliderPosition(const QString &name) const
{
    const TComponent *slider = WithProperty(this, name, PositionProperty);
    if (!slider)
        return std::nullopt;
    return static_cast<int>(GetOrdProp(slider, PositionProperty));
}

void TfmMain::RefreshFromModel()
{
    pages_.RefreshFromModel();
}

void TfmMain::ResetEqDisplay()
{
    pages_.ResetEqDisplay();
}

void TfmMain::MarkCurveChanged(int channel)
{
    pages_.MarkCurveChanged(channel);
}

// --- SessionView: preset lists and traffic monitor ---------------------------------------------------

void TfmMain::SetStorePresetRowName(int row, const std::string &name)
{
    if (fmStorePreset)
        fmStorePreset->SetRowName(row, name);
}

void TfmMain::SetRecallPresetRowName(int row, const std::string &name)
{
    if (fmRecallPreset)
        fmRecallPreset->SetRowName(row, name);
}

bool TfmMain::IsTrafficVisible() const
{
    return fmHidData && fmHidData->Visible();
}

void TfmMain::AddTrafficLine(const QString &line)
{
    if (!fmHidData)
        return;
    TListBox *list = fmHidData->hbHidData;
    list->SetItemIndex(list->Items()->Add(line));
}

// --- SessionView: progress window ----------------------------------------------------------------------

void TfmMain::SetProgressStatus(const QString &text)
{
    if (fmProcess)
        fmProcess->StatusBar->SetSimpleText(text);
}

void TfmMain::SetProgressMax(int max)
{
    if (fmProcess)
        fmProcess->ProgressBar->SetMax(max);
}

int TfmMain::ProgressMax() const
{
    return fmProcess ? fmProcess->ProgressBar->Max() : 0;
}

void TfmMain::SetProgressPosition(int position)
{
    if (fmProcess)
        fmProcess->ProgressBar->SetPosition(position);
}

int TfmMain::ProgressPosition() const
{
    return fmProcess ? fmProcess->ProgressBar->Position() : 0;
}

void TfmMain::ShowProgressModal()
{
    // A progress window just closed may still be in its modal loop (its timers and replies run
    // before the loop sees it closed): showing it modally again then would throw.
    if (fmProcess && !fmProcess->Visible() && !fmProcess->FormState().Contains(fsModal))
        fmProcess->ShowModal();
}

void TfmMain::ShowProgress()
{
    if (fmProcess)
        fmProcess->Show();
}

void TfmMain::CloseProgress()
{
    if (!fmProcess)
        return;
    // Shown modally, it would stay on screen until every loop opened above it (a scan dialog
    // after a lost link) has ended.
    fmProcess->Close();
    fmProcess->Hide();
}

bool TfmMain::IsProgressVisible() const
{
    return fmProcess && fmProcess->Visible();
}

// --- SessionView: information box, unlock and address dialogs ------------------------------------------

void TfmMain::ShowInformation(const QString &message)
{
    if (!fmInformation)
        return;
    fmInformation->lbMessage->SetCaption(message);
    ShowDialogModal(fmInformation);
}

void TfmMain::ShowUnlockDialog()
{
    ShowDialogModal(fmLockPassWord);
}

void TfmMain::SetPasswordResult(std::uint8_t verdict)
{
    if (fmLockPassWord)
        fmLockPassWord->SetPasswordResult(verdict);
}

void TfmMain::ShowNetworkSetup()
{
    if (!fmNetworkSetup)
        return;
    if (fmNetworkSetup->Visible())
        fmNetworkSetup->Close();
    // Shown modally under the scan dialog, it closes only once the loops above it end: it is not
    // opened a second time over itself.
    if (!fmNetworkSetup->Visible())
        NetworkSetupClick(this);
}

// --- SessionView: connection scan dialog ----------------------------------------------------------------

void TfmMain::SetConnectResult(std::uint8_t result)
{
    if (fmNetwork)
        fmNetwork->SetConnectResult(result);
}

bool TfmMain::GetConnectResult() const
{
    return fmNetwork && fmNetwork->GetConnectResult();
}

void TfmMain::OnLinkBroken()
{
    if (fmNetwork)
        fmNetwork->OnLinkBroken();
}

void TfmMain::ClickRescan()
{
    if (fmNetwork)
        fmNetwork->btnOK->Click();
}

void TfmMain::SetScanPosition(int position)
{
    if (fmNetwork)
        fmNetwork->pbScan->SetPosition(position);
}

void TfmMain::SetNetworkStatus(const QString &text)
{
    if (fmNetwork)
        fmNetwork->ShowNetworkStatus(text);
}

void TfmMain::HideScan()
{
    if (!fmNetwork)
        return;
    // Out of sight at once, and its modal loop ends as soon as the handlers above it return: a
    // hidden dialog must not hold the program in a loop that no one can see or end.
    fmNetwork->Close();
    fmNetwork->Hide();
}

void TfmMain::ShowScanModal()
{
    ShowDialogModal(fmNetwork);
}

bool TfmMain::IsScanVisible() const
{
    return fmNetwork && fmNetwork->Visible();
}

// --- DialogHost ---------------------------------------------------------------------------------------

std::string TfmMain::WideToAnsi(const QString &text) const
{
    return os::UnicodeToAnsi(text.toStdU16String());
}

int TfmMain::GetDeviceId() const
{
    return session_->GetDeviceId();
}

bool TfmMain::IsControlsUpdating() const
{
    return session_->IsControlsUpdating();
}

void TfmMain::SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed)
{
    session_->SendCommand(command, keepDuplicates, framed);
}

bool TfmMain::IsCommandWaiting(std::uint8_t command) const
{
    return session_->IsCommandWaiting(command);
}

void TfmMain::SetCloseAllowed(std::uint8_t value)
{
    session_->SetCloseAllowed(value);
}

void TfmMain::CloseMainWindow()
{
    Close();
}

bool TfmMain::IsConnected() const
{
    return session_->IsConnected();
}

void TfmMain::DisconnectLink()
{
    session_->DisconnectLink();
}

void TfmMain::SetDeviceId(int id)
{
    session_->SetDeviceId(id);
}

std::uint32_t TfmMain::GetIpAddress() const
{
    return session_->GetIpAddress();
}

void TfmMain::SetIpAddress(std::uint32_t address)
{
    session_->SetIpAddress(address);
}

void TfmMain::SetAutoIpSetting(int value)
{
    session_->SetAutoIpSetting(value);
}

void TfmMain::SetClientAddress(const std::string &dotted)
{
    net::ClientSocket &socket = session_->ClientSocket();
    socket.SetActive(false);
    socket.SetAddress(dotted);
    socket.SetActive(true);
}

void TfmMain::StorePreset(int index, const std::string &name)
{
    session_->StorePreset(index, name);
}

void TfmMain::RecallPreset(int index)
{
    session_->RecallPreset(index);
}

void TfmMain::SetStepValue(int value)
{
    session_->SetStepValue(value);
}

void TfmMain::StartFactoryReset()
{
    session_->StartFactoryReset();
}

void TfmMain::SendPeqReset(int channel)
{
    pages_.SendPeqReset(channel);
}

// --- Channels ----------------------------------------------------------------------------------------

std::string TfmMain::GetChannelName(int channel) const
{
    const std::uint8_t *name = pages_.GetChannelName(channel);
    if (!name)
        return std::string(ChannelNameSize, '\0');
    return std::string(reinterpret_cast<const char *>(name), ChannelNameSize);
}

void TfmMain::SetChannelName(int channel, const std::string &name)
{
    pages_.SetChannelName(channel, name);
}

void TfmMain::CopyChannel(int source, int destination, bool refresh)
{
    pages_.CopyChannel(source, destination, refresh);
}

int TfmMain::GetChannelLinkMask(int channel) const
{
    return session_->GetChannelLinkMask(channel);
}

void TfmMain::SetChannelLink(int channel, int mask)
{
    pages_.SetChannelLink(channel, mask);
}

void TfmMain::SetChannelButtonCaption(int head, int channel)
{
    pages_.SetChannelButtonCaption(head, channel);
}

void TfmMain::SetOverlayButtonsVisible(int channel, bool visible)
{
    pages_.SetOverlayButtonsVisible(channel, visible);
}

void TfmMain::ReloadAllParameters()
{
    pages_.ReloadAllParameters();
}

void TfmMain::ShowGainPage()
{
    // The page buttons' click switches the page.
    rzbMenuGain->Click();
    rzbMenuGain->SetDown(true);
}
