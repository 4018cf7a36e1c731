// Opening and closing the link: the connection attempts, the disconnect, the front-ends that tune
// the active transport, and the timers that close a link from the message loop.

#include "mainwindow/DeviceSession.h"

#include "device/DeviceFrame.h"
#include "mainwindow/LinkTexts.h"
#include "mainwindow/PortNames.h"
#include "platform/os/ProgramFolder.h"

#include <algorithm>
#include <deque>

namespace {

constexpr unsigned SerialBaudRate = 115200;
constexpr std::uint8_t SerialDataBits = 8, SerialNoParity = 0, SerialOneStopBit = 0;

}  // namespace

// --- Transports ------------------------------------------------------------------------------------

void DeviceSession::RetireActive()
{
    if (CommProc)
        Retire(CommProc);
    else if (UsbProc)
        Retire(UsbProc);
    else if (NetProc) {
        Retire(NetProc);
        socket_.SetActive(false);
    }
}

void DeviceSession::TransportClosed()
{
    Connected = 0;
    HandshakePending = 0;
    Step = SessionStep::Idle;
    FileLoadStep = 0;
    EndExchange();
    tmInLevelDet->SetEnabled(false);
    // An upload whose link closed before its file was named is abandoned: no file dialog over
    // the scan dialog, nothing written. A disconnect still due (after a download) or a broken
    // link still to be reported (an unplugged device) was about this link: neither may close the
    // next one.
    tmUpload->SetEnabled(false);
    tmDisconnect->SetEnabled(false);
    tmLinkBroken->SetEnabled(false);
    view_.SetMainEnabled(true);
}

void DeviceSession::ReleaseRetired()
{
    if (deliveryDepth_ > 0) {
        // A frame of one of them may still be on its way back up the stack.
        releaseDeferred_ = true;
        return;
    }
    std::vector<Retired> done;
    done.swap(retired_);
    for (Retired &closed : done)
        Release(closed);
}

void DeviceSession::Release(Retired &closed)
{
    closed.proc.reset();
    DeallocateHWnd(closed.window);
    closed.window = nullptr;
}

// --- Connection attempts -------------------------------------------------------------------------

void DeviceSession::StartHandshake(const HandshakeSettings &settings)
{
    SetLinkTimeout(settings.waitMs);
    SetLinkRetries(settings.resends);
    HandshakePending = 1;
    Send(CMD_HANDSHAKE);
}

template <class Proc, class... OpenArgs>
bool DeviceSession::Attempt(Transport<Proc> &slot, const HandshakeSettings &settings, OpenArgs... openArgs)
{
    Connected = 0;
    Retire(slot);
    Create(slot);
    if (slot.proc->Open(openArgs...)) {
        StartHandshake(settings);
        return true;
    }
    Retire(slot);
    return false;
}

void DeviceSession::ConnectUsb()
{
    if (!Attempt(UsbProc, UsbHandshake))
        view_.SetConnectResult(0);  // the scan moves on at once
}

void DeviceSession::ConnectNet()
{
    if (!Attempt(NetProc, NetHandshake))
        view_.SetConnectResult(0);
}

void DeviceSession::ConnectCom()
{
    // The scan shows the link-broken state and moves on when this candidate's watchdog expires.
    if (!Attempt(CommProc, ComHandshake, PortNumber(ComPortName), SerialBaudRate, SerialDataBits, SerialNoParity,
                 SerialOneStopBit))
        view_.OnLinkBroken();
}

// --- Closing -----------------------------------------------------------------------------------------

void DeviceSession::CloseAllTransports()
{
    Retire(CommProc);
    Retire(UsbProc);
    if (NetProc) {
        Retire(NetProc);
        socket_.SetActive(false);
    }
}

void DeviceSession::DisconnectLink()
{
    RetireActive();
    if (!view_.GetConnectResult())
        return;
    os::ChangeToProgramFolder();
    Connected = 0;
    HidCtl->DeviceChange();
    view_.SetControlText(QStringLiteral("Connect"), GetLangText(QStringLiteral("SID_CONNECT")));
    view_.SetControlText(QStringLiteral("rzbMenuLink"), GetLangText(QStringLiteral("SID_OFFLINE")));
    view_.SetCaption(OfflineCaption());
    view_.SetControlEnabled(QStringLiteral("rzbMenuLink"), true);
    view_.SetControlEnabled(QStringLiteral("Connect"), true);
    view_.SetButtonDown(QStringLiteral("rzbMenuLink"), false);
    Online = 0;
    view_.SetMainEnabled(true);
    tmInLevelDet->SetEnabled(false);
    ResetLevelMeters();
}

// The link is lost while connected: closed, and the scan dialog offered again, never a second time
// while it is shown.
void DeviceSession::LinkFailed()
{
    DisconnectLink();
    view_.SetScanPosition(0);
    view_.OnLinkBroken();
    if (!view_.IsScanVisible())
        view_.ShowScanModal();
}

void DeviceSession::rzbMenuLinkClick()
{
    view_.SetControlEnabled(QStringLiteral("rzbMenuLink"), false);
    view_.SetControlEnabled(QStringLiteral("Connect"), false);
    view_.SetButtonDown(QStringLiteral("rzbMenuLink"), false);
    if (Online) {
        view_.SetControlText(QStringLiteral("Connect"), GetLangText(QStringLiteral("SID_CONNECT")));
        Restart(tmDisconnect);
        return;
    }
    view_.ClickRescan();
    view_.SetControlText(QStringLiteral("Connect"), GetLangText(QStringLiteral("SID_DISCONNECT")));
    // The scan runs on the dialog's timers while it is shown.
    if (!view_.IsScanVisible())
        view_.ShowScanModal();
}

void DeviceSession::StartAutoConnect()
{
    Restart(tmStartConnect);
}

void DeviceSession::tmStartConnectTimer()
{
    tmStartConnect->SetEnabled(false);
    rzbMenuLinkClick();
}

void DeviceSession::tmDisconnectTimer()
{
    tmDisconnect->SetEnabled(false);
    if (!HasTransport())
        return;
    DisconnectLink();
    view_.OnLinkBroken();
}

void DeviceSession::tmLinkBrokenTimer()
{
    tmLinkBroken->SetEnabled(false);
    if (HasTransport())
        LinkFailed();
}

// A frame came from another address: while the scan runs, this candidate is not the processor.
void DeviceSession::tmComScanTimer()
{
    tmComScan->SetEnabled(false);
    if (!view_.IsScanVisible())
        return;
    if (CommProc) {
        Retire(CommProc);
        view_.SetConnectResult(0);
    }
    if (UsbProc) {
        Retire(UsbProc);
        view_.SetConnectResult(0);
    }
    if (NetProc) {
        Retire(NetProc);
        view_.SetConnectResult(0);
    }
}

// --- The active transport -----------------------------------------------------------------------------

std::deque<BSTM> DeviceSession::WaitingFrames() const
{
    if (CommProc)
        return CommProc.proc->QueuedFrames();
    if (UsbProc)
        return UsbProc.proc->QueuedFrames();
    if (NetProc)
        return NetProc.proc->QueuedFrames();
    return {};
}

bool DeviceSession::IsCommandWaiting(std::uint8_t command) const
{
    const std::deque<BSTM> queued = WaitingFrames();
    return std::any_of(queued.begin(), queued.end(), [command](const BSTM &frame) {
        const auto parsed = ParseDeviceFrame(frame);
        return parsed && parsed->Command == command;
    });
}

bool DeviceSession::IsOnlyCommandWaiting(std::uint8_t command) const
{
    const std::deque<BSTM> queued = WaitingFrames();
    return std::all_of(queued.begin(), queued.end(), [command](const BSTM &frame) {
        const auto parsed = ParseDeviceFrame(frame);
        return parsed && parsed->Command == command;
    });
}

void DeviceSession::SetLinkTimeout(std::uint32_t ms)
{
    linkTimeout_ = ms;
    WithActive([ms](auto &proc) { proc.SetTimeout(ms); });
}

void DeviceSession::SetLinkRetries(std::uint32_t count)
{
    linkRetries_ = count;
    WithActive([count](auto &proc) { proc.SetRetryCount(count); });
}

void DeviceSession::SetPollPaused(std::uint8_t paused)
{
    WithActive([paused](auto &proc) { proc.SetPollPaused(paused); });
}

void DeviceSession::SetDeviceId(int id)
{
    if (id < 1 || id > 254)
        return;
    DeviceId = id;
    view_.SetControlText(QStringLiteral("lbShowIdNumber"), QStringLiteral("ID : ") + QString::number(id));
    WithActive([id](auto &proc) { proc.SetDeviceId(static_cast<std::uint32_t>(id)); });
}
