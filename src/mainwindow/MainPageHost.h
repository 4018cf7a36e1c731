#pragma once
// The main window as the channel pages see it: the main form whose controls they look up, the
// session's device model, controls-updating flag, language and send path, and the dialogs they
// open. TfmMain holds one and hands it to its ChannelPages; it keeps no state of its own.
//
// The curve models exist from the main window's start-up on; a page asking for one before that
// (an event fired while the form is read) gets a model without a plot, which draws nothing.
// The dialog calls do nothing while their dialog does not exist yet. GUI thread.

#include "pages/PageHost.h"

#include <memory>

class TfmMain;

class MainPageHost final : public PageHost {
public:
    explicit MainPageHost(TfmMain &form);
    ~MainPageHost() override;
    MainPageHost(const MainPageHost &) = delete;
    MainPageHost &operator=(const MainPageHost &) = delete;

    TComponent &PageForm() override;
    LUnitControl &UnitControl() override;
    Plot &GetPlot(int index) override;

    bool IsControlsUpdating() const override;
    void SetControlsUpdating(bool value) override;
    QString GetLangText(const QString &key) const override;

    bool IsConnected() const override;
    int GetDeviceId() const override;
    void SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed) override;
    void SetReloadSent() override;
    void SetSerialExtraWrites(int count) override;
    void StopLevelPoll() override;

    int ExtraHeight() const override;
    int CurrentPreset() const override;
    bool IsInitializing() const override;
    int SelectedCompChannel() const override;
    void SetSelectedCompChannel(int channel) override;

    void ShowChannelNameDialog(int channel, const std::string &name) override;
    void ShowPeqResetBox(int channel) override;
    void ShowCopyDialog() override;
    bool HasLinkDialog() const override;
    void ShowLinkMask(int channel, int mask) override;
    void ApplyLinkGroupHeads() override;
    void ApplyLinkMemberCaptions() override;
    void ShowTestToneChoice(int mode, int sineIndex) override;

private:
    TfmMain &form_;
    // What GetPlot answers before start-up has made the curve models.
    std::unique_ptr<Plot> detached_;
};
