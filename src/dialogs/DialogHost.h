#pragma once
// What the dialogs need of the windows above them: the main window's language lookup, its device
// session (sending commands, the link, the device ID and address, the preset exchanges), its close
// rule and the PEQ reset of the channel pages. The main window implements it; the dialogs never
// include the main window or the pages. Tests put a recording fake in its place.
//
// There is one host for the whole program: SetDialogHost registers it before the first dialog is
// created, and it outlives every dialog. Everything is called on the GUI thread. Texts crossing
// the interface are window texts (QString) or 8-bit text of the device (std::string, GBK).

#include <QString>

#include <cstdint>
#include <string>

class LCmd;

class DialogHost {
public:
    virtual ~DialogHost() = default;

    // --- Language ----------------------------------------------------------------------------
    // The text of a key ("SID_EXIT_OK") in the current language; a key the table lacks gives
    // the table's first line.
    virtual QString GetLangText(const QString &key) const = 0;
    // The window text as 8-bit text of the system code page (GBK); what GBK lacks becomes '?'.
    virtual std::string WideToAnsi(const QString &text) const = 0;

    // --- Sending -----------------------------------------------------------------------------
    // The device ID (1..254), the address byte of every command.
    virtual int GetDeviceId() const = 0;
    virtual bool IsControlsUpdating() const = 0;
    // Frames the command and queues it on the open transport; dropped when none is open. With
    // keepDuplicates 0 a still-queued frame of the same command may be replaced.
    virtual void SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed) = 0;
    // True while a frame of that command code, handed to SendCommand, still waits in the open
    // transport's send queue (not yet written to the link); false when no transport is open.
    virtual bool IsCommandWaiting(std::uint8_t command) const = 0;

    // --- Main window -------------------------------------------------------------------------
    // 1 lets the next close request of the main window close it; 0 makes it ask again.
    virtual void SetCloseAllowed(std::uint8_t value) = 0;
    // A close request on the main window, as its title-bar button makes.
    virtual void CloseMainWindow() = 0;

    // --- Link and address ----------------------------------------------------------------------
    // The session with a processor is established.
    virtual bool IsConnected() const = 0;
    // Closes the open transport and shows the offline state; nothing when none is open.
    virtual void DisconnectLink() = 0;
    // 1..254 sets the device ID (the dialogs offer 1..250); other values change nothing.
    virtual void SetDeviceId(int id) = 0;
    // The processor's IPv4 address, the first octet in bits 24-31.
    virtual std::uint32_t GetIpAddress() const = 0;
    virtual void SetIpAddress(std::uint32_t address) = 0;
    // 1: the address is found automatically.
    virtual void SetAutoIpSetting(int value) = 0;
    // Points the TCP client at the dotted address: inactive, the new address, active again.
    virtual void SetClientAddress(const std::string &dotted) = 0;

    // --- Exchanges ---------------------------------------------------------------------------
    // Stores the current program as user preset index 0..30 with the 14-byte name; while
    // connected it runs the progress window modally until the exchange ends.
    virtual void StorePreset(int index, const std::string &name) = 0;
    // Recalls preset index 0 (F00) or 1..31 (U01..U31); modal progress while connected.
    virtual void RecallPreset(int index) = 0;
    virtual void SetStepValue(int value) = 0;
    // Returns the processor to its factory defaults (with acknowledgement and a full read).
    virtual void StartFactoryReset() = 0;
    // Resets the parametric equaliser of the channel (0..5) and sends its bands.
    virtual void SendPeqReset(int channel) = 0;
};

// Registers the host the dialogs call (nullptr removes it); the caller keeps it alive.
void SetDialogHost(DialogHost *host);
// The registered host. Calling it with none registered is a programming error (std::logic_error).
DialogHost &Host();
