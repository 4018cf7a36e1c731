#include "mainwindow/MainPageHost.h"

#include "curves/Plot.h"
#include "dialogs/FChannelName.h"
#include "dialogs/FCopy.h"
#include "dialogs/FLinkSel.h"
#include "dialogs/FPeqRst.h"
#include "dialogs/FTest.h"
#include "mainwindow/DeviceSession.h"
#include "mainwindow/FMain.h"

MainPageHost::MainPageHost(TfmMain &form) : form_(form), detached_(std::make_unique<Plot>(nullptr)) {}

MainPageHost::~MainPageHost() = default;

// --- Form and model ------------------------------------------------------------------------------------

TComponent &MainPageHost::PageForm()
{
    return form_;
}

LUnitControl &MainPageHost::UnitControl()
{
    return form_.Session().Model();
}

Plot &MainPageHost::GetPlot(int index)
{
    Plot *plot = form_.GetPlot(index);
    return plot ? *plot : *detached_;
}

// --- Flag and language ---------------------------------------------------------------------------------

bool MainPageHost::IsControlsUpdating() const
{
    return form_.Session().IsControlsUpdating();
}

void MainPageHost::SetControlsUpdating(bool value)
{
    form_.Session().SetControlsUpdating(value ? 1 : 0);
}

QString MainPageHost::GetLangText(const QString &key) const
{
    return form_.Session().GetLangText(key);
}

// --- Session -------------------------------------------------------------------------------------------

bool MainPageHost::IsConnected() const
{
    return form_.Session().IsConnected();
}

int MainPageHost::GetDeviceId() const
{
    return form_.Session().GetDeviceId();
}

void MainPageHost::SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed)
{
    form_.Session().SendCommand(command, keepDuplicates, framed);
}

void MainPageHost::SetReloadSent()
{
    form_.Session().ExpectReload();
}

void MainPageHost::SetSerialExtraWrites(int count)
{
    if (LCommProc *serial = form_.Session().CommTransport())
        serial->SetExtraWrites(static_cast<std::uint32_t>(count));
}

void MainPageHost::StopLevelPoll()
{
    form_.Session().StopLevelPoll();
}

// --- Main window state ---------------------------------------------------------------------------------

int MainPageHost::ExtraHeight() const
{
    return form_.GetExtraHeight();
}

int MainPageHost::CurrentPreset() const
{
    return form_.Session().GetCurrentPreset();
}

bool MainPageHost::IsInitializing() const
{
    return form_.GetInitializing() != 0;
}

int MainPageHost::SelectedCompChannel() const
{
    return form_.Session().GetSelectedCompChannel();
}

void MainPageHost::SetSelectedCompChannel(int channel)
{
    form_.Session().SetSelectedCompChannel(channel);
}

// --- Dialogs -------------------------------------------------------------------------------------------

void MainPageHost::ShowChannelNameDialog(int channel, const std::string &name)
{
    if (!fmChannelName)
        return;
    fmChannelName->SetChannel(channel);
    fmChannelName->SetNameText(name);
    TfmMain::ShowDialogModal(fmChannelName);
}

void MainPageHost::ShowPeqResetBox(int channel)
{
    if (!fmPeqRst)
        return;
    fmPeqRst->SetChannel(channel);
    TfmMain::ShowDialogModal(fmPeqRst);
}

void MainPageHost::ShowCopyDialog()
{
    TfmMain::ShowDialogModal(fmCopy);
}

bool MainPageHost::HasLinkDialog() const
{
    return fmLinkSel != nullptr;
}

void MainPageHost::ShowLinkMask(int channel, int mask)
{
    if (fmLinkSel)
        fmLinkSel->ShowLinkMask(channel, mask);
}

void MainPageHost::ApplyLinkGroupHeads()
{
    if (fmLinkSel)
        fmLinkSel->ApplyGroupHeads();
}

void MainPageHost::ApplyLinkMemberCaptions()
{
    if (fmLinkSel)
        fmLinkSel->ApplyMemberCaptions();
}

void MainPageHost::ShowTestToneChoice(int mode, int sineIndex)
{
    if (fmTest)
        fmTest->ShowSignal(mode, sineIndex);
}
