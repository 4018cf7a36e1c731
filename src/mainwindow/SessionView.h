#pragma once
// What the device session asks of the windows: the main window's link controls, meters, pages and
// traffic monitor, the progress window, the information box, the unlock dialog, the device ID and
// address dialog and the connection scan dialog. The main window implements it over its forms;
// tests put a recording fake in its place. Everything is called on the GUI thread. The "modal"
// calls return when the window closes (and may run a nested message loop meanwhile); the session
// never shows a window modally while it is visible.

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

class SessionView {
public:
    virtual ~SessionView() = default;

    // --- Main window ---------------------------------------------------------------------------
    virtual void SetCaption(const QString &text) = 0;
    // Captions, states and texts of the link controls, by name: the link button "rzbMenuLink", the
    // menu entry "Connect", the labels "lbStatus", "lbShowIdNumber", and the preset labels
    // "lbPstNum" and "lbPstName". Unknown names are ignored ("" is read back).
    virtual void SetControlText(const QString &name, const QString &text) = 0;
    virtual QString ControlText(const QString &name) const = 0;
    virtual void SetControlEnabled(const QString &name, bool enabled) = 0;
    virtual void SetButtonDown(const QString &name, bool down) = 0;
    virtual void SetMainEnabled(bool enabled) = 0;
    // Brings the main window forward with the keyboard focus.
    virtual void FocusMain() = 0;
    virtual bool IsMainVisible() const = 0;
    // A level meter or limiter lamp by name ("pbLevelInA", "pbLimitCompOut"): false when the
    // window has none of that name.
    virtual bool SetMeterPosition(const QString &name, int position) = 0;
    // The position of a slider by name ("isCompRatioOut1"); none when there is no such slider.
    virtual std::optional<int> SliderPosition(const QString &name) const = 0;
    // Every control of the pages from the model.
    virtual void RefreshFromModel() = 0;
    // Every channel's band selection and band editors back to their start state.
    virtual void ResetEqDisplay() = 0;
    virtual void MarkCurveChanged(int channel) = 0;

    // --- Preset dialogs (for the device model) ---------------------------------------------------
    virtual void SetStorePresetRowName(int row, const std::string &name) = 0;
    virtual void SetRecallPresetRowName(int row, const std::string &name) = 0;

    // --- Raw-traffic monitor -------------------------------------------------------------------
    virtual bool IsTrafficVisible() const = 0;
    // Appends the line and makes it the selected one.
    virtual void AddTrafficLine(const QString &line) = 0;

    // --- Progress window -----------------------------------------------------------------------
    virtual void SetProgressStatus(const QString &text) = 0;
    virtual void SetProgressMax(int max) = 0;
    virtual int ProgressMax() const = 0;
    virtual void SetProgressPosition(int position) = 0;
    virtual int ProgressPosition() const = 0;
    virtual void ShowProgressModal() = 0;
    // Shown without waiting (over a disabled main window).
    virtual void ShowProgress() = 0;
    // Harmless when it is not shown.
    virtual void CloseProgress() = 0;
    virtual bool IsProgressVisible() const = 0;

    // --- Information box and unlock dialog ------------------------------------------------------
    virtual void ShowInformation(const QString &message) = 0;
    virtual void ShowUnlockDialog() = 0;
    // The processor's verdict on the password: 1 accepted, 0 wrong.
    virtual void SetPasswordResult(std::uint8_t verdict) = 0;

    // --- Device ID and address dialog ------------------------------------------------------------
    // Closes the dialog when it is shown, then opens it as its menu entry does.
    virtual void ShowNetworkSetup() = 0;

    // --- Connection scan dialog ------------------------------------------------------------------
    // 1: the processor answered (its identity arrived); 0: this candidate failed.
    virtual void SetConnectResult(std::uint8_t result) = 0;
    virtual bool GetConnectResult() const = 0;
    // The link broke: the dialog shows so, and the progress window closes.
    virtual void OnLinkBroken() = 0;
    // Clicks the dialog's Rescan button by code: the scan starts again from its first candidate.
    virtual void ClickRescan() = 0;
    // The dialog's progress bar.
    virtual void SetScanPosition(int position) = 0;
    // What the TCP client says of its connection ("Network Connecting"): the dialog's status text
    // while it tries the network candidate; at any other time it keeps its own text.
    virtual void SetNetworkStatus(const QString &text) = 0;
    virtual void HideScan() = 0;
    virtual void ShowScanModal() = 0;
    virtual bool IsScanVisible() const = 0;
};
