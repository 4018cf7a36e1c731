#pragma once
// What the channel pages need of the window that holds them: the main window implements it (and
// so does every test form that hosts a page). The pages never include the main window or the
// dialogs; everything they ask of either goes through here.
//
// The controls of the pages are components of the host's form, found by name (PageControls.h).
// The controls-updating flag is the host's own: the device model reads the same flag through
// DeviceHost, so a setter sends nothing while the pages set it. Everything is called on the GUI
// thread. The dialog calls do nothing while the dialog they reach does not exist (the main window
// creates its dialogs after itself).

#include <QString>

#include <cstdint>
#include <string>

class LCmd;
class LUnitControl;
class Plot;
class TComponent;

class PageHost {
public:
    virtual ~PageHost() = default;

    // --- Form and model --------------------------------------------------------------------------
    // The form whose components the pages look up by name.
    virtual TComponent &PageForm() = 0;
    // The one device model, alive as long as the host.
    virtual LUnitControl &UnitControl() = 0;
    // The eight curve models: 0 to 5 the channel plots, 6 the Gain page's input plot, 7 its output
    // plot.
    virtual Plot &GetPlot(int index) = 0;

    // --- Controls-updating flag ------------------------------------------------------------------
    // Set while code, not the user, changes controls: change handlers of sliders return at once and
    // the model's setters store without sending.
    virtual bool IsControlsUpdating() const = 0;
    virtual void SetControlsUpdating(bool value) = 0;

    // --- Language --------------------------------------------------------------------------------
    // The text of a key ("SID_PHASE_ON") in the current language.
    virtual QString GetLangText(const QString &key) const = 0;

    // --- Session ---------------------------------------------------------------------------------
    // The session with a processor is established.
    virtual bool IsConnected() const = 0;
    // The device ID; its low byte addresses every command.
    virtual int GetDeviceId() const = 0;
    // Frames the command and queues it on the open transport (dropped when none is open). With
    // keepDuplicates 0 a still-queued frame of the same command code is replaced.
    virtual void SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed) = 0;
    // The next acknowledgement of the processor starts a complete re-read (the session step
    // "reload sent").
    virtual void SetReloadSent() = 0;
    // Grants the serial transport extra writes on its next reply time-outs; nothing without one.
    virtual void SetSerialExtraWrites(int count) = 0;
    // Stops the 300 ms level poll.
    virtual void StopLevelPoll() = 0;

    // --- Main window state -----------------------------------------------------------------------
    // The client height beyond 720 pixels, kept by the main window's resize handler.
    virtual int ExtraHeight() const = 0;
    // 0 the factory preset F00, 1 to 31 the user presets U01 to U31.
    virtual int CurrentPreset() const = 0;
    // True while the main window's creation runs its first refresh.
    virtual bool IsInitializing() const = 0;
    // The output (2 to 5) the Comp page shows: its transfer curve and title, and the page's own
    // level meter and limiter lamp. The window keeps the one selection; Out 1 at start.
    virtual int SelectedCompChannel() const = 0;
    virtual void SetSelectedCompChannel(int channel) = 0;

    // --- Dialogs ---------------------------------------------------------------------------------
    // Opens the one-channel name dialog modally for the channel (0 to 5), showing `name` (8-bit
    // text of the device).
    virtual void ShowChannelNameDialog(int channel, const std::string &name) = 0;
    // Opens the PEQ-reset confirmation modally for the channel; its OK resets the equaliser.
    virtual void ShowPeqResetBox(int channel) = 0;
    // Opens the channel copy dialog modally.
    virtual void ShowCopyDialog() = 0;
    // The link-group dialog exists; its grid follows the model through the three calls below.
    virtual bool HasLinkDialog() const = 0;
    virtual void ShowLinkMask(int channel, int mask) = 0;
    virtual void ApplyLinkGroupHeads() = 0;
    virtual void ApplyLinkMemberCaptions() = 0;
    // The test-tone dialog shows the signal mode (0 analogue, 1 pink noise, 2 white noise, 3 sine)
    // and the sine frequency index (0 to 30); its handlers send nothing while controls update.
    virtual void ShowTestToneChoice(int mode, int sineIndex) = 0;
};
