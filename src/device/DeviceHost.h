#pragma once
// What the device layer needs of the window above it. The main window implements this interface;
// the device layer never includes the window. Texts crossing it are UTF-8 (window texts on the
// window side, file paths as the file system takes them).

#include <cstdint>
#include <string>

class LCmd;

class DeviceHost {
public:
    virtual ~DeviceHost() = default;

    // --- Main window -------------------------------------------------------------------------
    // The device ID; its low byte addresses every command.
    virtual int GetDeviceId() const = 0;
    // True while code (not the user) is setting controls: model setters then store without sending.
    virtual bool IsControlsUpdating() const = 0;
    // Frames the command and queues it on the open transport (dropped when none is open). With
    // keepDuplicates 0 a still-queued frame of the same command code may be replaced.
    virtual void SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed) = 0;
    // The channel's total response changed; the overlay and Gain-page curves are redrawn later.
    virtual void MarkCurveChanged(int channel) = 0;

    // --- Preset dialogs ----------------------------------------------------------------------
    // Store list rows 0 to 30 are U01 to U31; recall list row 0 is F00, rows 1 to 31 U01 to U31.
    virtual void SetStorePresetRowName(int row, const std::string &name) = 0;
    virtual void SetRecallPresetRowName(int row, const std::string &name) = 0;

    // --- Unit-file save dialog ---------------------------------------------------------------
    // Shows the save dialog for unit files (filter "*.unt|*.unt", asks before replacing a file).
    // False when the user cancels; otherwise `path` is the chosen file.
    virtual bool ExecuteSaveUnitDialog(std::string &path) = 0;

    // --- Transports --------------------------------------------------------------------------
    // The physical writes of the USB and network transports, called on their worker threads (so
    // they touch no window): the frame as a USB output report (report ID 0, then the frame, padded
    // to the device's output report length) and as a socket send. False when the frame could not
    // be written; the transport then reports the failure at once. A host without the link refuses.
    virtual bool UsbWriteReport(const std::uint8_t * /*bytes*/, int /*count*/) { return false; }
    virtual bool NetWrite(const std::uint8_t * /*bytes*/, int /*count*/) { return false; }
    // Traffic lines for the raw-traffic monitor, always called on the GUI thread: the transports
    // post the lines their workers make. Each gets the frame bytes; the host adds the prefix
    // ("COM W ", "COM R ", "USB W 00  ", "NET W ") and shows the line while the monitor is visible.
    virtual void LogComWrite(const std::uint8_t * /*bytes*/, int /*count*/) {}
    virtual void LogComRead(const std::uint8_t * /*bytes*/, int /*count*/) {}
    virtual void LogUsbWrite(const std::uint8_t * /*bytes*/, int /*count*/) {}
    virtual void LogNetWrite(const std::uint8_t * /*bytes*/, int /*count*/) {}
};
