#pragma once
// A form that hosts one page of the channel pages for the tests, as the main window hosts all of
// them: it holds the device model and the ChannelPages, binds the pages' handlers by name, and
// reads one of the one-page definitions under tests/pages/forms ("PageTestGain" ...). It is the
// model's host and the pages' host at once and records what they ask of the windows: every
// command handed to the send path, the dialogs opened. Texts come from the program's English
// language table.

#include "curves/Plot.h"
#include "device/DeviceHost.h"
#include "device/LCmd.h"
#include "device/LUnitControl.h"
#include "pages/ChannelPages.h"
#include "pages/PageHost.h"
#include "platform/ui/Forms.h"

#include <QStringList>

#include <array>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TfmPageTest : public TForm, public DeviceHost, public PageHost {
    T_DECLARE_CLASS(TfmPageTest, TForm)
    // Reads no definition; Load does.
    explicit TfmPageTest(TComponent *AOwner);
    ~TfmPageTest() override;

    // Reads the embedded definition of that name into the form.
    void Load(const QString &resourceName);

    struct SentCommand {
        LCmd Command;
        std::uint8_t KeepDuplicates;
        std::uint8_t Framed;
    };
    // The framed bytes of every command sent, and the commands themselves.
    std::vector<SentCommand> Sent;
    std::vector<BSTM> SentFrames() const;
    // Dialogs asked for: (channel, name) of the name dialog, channels of the PEQ-reset box.
    std::vector<std::pair<int, std::string>> NameDialogs;
    std::vector<int> PeqResetBoxes;
    int CopyDialogs = 0;
    // Extra writes granted to the serial transport.
    int SerialExtraWrites = 0;

    // The session and the window as the pages see them; what they asked of them.
    bool Connected = false;
    bool Initializing = false;
    int Preset = 0;
    int ReloadsSent = 0;
    int LevelPollStops = 0;
    // Steps in the order they were asked for: "reload", "stop poll", "send"...
    std::vector<std::string> SessionSteps;
    bool LinkDialog = false;
    std::vector<std::pair<int, int>> LinkMasksShown;
    int LinkGroupHeadsApplied = 0;
    std::vector<std::pair<int, int>> TestToneChoices;

    bool ControlsUpdating = false;
    int DeviceId = 1;
    int ExtraHeightValue = 0;
    int SelectedComp = 2;  // the Comp page's output

    LUnitControl Model{*this};
    std::array<std::unique_ptr<Plot>, 8> Plots;
    ChannelPages Pages{*this};

    // --- DeviceHost and PageHost ---------------------------------------------------------------
    int GetDeviceId() const override { return DeviceId; }
    bool IsControlsUpdating() const override { return ControlsUpdating; }
    void SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed) override;
    void MarkCurveChanged(int channel) override { Pages.MarkCurveChanged(channel); }
    void SetStorePresetRowName(int, const std::string &) override {}
    void SetRecallPresetRowName(int, const std::string &) override {}
    bool ExecuteSaveUnitDialog(std::string &) override { return false; }

    TComponent &PageForm() override { return *this; }
    LUnitControl &UnitControl() override { return Model; }
    Plot &GetPlot(int index) override { return *Plots.at(static_cast<std::size_t>(index)); }
    void SetControlsUpdating(bool value) override { ControlsUpdating = value; }
    QString GetLangText(const QString &key) const override;
    bool IsConnected() const override { return Connected; }
    void SetReloadSent() override
    {
        ++ReloadsSent;
        SessionSteps.emplace_back("reload");
    }
    void SetSerialExtraWrites(int count) override { SerialExtraWrites += count; }
    void StopLevelPoll() override
    {
        ++LevelPollStops;
        SessionSteps.emplace_back("stop poll");
    }
    int ExtraHeight() const override { return ExtraHeightValue; }
    int CurrentPreset() const override { return Preset; }
    bool IsInitializing() const override { return Initializing; }
    int SelectedCompChannel() const override { return SelectedComp; }
    void SetSelectedCompChannel(int channel) override { SelectedComp = channel; }
    void ShowChannelNameDialog(int channel, const std::string &name) override
    {
        NameDialogs.emplace_back(channel, name);
    }
    void ShowPeqResetBox(int channel) override { PeqResetBoxes.push_back(channel); }
    void ShowCopyDialog() override { ++CopyDialogs; }
    bool HasLinkDialog() const override { return LinkDialog; }
    void ShowLinkMask(int channel, int mask) override { LinkMasksShown.emplace_back(channel, mask); }
    void ApplyLinkGroupHeads() override { ++LinkGroupHeadsApplied; }
    void ApplyLinkMemberCaptions() override {}
    void ShowTestToneChoice(int mode, int sineIndex) override { TestToneChoices.emplace_back(mode, sineIndex); }

private:
    QStringList language_;
};
