#pragma once
// What the dialogs need of the windows above them: the main window's language lookup, its device
// session (sending commands, the link, the device ID and address, the preset exchanges), its close
// rule, and what the channel pages offer them (PEQ reset, channel names, channel copy and reload,
// link groups and their page-button captions, the gain page). The main window implements it; the dialogs never
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

    // --- Channel pages -----------------------------------------------------------------------
    // Channels are 0 In A, 1 In B, 2..5 Out 1..Out 4.
    // Resets the parametric equaliser of the channel and sends its bands.
    virtual void SendPeqReset(int channel) = 0;
    // The channel's 8 name bytes as the model holds them (GBK, filled up with zero bytes).
    virtual std::string GetChannelName(int channel) const = 0;
    // Exactly 8 name bytes: shown on the channel's name label and page-button hint, stored in the
    // model and sent.
    virtual void SetChannelName(int channel, const std::string &name) = 0;
    // Copies every setting of `source` onto `destination` (one side; nothing when they are equal);
    // with `refresh` the windows show the result afterwards.
    virtual void CopyChannel(int source, int destination, bool refresh) = 0;
    // The channel's link mask in the model: bit k is the k-th channel of its side.
    virtual int GetChannelLinkMask(int channel) const = 0;
    // Stores the channel's link mask in the model and sends it.
    virtual void SetChannelLink(int channel, int mask) = 0;
    // The page-button caption of `channel` as a member of the group headed by `head` ("3=1"), or
    // its plain name when they are equal.
    virtual void SetChannelButtonCaption(int head, int channel) = 0;
    // Shows or hides the curve-overlay buttons of the channel's page.
    virtual void SetOverlayButtonsVisible(int channel, bool visible) = 0;
    // Every parameter again: from the processor while connected, else from the model.
    virtual void ReloadAllParameters() = 0;
    // Switches the main window to its gain page, as its page button does.
    virtual void ShowGainPage() = 0;
};

// Registers the host the dialogs call (nullptr removes it); the caller keeps it alive.
void SetDialogHost(DialogHost *host);
// The registered host. Calling it with none registered is a programming error (std::logic_error).
DialogHost &Host();
