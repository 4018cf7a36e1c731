#pragma once
// The main window's end of the device link: the one device model, the one open transport (serial,
// USB or network), the HID controller and the TCP client under it, the send path every part of the
// program talks to the processor through, the receive dispatch with the connection exchange and
// full read, the level poll, the traffic lines of the raw-traffic monitor and the language tables.
// The main window owns it and implements SessionView for it; everything runs on the GUI thread but
// UsbWriteReport and NetWrite, which the transports' workers call.
//
// Connecting: ConnectUsb, ConnectNet or ConnectCom opens a transport and sends the handshake. The
// replies then drive a chain of requests, each sent from the handler of the reply before it:
//
//   16 handshake -> 19 identity -> 44 lock state -> 34 preset flags -> 20 current preset
//   -> 41 preset names 0..30 -> 39 program blocks 0..10 -> 18 poll, refresh, level poll
//
// The protocol has no request numbers, so the chain accepts only the reply it waits for (its code,
// its length, and for names and blocks its index); any other reply is ignored. From the handshake
// reply on, the chain fails when it makes no progress for longer than the transport's whole resend
// cycle on its link and one reply wait more (every late answer the transport would still take has
// had its chance by then), and so does any reply that makes the read impossible (a name index
// above 30, a program that does not come whole): the link is closed and the scan dialog says that
// the link broke, as for a failure report of the transport while connected. A setting sent while
// the program blocks are read may miss the blocks already read, so the program is then read again
// from block 0.
//
// The preset exchanges (store, recall, upload into a unit file, download of a unit file, factory
// reset) run only while connected. Each stops the level poll, shows the progress window and is then
// driven by the processor's replies: acknowledgements continue the step the exchange set, and the
// replies of its own (the device header 25, preset blocks 40, download block acknowledgements 37)
// act only while it waits for them. They end with the level poll running again, or, after a
// download, with the link closed. An exchange that makes no progress fails like the full read;
// so does a preset file's transfer, whose every reply is progress until the level reply ends it.
//
//   store    38 name, ack; 33 [preset], ack; 18
//   recall   32 [preset], ack; 39 [b] and reply 36 for b = 0..10; 18
//   upload   25 (address 0, 18 bytes), reply 25; per stored preset: 36 [preset], ack,
//            40 [b] and reply 40 for b = 0..10; 18; the unit file 300 ms later
//   download 35, ack; 26 (address 0, 18 bytes), ack; per stored record 37 blocks 0..10, each
//            acknowledged by reply 37 [b]; 4; the link closes 300 ms later
//   factory  35, ack; the full read from 34
//
// Whenever a transport closes, the connection state, the session step, the file-load step and any
// exchange return to idle, the level poll stops and the main window is enabled. A closed transport
// is deleted later from the message queue, never inside the delivery of one of its own frames, and
// reports it posted before it closed reach nobody.

#include "device/DeviceHost.h"
#include "device/JvHidControllerClass.h"
#include "device/JvHidWriteLink.h"
#include "device/LComm.h"
#include "device/LNet.h"
#include "device/LUnitControl.h"
#include "device/LUsb.h"
#include "mainwindow/SessionView.h"
#include "platform/net/ClientSocket.h"
#include "platform/runtime/Messages.h"
#include "platform/runtime/Timer.h"

#include <QString>

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

// Which multi-step exchange the next acknowledgement (reply 1) continues.
enum class SessionStep : std::int32_t {
    Idle = 0,
    RecallSent = 1,
    PresetNameSent = 2,
    FactoryResetSent = 3,
    PresetSelected = 4,
    EepromHeaderSent = 5,
    ReloadSent = 6,
    OperationLocked = 8,
    StoreSent = 9,
    DownloadStarted = 10,
};

class TOpenDialog;
class TSaveDialog;

class DeviceSession : public DeviceHost {
public:
    static constexpr std::uint16_t HidProductId = 0x0821;
    static constexpr std::uint16_t NetworkPort = 9761;
    static constexpr std::uint32_t DefaultDeviceAddress = 0xC0A80165;  // 192.168.1.101
    // The address a disconnect request goes to after a wrong identity.
    static constexpr std::uint8_t AnyDevice = 255;
    // The identity reply must begin with the model, then with model and firmware version.
    static constexpr std::string_view UnitModel = "VELMTROV316";
    static constexpr std::string_view UnitIdentity = "VELMTROV316 V011";
    static constexpr std::size_t LastNetFrameSize = 70;

    // Creates the device model from the factory image, the HID controller and the TCP client
    // (port 9761, address 192.168.1.101), the file dialogs and the timers (all off).
    explicit DeviceSession(SessionView &view);
    // Closes whatever transport is open. Not from inside a frame delivery.
    ~DeviceSession() override;
    DeviceSession(const DeviceSession &) = delete;
    DeviceSession &operator=(const DeviceSession &) = delete;

    // The main window's file dialogs in place of the session's own (which tests use): preset files
    // opened and saved, unit files opened and saved. Each must outlive the session; a null one
    // leaves the session's own in its place.
    struct FileDialogs {
        TOpenDialog *openPreset;
        TSaveDialog *savePreset;
        TOpenDialog *openUnit;
        TSaveDialog *saveUnit;
    };
    void UseFileDialogs(const FileDialogs &dialogs);

    // --- DeviceHost ------------------------------------------------------------------------------
    int GetDeviceId() const override { return DeviceId; }
    bool IsControlsUpdating() const override { return ControlsUpdating != 0; }
    // Frames the command and queues it on the active transport (serial, else USB, else network);
    // dropped without a report when none is open.
    void SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed) override;
    void MarkCurveChanged(int channel) override { view_.MarkCurveChanged(channel); }
    void SetStorePresetRowName(int row, const std::string &name) override;
    void SetRecallPresetRowName(int row, const std::string &name) override;
    // The unit-file save dialog `sdSaveUnit`.
    bool ExecuteSaveUnitDialog(std::string &path) override;
    // Worker threads: the frame as a USB output report (report ID 0) to the device in use, and as
    // a socket send. False when it could not be written (no device, not connected, a short send).
    bool UsbWriteReport(const std::uint8_t *bytes, int count) override;
    bool NetWrite(const std::uint8_t *bytes, int count) override;
    // Traffic lines, each shown only while the monitor is visible and its link's transport exists.
    void LogComWrite(const std::uint8_t *bytes, int count) override;
    void LogComRead(const std::uint8_t *bytes, int count) override;
    void LogUsbWrite(const std::uint8_t *bytes, int count) override;
    void LogNetWrite(const std::uint8_t *bytes, int count) override;

    // --- Main window state -----------------------------------------------------------------------
    // The windows the session talks to (the scan dialog reaches the main window through it).
    SessionView &View() const { return view_; }
    void SetCloseAllowed(std::uint8_t value) { CloseAllowed = value; }
    bool IsCloseAllowed() const { return CloseAllowed == 1; }
    // The link mask of a channel from the model.
    int GetChannelLinkMask(int channel) const { return UnitControl->GetLinkMask(channel); }
    // Any value but 0 sets the flag; page refreshes switch it with ControlsUpdate below.
    void SetControlsUpdating(int value) { ControlsUpdating = value != 0 ? 1 : 0; }
    void SetStepValue(int value) { StepValue = value; }
    LUnitControl &Model() { return *UnitControl; }
    const LUnitControl &Model() const { return *UnitControl; }
    bool IsConnected() const { return Connected != 0; }
    bool IsOnline() const { return Online != 0; }
    bool IsHandshakePending() const { return HandshakePending != 0; }
    SessionStep GetSessionStep() const { return Step; }
    // The full read, a preset exchange or a preset file's transfer waits for the processor.
    bool IsExchangeRunning() const { return awaited_.command != 0; }
    // The exchanges set the step just before the request whose acknowledgement they wait for.
    void SetSessionStep(SessionStep step) { Step = step; }
    int GetCurrentPreset() const { return CurrentPreset; }
    int GetFileLoadStep() const { return FileLoadStep; }
    void SetFileLoadStep(int step) { FileLoadStep = step; }
    int GetSelectedCompChannel() const { return SelectedCompChannel; }
    void SetSelectedCompChannel(int channel) { SelectedCompChannel = channel; }
    // A 16-bit text in the system code page (GBK), with a terminating zero byte.
    static std::vector<char> WideToAnsi(std::u16string_view text);

    // --- Language ----------------------------------------------------------------------------------
    // The text of a key in the active table ("English", else Simplified Chinese); a key not in the
    // table gives the table's first line.
    QString GetLangText(const QString &key) const;
    const QString &GetLanguageName() const { return LanguageName; }
    // "English" or "ChineseGB"; the language menu sets it.
    void SetLanguageName(const QString &name) { LanguageName = name; }

    // --- Receive dispatch --------------------------------------------------------------------------
    // A frame from the transport (WParam: const BSTM *). A frame from another address than DeviceId
    // only starts tmComScan.
    void OnDeviceFrame(TMessage &message);
    // A failure report of the transport (WParam: LinkError).
    void OnDeviceError(TMessage &message);

    // --- Preset exchanges (DeviceSessionPresets.cpp) ---------------------------------------------
    // Stores the current program as preset U01..U31 (index 0 to 30) under a name of up to 14 8-bit
    // characters (blank-padded). Nothing without a link or for another index.
    void StorePreset(int index, std::string_view name);
    // Recalls preset F00 (index 0) or U01..U31 (1 to 31). Nothing without a link or for another index.
    void RecallPreset(int index);
    // Reads every preset the processor holds into a unit file; the information box says when there
    // is no link or no stored preset.
    void UploadAllPresets();
    // Writes a unit file the user picks into the processor, then closes the link; the information
    // box says when there is no link or the file cannot be downloaded.
    void DownloadAllPresets();
    // Resets the processor to its factory defaults and reads it again. Nothing without a link.
    void StartFactoryReset();

    // --- Channel copy and reload (DeviceSessionPresets.cpp) --------------------------------------
    // The next acknowledgement starts a complete re-read from the preset flags: the channel pages
    // call it just before they send a channel copy or the reload request (CMD_POLL) while
    // connected. The exchange guard runs from here, as for the other exchanges.
    void ExpectReload();
    // An exchange starts: the level poll stops and every meter goes to 0.
    void StopLevelPoll();

    // --- Preset files (DeviceSessionFiles.cpp) ---------------------------------------------------
    // Applies a preset file the user picks to the model, sends it when connected (the progress
    // window then shows until the next level reply) and refreshes every control. A file that is
    // not a preset file changes nothing and the information box says so.
    void OpenPresetFile();
    // Saves the current program as a preset file (".prs" in place of the chosen name's extension);
    // a target that cannot be written is left as it was and the information box says so.
    void SavePresetFile();

    // --- Level meters ------------------------------------------------------------------------------
    // Every meter and lamp of the three pages back to 0; a meter not found ends the reset there.
    void ResetLevelMeters();

    // --- Link I/O ------------------------------------------------------------------------------------
    // Activates the TCP client for a scan; with the automatic address setting on, forgets the
    // address instead, so that the scan offers no network candidate.
    void ConnectNetworkSocket();
    TJvHidDeviceController &HidController() { return *HidCtl; }
    net::ClientSocket &ClientSocket() { return socket_; }
    bool HasHidDevice() const { return HidDevice != nullptr; }
    // lbStatus says "Detect HID" while a USB device is in use. The first device pass runs when the
    // session is made, before the main window has read its form: the window calls this once its
    // label exists. Without a device the label keeps its text.
    void ShowHidStatus();

    // --- Link control ------------------------------------------------------------------------------
    // One connection attempt each: any transport of the same kind is closed, a new one opened with
    // its handshake reply wait and resends, and the handshake sent. When it cannot be opened, USB
    // and network tell the scan to move on, serial shows the link-broken state.
    void ConnectUsb();
    void ConnectNet();
    void ConnectCom();
    // Closes the active transport; after a successful scan also returns the window offline.
    void DisconnectLink();
    // The link button: online, the link closes 300 ms later; offline, the scan starts again and its
    // dialog is shown (modally, unless it is shown already).
    void rzbMenuLinkClick();
    // Starts the one-shot timer that clicks the link button 300 ms later: the first scan.
    void StartAutoConnect();
    // Reply wait, resends and idle-poll pause of the active transport; nothing when none is open.
    void SetLinkTimeout(std::uint32_t ms);
    void SetLinkRetries(std::uint32_t count);
    void SetPollPaused(std::uint8_t paused);
    // 1 to 254; other values change nothing.
    void SetDeviceId(int id);
    bool HasIpAddress() const { return IpAddress != 0; }
    void SetComPortName(const QString &name) { ComPortName = name; }
    const QString &GetComPortName() const { return ComPortName; }
    std::uint32_t GetIpAddress() const { return IpAddress; }
    void SetIpAddress(std::uint32_t address) { IpAddress = address; }
    void SetAutoIpSetting(int value) { AutoIpSetting = value; }
    // What SetLinkTimeout and SetLinkRetries were last given.
    std::uint32_t LinkTimeout() const { return linkTimeout_; }
    std::uint32_t LinkRetries() const { return linkRetries_; }
    // The transports; at most one is open.
    LCommProc *CommTransport() const { return CommProc.proc.get(); }
    LUsbProc *UsbTransport() const { return UsbProc.proc.get(); }
    LNetProc *NetTransport() const { return NetProc.proc.get(); }
    bool HasTransport() const { return CommProc || UsbProc || NetProc; }
    // Closes every open transport, serial first, then USB, then network (their workers have
    // stopped on return); the window's offline state is left as it is. The program ends next.
    void CloseAllTransports();
    // True while a frame of that command code, handed to SendCommand, still waits in the active
    // transport's send queue; false when none is open.
    bool IsCommandWaiting(std::uint8_t command) const;
    // True when every frame waiting in the active transport's send queue (if any) has that code.
    bool IsOnlyCommandWaiting(std::uint8_t command) const;
    // Closed transports not deleted yet.
    std::size_t RetiredTransports() const { return retired_.size(); }

private:
    // A transport with the message window its frames and reports come to.
    template <class Proc>
    struct Transport {
        std::unique_ptr<Proc> proc;
        HWND window = nullptr;
        explicit operator bool() const { return proc != nullptr; }
    };
    // A closed transport waiting to be deleted.
    struct Retired {
        std::unique_ptr<LinkTransport> proc;
        HWND window = nullptr;
    };
    // The reply an exchange waits for; command 0: no exchange runs; CMD_ACK: an acknowledgement,
    // which continues the session step.
    struct Awaited {
        std::uint8_t command = 0;
        int index = -1;  // names and blocks: the index the reply must carry
    };
    // Reply wait and resends of a connection attempt.
    struct HandshakeSettings {
        std::uint32_t waitMs;
        std::uint32_t resends;
    };
    static constexpr HandshakeSettings UsbHandshake{100, 3}, NetHandshake{4000, 0}, ComHandshake{1000, 0};

    // Transports (DeviceSessionLink.cpp).
    template <class Proc>
    void Create(Transport<Proc> &slot);
    // Closes the transport and takes it out of its slot.
    template <class Proc>
    Retired Take(Transport<Proc> &slot);
    // Closes the transport; it is deleted from the message queue later.
    template <class Proc>
    void Retire(Transport<Proc> &slot);
    static void Release(Retired &closed);
    // One connection attempt on `slot`: false when the transport could not be opened.
    template <class Proc, class... OpenArgs>
    bool Attempt(Transport<Proc> &slot, const HandshakeSettings &settings, OpenArgs... openArgs);
    template <class F>
    bool WithActive(F f);
    void RetireActive();
    void TransportClosed();
    void ScheduleRelease();
    void ReleaseRetired();
    void StartHandshake(const HandshakeSettings &settings);
    // The frames waiting in the active transport's send queue.
    std::deque<BSTM> WaitingFrames() const;
    void LinkFailed();
    void tmDisconnectTimer();
    void tmLinkBrokenTimer();
    void tmComScanTimer();
    void tmStartConnectTimer();

    // Dispatch and exchanges (DeviceSession.cpp, DeviceSessionRead.cpp).
    void Send(std::uint8_t command, std::uint8_t keepDuplicates = 1);
    void Send(std::uint8_t command, std::uint8_t argument, std::uint8_t keepDuplicates);
    bool Awaits(std::uint8_t command, std::span<const std::uint8_t> payload, std::size_t minSize) const;
    void Await(std::uint8_t command, int index = -1);
    void EndExchange();
    // The exchange cannot finish: as a failure report of the transport while connected.
    void FailExchange();
    void tmExchangeGuardTimer();
    void OnAcknowledge();
    void OnHandshakeReply(std::uint8_t address, const BSTM &payload);
    void OnIdentityReply(std::uint8_t address, const BSTM &payload);
    void OnLockStatusReply(std::uint8_t address, const BSTM &payload);
    void OnSystemParamsReply(std::uint8_t address, const BSTM &payload);
    void OnCurrentPresetReply(std::uint8_t address, std::uint8_t preset);
    void OnPresetNameReply(std::uint8_t address, const BSTM &payload);
    void OnProgramBlockReply(std::uint8_t address, const BSTM &payload);
    // Requests the program from block 0 on.
    void RequestProgram();
    void tmPtsTimer();
    void ShowProgressModal();

    // Upload and download steps (DeviceSessionPresets.cpp).
    void OnEepromReply(const BSTM &payload);
    void RequestPresetRead(int preset);
    void OnPresetBlockReply(std::uint8_t address, const BSTM &payload);
    void tmUploadTimer();
    void tmPollResumeTimer();
    void DownloadNextPreset(int position);
    void SendDownloadBlock(int slot, int block);
    void OnDownloadBlockAck(std::uint8_t address, const BSTM &payload);
    void FinishDownload();
    // Takes a unit file into EepromHeader and DownloadRecords (DeviceSessionFiles.cpp); false
    // when it cannot be downloaded.
    bool ReadUnitFile(const QString &path);
    void tmProcessShowTimer();
    QString PortText() const;

    // Levels (DeviceSessionLevels.cpp).
    void tmInLevelDetTimer();
    bool OnLevelReply(std::uint8_t address, const BSTM &payload);

    // Link I/O (DeviceSessionIo.cpp).
    void HidCtlDeviceChange();
    bool HidCtlEnumerate(TJvHidDevice *device, int index);
    void HidCtlDeviceData(TJvHidDevice *device, std::uint8_t reportId, const void *data, std::uint16_t size);
    void HidCtlDeviceDataError(TJvHidDevice *device, std::uint32_t error);
    void HidCtlDeviceUnplug(TJvHidDevice *device);
    void ClientSocketConnecting();
    void ClientSocketConnect(net::ClientSocket &socket);
    void ClientSocketRead(net::ClientSocket &socket);
    void LogLine(bool transportExists, const QString &prefix, std::span<const std::uint8_t> bytes);

    TTimer *MakeTimer(const char *name, unsigned intervalMs, void (DeviceSession::*handler)());
    static void Restart(TTimer *timer);

    SessionView &view_;

    // --- Main window state, as the rest of the program names it ------------------------------------
    std::unique_ptr<LUnitControl> UnitControl;
    TJvHidDevice *HidDevice = nullptr;
    Transport<LUsbProc> UsbProc;
    Transport<LCommProc> CommProc;
    QString ComPortName;
    Transport<LNetProc> NetProc;
    QString LanguageName = QStringLiteral("English");
    std::uint8_t CloseAllowed = 0;
    int DeviceId = 1;
    std::uint8_t Online = 0;
    int StepValue = 5;
    std::uint8_t HandshakePending = 0;
    std::uint8_t Connected = 0;
    int CurrentPreset = 0;
    std::uint8_t ControlsUpdating = 0;
    int FileLoadStep = 0;
    SessionStep Step = SessionStep::Idle;
    int UploadPresetIndex = 0;
    int DownloadPresetIndex = 0;
    std::array<PresetRecord, PresetCount> DownloadRecords{};
    std::array<std::uint8_t, ImageBlockSize> BlockBuffer{};
    std::array<std::uint8_t, EepromHeaderSize> EepromHeader{};
    int SelectedCompChannel = 2;
    std::uint32_t IpAddress = DefaultDeviceAddress;
    std::array<std::uint8_t, LastNetFrameSize> LastNetFrame{};  // guarded by netFrameMutex_
    std::uint8_t LastNetFrameLength = 0;
    int AutoIpSetting = 0;

    // --- Components ------------------------------------------------------------------------------
    std::unique_ptr<TComponent> components_;  // owns HidCtl and the timers
    TJvHidDeviceController *HidCtl = nullptr;
    TJvHidWriteLink UsbOut;  // the workers' way to HidDevice
    net::ClientSocket socket_;
    std::mutex netFrameMutex_;
    TTimer *tmDisconnect = nullptr;
    TTimer *tmLinkBroken = nullptr;
    TTimer *tmComScan = nullptr;
    TTimer *tmInLevelDet = nullptr;
    TTimer *tmPts = nullptr;
    TTimer *tmProcessShow = nullptr;
    TTimer *tmExchangeGuard = nullptr;
    TTimer *tmUpload = nullptr;
    TTimer *tmPollResume = nullptr;
    TTimer *tmStartConnect = nullptr;
    TOpenDialog *odOpenPreset = nullptr;
    TSaveDialog *sdSavePreset = nullptr;
    TOpenDialog *odOpenUnit = nullptr;
    TSaveDialog *sdSaveUnit = nullptr;

    // --- Session bookkeeping ----------------------------------------------------------------------
    Awaited awaited_;
    std::uint64_t longestGuard_ = 0;  // the running exchange's longest time without progress, in ms
    bool editedDuringRead_ = false;  // a setting was sent since the program read started
    std::uint32_t linkTimeout_ = 0;
    std::uint32_t linkRetries_ = 0;
    HWND window_ = nullptr;  // the session's own queue entry: deleting closed transports
    std::vector<Retired> retired_;
    bool releasePosted_ = false;
    bool releaseDeferred_ = false;
    int deliveryDepth_ = 0;  // frame deliveries running on the stack
};

// --- Transports -------------------------------------------------------------------------------------

template <class Proc>
void DeviceSession::Create(Transport<Proc> &slot)
{
    slot.window = AllocateHWnd([this](TMessage &m) {
        if (m.Msg == WM_DEVICE_FRAME)
            OnDeviceFrame(m);
        else if (m.Msg == WM_DEVICE_ERROR)
            OnDeviceError(m);
    });
    slot.proc = std::make_unique<Proc>(slot.window, static_cast<DeviceHost &>(*this));
}

template <class Proc>
DeviceSession::Retired DeviceSession::Take(Transport<Proc> &slot)
{
    // From now on its reports reach nobody; the window goes with the transport.
    MarkWindowDestroying(slot.window);
    slot.proc->Close();
    Retired closed{std::move(slot.proc), slot.window};
    slot.window = nullptr;
    return closed;
}

template <class Proc>
void DeviceSession::Retire(Transport<Proc> &slot)
{
    if (!slot.proc)
        return;
    retired_.push_back(Take(slot));
    TransportClosed();
    ScheduleRelease();
}

template <class F>
bool DeviceSession::WithActive(F f)
{
    if (CommProc)
        f(*CommProc.proc);
    else if (UsbProc)
        f(*UsbProc.proc);
    else if (NetProc)
        f(*NetProc.proc);
    else
        return false;
    return true;
}

// Sets the controls-updating flag for a scope, whatever way the scope is left.
class ControlsUpdate {
public:
    explicit ControlsUpdate(DeviceSession &session) : session_(session) { session_.SetControlsUpdating(1); }
    ~ControlsUpdate() { session_.SetControlsUpdating(0); }
    ControlsUpdate(const ControlsUpdate &) = delete;
    ControlsUpdate &operator=(const ControlsUpdate &) = delete;

private:
    DeviceSession &session_;
};
