// The connection exchange and the full read: each reply handler takes the reply its exchange waits
// for (the dispatch has checked its code and length) and sends the next request.

#include "mainwindow/DeviceSession.h"

#include "mainwindow/LinkTexts.h"
#include "platform/os/ProgramFolder.h"

namespace {

// Reply waits after the handshake and after the identity, in ms, and the resends of a connection.
constexpr std::uint32_t ReadWaitMs = 5000;
constexpr std::uint32_t UsbReadWaitMs = 5000;
constexpr std::uint32_t OtherReadWaitMs = 1000;
constexpr std::uint32_t ReadResends = 2;
// Byte of the lock-state reply that says the operation lock is on.
constexpr std::size_t LockFlagOffset = 5;
// The preset names read, indexes 0 to 30, and the program's progress steps (blocks 0 to 10).
constexpr int LastPresetIndex = PresetCount - 1;
constexpr int ReadProgressMax = LastImageBlock + 1;

}  // namespace

void DeviceSession::OnHandshakeReply(std::uint8_t, const BSTM &)
{
    HandshakePending = 0;
    Connected = 1;
    // A step left from before this connection would take the next acknowledgement for its own.
    Step = SessionStep::Idle;
    // The reply wait is set before the request that uses it.
    SetPollPaused(0);
    SetLinkRetries(ReadResends);
    SetLinkTimeout(ReadWaitMs);
    Send(CMD_IDENTITY);
    Await(CMD_IDENTITY);
}

void DeviceSession::OnIdentityReply(std::uint8_t, const BSTM &payload)
{
    const std::string_view identity(reinterpret_cast<const char *>(payload.data()), payload.size());
    const char *error = nullptr;
    if (!identity.starts_with(UnitModel))
        error = "SID_INFO_ERROR_UNIT";
    else if (!identity.starts_with(UnitIdentity))
        error = "SID_INFO_ERROR_VERSION";
    if (error) {
        // Not a processor this editor serves: it is told to let go, and the link closes once the
        // user has read why.
        EndExchange();
        SendCommand(LCmd(AnyDevice, CMD_DISCONNECT), 1, 1);
        SetPollPaused(1);
        view_.HideScan();
        const QString text = GetLangText(QString::fromLatin1(error));
        Connected = 0;
        view_.ShowInformation(text);
        Restart(tmDisconnect);
        return;
    }
    view_.SetControlText(QStringLiteral("rzbMenuLink"), GetLangText(QStringLiteral("SID_ONLINE")));
    view_.SetControlText(QStringLiteral("Connect"), GetLangText(QStringLiteral("SID_DISCONNECT")));
    view_.SetCaption(ConnectedCaption(PortText()));
    view_.SetButtonDown(QStringLiteral("rzbMenuLink"), true);
    SetLinkTimeout(!CommProc && UsbProc ? UsbReadWaitMs : OtherReadWaitMs);
    Online = 1;
    Send(CMD_LOCK_STATUS);
    Await(CMD_LOCK_STATUS);
}

QString DeviceSession::PortText() const
{
    if (CommProc)
        return ComPortName;
    if (UsbProc)
        return QStringLiteral("USB");
    return QStringLiteral("IP : ") + DottedAddress(IpAddress);
}

void DeviceSession::OnLockStatusReply(std::uint8_t, const BSTM &payload)
{
    if (payload[LockFlagOffset] != 0) {
        // The unlock dialog sends the preset-flags request once the password is accepted; the
        // user takes as long as they need, so the exchange waits without a time limit.
        Step = SessionStep::OperationLocked;
        Restart(tmPts);
        Await(CMD_SYSTEM_PARAMS);
        tmExchangeGuard->SetEnabled(false);
        return;
    }
    Send(CMD_SYSTEM_PARAMS, 0);
    Await(CMD_SYSTEM_PARAMS);
}

void DeviceSession::tmPtsTimer()
{
    tmPts->SetEnabled(false);
    if (Step == SessionStep::OperationLocked)
        view_.ShowUnlockDialog();
}

void DeviceSession::OnSystemParamsReply(std::uint8_t, const BSTM &payload)
{
    Send(CMD_CURRENT_PRESET);
    UnitControl->SetPresetFlags(payload);
    UnitControl->ResetPresetNames();
    view_.SetProgressStatus(GetLangText(QStringLiteral("SID_UPLOAD_PARAMETER")));
    view_.SetProgressPosition(0);
    view_.SetProgressMax(ReadProgressMax);
    Restart(tmProcessShow);
    Await(CMD_CURRENT_PRESET);
}

// Shows the progress window only while the read that prepared it still runs: a fast read may have
// ended before this fires.
void DeviceSession::tmProcessShowTimer()
{
    tmProcessShow->SetEnabled(false);
    if (awaited_.command != 0 && !view_.IsProgressVisible())
        view_.ShowProgressModal();
}

void DeviceSession::OnCurrentPresetReply(std::uint8_t, std::uint8_t preset)
{
    CurrentPreset = preset;
    Send(CMD_READ_PRESET_NAME, 0, 1);
    Await(CMD_READ_PRESET_NAME, 0);
}

void DeviceSession::OnPresetNameReply(std::uint8_t, const BSTM &payload)
{
    if (awaited_.command != CMD_READ_PRESET_NAME || payload.size() < 1 + PresetNameSize)
        return;
    const int n = payload[0];
    if (n > LastPresetIndex) {
        // No such preset: the read cannot go on.
        FailExchange();
        return;
    }
    if (n != awaited_.index)
        return;  // a late or repeated answer
    UnitControl->SetPresetListName(n + 1, payload);
    if (n < LastPresetIndex) {
        Send(CMD_READ_PRESET_NAME, static_cast<std::uint8_t>(n + 1), 1);
        Await(CMD_READ_PRESET_NAME, n + 1);
    }
    else {
        RequestProgram();
    }
}

void DeviceSession::RequestProgram()
{
    editedDuringRead_ = false;
    Send(CMD_READ_PROGRAM_BLOCK, 0, 1);
    Await(CMD_SELECT_PRESET, 0);
}

void DeviceSession::OnProgramBlockReply(std::uint8_t address, const BSTM &payload)
{
    if (!Awaits(CMD_SELECT_PRESET, payload, 1))
        return;
    os::ChangeToProgramFolder();
    const BlockStoreResult stored = UnitControl->StoreProgramBlock(payload);
    const int block = payload[0];
    if (block < LastImageBlock) {
        SendCommand(CM_MCS_CMD(address, CMD_READ_PROGRAM_BLOCK, static_cast<std::uint8_t>(block + 1)), 1, 1);
        view_.SetProgressPosition(block);
        Await(CMD_SELECT_PRESET, block + 1);
        return;
    }
    if (stored != BlockStoreResult::Committed) {
        // A block went missing or came short: refreshing would show a program the processor does
        // not hold.
        FailExchange();
        return;
    }
    if (editedDuringRead_) {
        // The user changed a setting meanwhile: the processor has it now, behind the blocks it
        // had already sent, so the program is read once more.
        RequestProgram();
        return;
    }
    view_.SetProgressPosition(ReadProgressMax);
    Send(CMD_POLL, 0);
    EndExchange();
    view_.RefreshFromModel();
    tmInLevelDet->SetEnabled(true);
    view_.SetControlEnabled(QStringLiteral("rzbMenuLink"), true);
    view_.SetControlEnabled(QStringLiteral("Connect"), true);
    view_.SetButtonDown(QStringLiteral("rzbMenuLink"), false);
    view_.SetButtonDown(QStringLiteral("rzbMenuLink"), true);
}
