#include "mainwindow/DeviceSession.h"

#include "device/GlobalConstants.h"
#include "mainwindow/LanguageTable.h"
#include "platform/os/CodePage.h"
#include "platform/ui/OpenDialog.h"

#include <algorithm>
#include <limits>

namespace {

// The session's own message: delete the transports closed meanwhile.
constexpr UINT WM_RELEASE_TRANSPORTS = WM_USER + 360;

// A file dialog of the session, with its filter; a save dialog asks before replacing a file.
template <class Dialog>
Dialog *MakeFileDialog(TComponent *owner, const char *name, const char *filter)
{
    auto *dialog = new Dialog(owner);
    dialog->SetName(QString::fromLatin1(name));
    dialog->SetFilter(QString::fromLatin1(filter));
    if constexpr (std::is_same_v<Dialog, TSaveDialog>) {
        TOpenOptions options = dialog->Options();
        options.Include(ofOverwritePrompt);
        dialog->SetOptions(options);
    }
    return dialog;
}

// A save dialog asks about the file that will be written, the chosen name with its extension put
// in place by `rule`, not about the name typed.
void AskAboutWrittenFile(TSaveDialog *dialog, std::string (*rule)(std::string_view))
{
    dialog->OnFileNameChosen = [rule](TObject *, QString &name) {
        name = QString::fromStdString(rule(name.toStdString()));
    };
}

}  // namespace

DeviceSession::DeviceSession(SessionView &view)
    : view_(view), UnitControl(std::make_unique<LUnitControl>(*this)),
      components_(std::make_unique<TComponent>(nullptr))
{
    window_ = AllocateHWnd([this](TMessage &m) {
        if (m.Msg == WM_RELEASE_TRANSPORTS) {
            releasePosted_ = false;
            ReleaseRetired();
        }
    });

    HidCtl = new TJvHidDeviceController(components_.get());
    HidCtl->SetName(QStringLiteral("HidCtl"));
    HidCtl->OnEnumerate = [this](TJvHidDevice *device, int index) { return HidCtlEnumerate(device, index); };
    HidCtl->SetOnDeviceChange([this](TObject *) { HidCtlDeviceChange(); });
    HidCtl->SetDevData([this](TJvHidDevice *device, std::uint8_t id, const void *data, std::uint16_t size) {
        HidCtlDeviceData(device, id, data, size);
    });
    HidCtl->SetDevDataError(
        [this](TJvHidDevice *device, std::uint32_t error) { HidCtlDeviceDataError(device, error); });
    HidCtl->SetDevUnplug([this](TJvHidDevice *device) { HidCtlDeviceUnplug(device); });

    socket_.SetPort(NetworkPort);
    socket_.SetAddress(std::string(DefaultIpAddress));
    socket_.OnConnecting = [this](net::ClientSocket &) { ClientSocketConnecting(); };
    socket_.OnConnect = [this](net::ClientSocket &s) { ClientSocketConnect(s); };
    socket_.OnRead = [this](net::ClientSocket &s) { ClientSocketRead(s); };
    // Socket errors are dealt with: a lost link shows as missing answers.
    socket_.OnError = [](net::ClientSocket &, net::ErrorEvent, int &errorCode) { errorCode = 0; };

    tmDisconnect = MakeTimer("tmDisconnect", 300, &DeviceSession::tmDisconnectTimer);
    tmLinkBroken = MakeTimer("tmLinkBroken", 300, &DeviceSession::tmLinkBrokenTimer);
    tmComScan = MakeTimer("tmComScan", 1, &DeviceSession::tmComScanTimer);
    tmInLevelDet = MakeTimer("tmInLevelDet", 300, &DeviceSession::tmInLevelDetTimer);
    tmPts = MakeTimer("tmPts", 1000, &DeviceSession::tmPtsTimer);
    tmProcessShow = MakeTimer("tmProcessShow", 100, &DeviceSession::tmProcessShowTimer);
    tmExchangeGuard = MakeTimer("tmExchangeGuard", 10000, &DeviceSession::tmExchangeGuardTimer);
    tmUpload = MakeTimer("tmUpload", 300, &DeviceSession::tmUploadTimer);
    tmPollResume = MakeTimer("tmPollResume", 300, &DeviceSession::tmPollResumeTimer);
    tmStartConnect = MakeTimer("tmStartConnect", 300, &DeviceSession::tmStartConnectTimer);

    odOpenPreset = MakeFileDialog<TOpenDialog>(components_.get(), "odOpenPreset", "*.prs|*.prs");
    sdSavePreset = MakeFileDialog<TSaveDialog>(components_.get(), "sdSavePreset", "*.prs|*.prs");
    odOpenUnit = MakeFileDialog<TOpenDialog>(components_.get(), "odOpenUnit", "*.unt|*.unt");
    sdSaveUnit = MakeFileDialog<TSaveDialog>(components_.get(), "sdSaveUnit", "*.unt|*.unt");
    AskAboutWrittenFile(sdSavePreset, PresetFilePath);
    AskAboutWrittenFile(sdSaveUnit, UnitFilePath);
}

DeviceSession::~DeviceSession()
{
    // The workers write through UsbOut and the socket: they stop before anything else goes.
    if (CommProc)
        retired_.push_back(Take(CommProc));
    if (UsbProc)
        retired_.push_back(Take(UsbProc));
    if (NetProc)
        retired_.push_back(Take(NetProc));
    for (Retired &closed : retired_)
        Release(closed);
    retired_.clear();
    if (HidDevice)
        HidCtl->CheckIn(HidDevice);
    UsbOut.Detach();
    socket_.SetActive(false);
    components_.reset();
    DeallocateHWnd(window_);
}

TTimer *DeviceSession::MakeTimer(const char *name, unsigned intervalMs, void (DeviceSession::*handler)())
{
    auto *timer = new TTimer(components_.get());
    timer->SetName(QString::fromLatin1(name));
    timer->SetEnabled(false);
    timer->SetInterval(intervalMs);
    timer->OnTimer = [this, handler](TObject *) { (this->*handler)(); };
    return timer;
}

void DeviceSession::Restart(TTimer *timer)
{
    timer->SetEnabled(false);
    timer->SetEnabled(true);
}

void DeviceSession::ScheduleRelease()
{
    if (!releasePosted_)
        releasePosted_ = PostMessage(window_, WM_RELEASE_TRANSPORTS, 0, 0);
}

// --- DeviceHost ------------------------------------------------------------------------------------

void DeviceSession::SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed)
{
    const BSTM bytes = command.ToBytes(framed);
    // The test-tone dialog sends its signal directly: the model keeps what the processor plays,
    // so that a refresh from the model shows it.
    if (command.GetCommand() == CMD_WORK_MODE && command.GetPayload().size() >= 2 && HasTransport())
        UnitControl->RecordSignal(command.GetPayload()[0], command.GetPayload()[1]);
    // An edit given while the program blocks are read reaches the processor only after the
    // blocks already read: those hold the value from before it.
    const std::uint8_t code = command.GetCommand();
    if (awaited_.command == CMD_SELECT_PRESET && code != CMD_READ_PROGRAM_BLOCK && code != CMD_LEVELS &&
        code != CMD_POLL)
        editedDuringRead_ = true;
    WithActive([&](auto &proc) { proc.SendFrame(bytes, keepDuplicates != 0); });
}

void DeviceSession::SetStorePresetRowName(int row, const std::string &name)
{
    view_.SetStorePresetRowName(row, name);
}

void DeviceSession::SetRecallPresetRowName(int row, const std::string &name)
{
    view_.SetRecallPresetRowName(row, name);
}

void DeviceSession::UseFileDialogs(const FileDialogs &dialogs)
{
    if (dialogs.openPreset)
        odOpenPreset = dialogs.openPreset;
    if (dialogs.savePreset) {
        sdSavePreset = dialogs.savePreset;
        AskAboutWrittenFile(sdSavePreset, PresetFilePath);
    }
    if (dialogs.openUnit)
        odOpenUnit = dialogs.openUnit;
    if (dialogs.saveUnit) {
        sdSaveUnit = dialogs.saveUnit;
        AskAboutWrittenFile(sdSaveUnit, UnitFilePath);
    }
}

bool DeviceSession::ExecuteSaveUnitDialog(std::string &path)
{
    if (!sdSaveUnit->Execute())
        return false;
    path = sdSaveUnit->FileName().toStdString();
    return true;
}

std::vector<char> DeviceSession::WideToAnsi(std::u16string_view text)
{
    const std::string ansi = os::UnicodeToAnsi(text);
    std::vector<char> result(ansi.begin(), ansi.end());
    result.push_back('\0');
    return result;
}

QString DeviceSession::GetLangText(const QString &key) const
{
    const LanguageTable &table =
        LanguageName == QLatin1String("English") ? LanguageTable::English() : LanguageTable::Simplified();
    return table.Lookup(key);
}

// --- Receive dispatch ------------------------------------------------------------------------------

void DeviceSession::OnDeviceFrame(TMessage &message)
{
    const auto *bytes = reinterpret_cast<const BSTM *>(message.WParam);
    if (!bytes)
        return;
    const LCmd reply(*bytes, 1);
    if (!reply.IsValid())
        return;
    const std::uint8_t address = reply.GetAddress();
    if (address != static_cast<std::uint8_t>(DeviceId)) {
        Restart(tmComScan);
        return;
    }
    // A handler may close this frame's transport; it is deleted only once no delivery runs.
    struct Delivery {
        DeviceSession &s;
        explicit Delivery(DeviceSession &session) : s(session) { ++s.deliveryDepth_; }
        ~Delivery()
        {
            if (--s.deliveryDepth_ == 0 && s.releaseDeferred_) {
                s.releaseDeferred_ = false;
                s.ScheduleRelease();
            }
        }
    } delivery(*this);
    const BSTM &payload = reply.GetPayload();
    // While a preset file's settings go out, every reply to them is progress.
    if (FileLoadStep == 12 && awaited_.command == CMD_LEVELS)
        Restart(tmExchangeGuard);
    switch (reply.GetCommand()) {
    case CMD_ACK: OnAcknowledge(); break;
    case CMD_HANDSHAKE:
        if (HandshakePending)
            OnHandshakeReply(address, payload);
        break;
    case CMD_IDENTITY:
        if (Awaits(CMD_IDENTITY, payload, 0)) {
            view_.SetConnectResult(1);
            OnIdentityReply(address, payload);
        }
        break;
    case CMD_CURRENT_PRESET:
        if (Awaits(CMD_CURRENT_PRESET, payload, 1))
            OnCurrentPresetReply(address, payload[0]);
        break;
    case CMD_READ_EEPROM:
        if (Awaits(CMD_READ_EEPROM, payload, EepromHeaderSize))
            OnEepromReply(payload);
        break;
    case CMD_SYSTEM_PARAMS:
        if (Awaits(CMD_SYSTEM_PARAMS, payload, 0))
            OnSystemParamsReply(address, payload);
        break;
    case CMD_SELECT_PRESET: OnProgramBlockReply(address, payload); break;
    case CMD_DOWNLOAD: OnDownloadBlockAck(address, payload); break;
    case CMD_READ_PRESET_BLOCK: OnPresetBlockReply(address, payload); break;
    case CMD_READ_PRESET_NAME: OnPresetNameReply(address, payload); break;
    case CMD_LOCK_STATUS:
        if (Awaits(CMD_LOCK_STATUS, payload, 6))
            OnLockStatusReply(address, payload);
        break;
    case CMD_PASS_SUBMIT:
        // Kind 0 (the operation lock), then the verdict.
        if (payload.size() >= 2 && payload[0] == 0)
            view_.SetPasswordResult(payload[1]);
        break;
    case CMD_LEVELS:
        // A preset file's transfer ends with the first level reply after its settings have all
        // gone out; an earlier one answers a level request sent before them.
        if (OnLevelReply(address, payload) && FileLoadStep == 12 && IsOnlyCommandWaiting(CMD_LEVELS)) {
            FileLoadStep = 0;
            Send(CMD_POLL, 0);
            EndExchange();
            view_.CloseProgress();
        }
        break;
    default: break;
    }
}

void DeviceSession::OnDeviceError(TMessage &message)
{
    if (message.WParam == LINK_ERR_TIMEOUT && HandshakePending) {
        // The attempt got no answer to its handshake: the scan tries the next candidate.
        RetireActive();
        view_.SetConnectResult(0);
    }
    if (Connected)
        LinkFailed();
}

// The acknowledgement continues the exchange that set the step; the step is idle afterwards
// unless a second acknowledgement is chained.
void DeviceSession::OnAcknowledge()
{
    const SessionStep step = Step;
    Step = SessionStep::Idle;
    switch (step) {
    case SessionStep::RecallSent:
        SetLinkTimeout(5000);
        RequestProgram();
        break;
    case SessionStep::PresetNameSent:
        SetLinkTimeout(10000);
        Send(CMD_STORE_PRESET, static_cast<std::uint8_t>(CurrentPreset), 1);
        view_.SetProgressPosition(1);
        Step = SessionStep::StoreSent;
        Await(CMD_ACK);
        break;
    case SessionStep::StoreSent:
        view_.SetProgressPosition(view_.ProgressMax());
        Send(CMD_POLL, 0);
        view_.CloseProgress();
        EndExchange();
        tmInLevelDet->SetEnabled(true);
        break;
    case SessionStep::FactoryResetSent:
    case SessionStep::ReloadSent:
        // The full read goes on from the preset flags.
        SetLinkTimeout(5000);
        Send(CMD_SYSTEM_PARAMS);
        Await(CMD_SYSTEM_PARAMS);
        break;
    case SessionStep::PresetSelected:
        SetLinkTimeout(5000);
        Send(CMD_READ_PRESET_BLOCK, 0, 1);
        Await(CMD_READ_PRESET_BLOCK, 0);
        break;
    case SessionStep::DownloadStarted:
        SendCommand(CM_MCS_WRITE_EEPROM(static_cast<std::uint8_t>(DeviceId), 0, EepromHeaderSize, EepromHeader), 1, 1);
        Step = SessionStep::EepromHeaderSent;
        Await(CMD_ACK);
        break;
    case SessionStep::EepromHeaderSent: DownloadNextPreset(DownloadPresetIndex); break;
    default: break;
    }
}

// --- Exchanges ---------------------------------------------------------------------------------------

void DeviceSession::Send(std::uint8_t command, std::uint8_t keepDuplicates)
{
    SendCommand(LCmd(static_cast<std::uint8_t>(DeviceId), command), keepDuplicates, 1);
}

void DeviceSession::Send(std::uint8_t command, std::uint8_t argument, std::uint8_t keepDuplicates)
{
    SendCommand(CM_MCS_CMD(static_cast<std::uint8_t>(DeviceId), command, argument), keepDuplicates, 1);
}

bool DeviceSession::Awaits(std::uint8_t command, std::span<const std::uint8_t> payload, std::size_t minSize) const
{
    if (awaited_.command != command || payload.size() < minSize)
        return false;
    return awaited_.index < 0 || (!payload.empty() && payload[0] == awaited_.index);
}

void DeviceSession::Await(std::uint8_t command, int index)
{
    awaited_ = {command, index};
    // The guard never cuts the transport short: until the request has been through the
    // transport's whole resend cycle, a late answer may still come and is taken. One reply wait
    // more, and the transport has either had its answer or reported the failure itself; with no
    // progress by then, the exchange will not finish.
    std::uint64_t limit = 2 * std::uint64_t{linkTimeout_};
    WithActive([&limit](auto &proc) { limit = proc.ResendCycleMs() + static_cast<std::uint64_t>(proc.GetTimeout()); });
    longestGuard_ = std::max(longestGuard_, limit);
    tmExchangeGuard->SetEnabled(false);
    tmExchangeGuard->SetInterval(
        static_cast<unsigned>(std::clamp<std::uint64_t>(longestGuard_, 1, std::numeric_limits<unsigned>::max())));
    tmExchangeGuard->SetEnabled(true);
}

void DeviceSession::EndExchange()
{
    const bool running = awaited_.command != 0;
    awaited_ = {};
    longestGuard_ = 0;
    tmExchangeGuard->SetEnabled(false);
    tmProcessShow->SetEnabled(false);
    if (running && view_.IsProgressVisible())
        view_.CloseProgress();
}

void DeviceSession::FailExchange()
{
    if (Connected)
        LinkFailed();
    else
        EndExchange();
}

void DeviceSession::tmExchangeGuardTimer()
{
    tmExchangeGuard->SetEnabled(false);
    FailExchange();
}
