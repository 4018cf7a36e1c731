// The session's side of the physical links: the USB device (check-out, reports both ways, removal),
// the TCP client (sends and reads) and the traffic lines of the raw-traffic monitor.

#include "mainwindow/DeviceSession.h"

#include "mainwindow/LinkTexts.h"

#include <algorithm>

namespace {

// A received report or socket read carries one frame from its start: 10 02 SRC DST LEN ...; the
// frame ends LEN + 8 bytes after its first byte.
constexpr std::size_t LengthOffset = 4;
constexpr int FrameEnvelope = 8;
// Bytes taken from one report or one socket read.
constexpr int ReceiveBufferSize = 100;
constexpr int UsbReportId = 0;

const QString DetectHidText = QStringLiteral("Detect HID");

// Bytes from the start of `bytes` up to the end of the frame that starts there, at most `count`.
int FrameExtent(const std::uint8_t *bytes, int count)
{
    if (count <= static_cast<int>(LengthOffset))
        return count;
    return std::min(count, bytes[LengthOffset] + FrameEnvelope);
}

}  // namespace

// --- USB ---------------------------------------------------------------------------------------------

void DeviceSession::HidCtlDeviceChange()
{
    HidCtl->Enumerate();
}

bool DeviceSession::HidCtlEnumerate(TJvHidDevice *device, int index)
{
    // Every device is offered at each change; ours is taken once and kept.
    if (device->Attributes().ProductID != HidProductId || device == HidDevice)
        return true;
    TJvHidDevice *taken = nullptr;
    if (!HidCtl->CheckOutByIndex(taken, index))
        return true;
    // The last one found is used; one found before would stay open for nothing.
    if (HidDevice)
        HidCtl->CheckIn(HidDevice);
    HidDevice = taken;
    UsbOut.Attach(HidDevice);
    ShowHidStatus();
    return true;
}

void DeviceSession::ShowHidStatus()
{
    if (HidDevice)
        view_.SetControlText(QStringLiteral("lbStatus"), DetectHidText);
}

void DeviceSession::HidCtlDeviceData(TJvHidDevice *device, std::uint8_t reportId, const void *data, std::uint16_t size)
{
    // A report too short to hold a length byte carries no frame.
    if (device != HidDevice || !data || size <= LengthOffset)
        return;
    const auto *bytes = static_cast<const std::uint8_t *>(data);
    const int count = std::min(FrameExtent(bytes, size), ReceiveBufferSize);
    if (UsbProc)
        UsbProc.proc->OnReceived(bytes, count);
    LogLine(static_cast<bool>(UsbProc), QStringLiteral("USB R %1  ").arg(reportId, 2, 16, QLatin1Char('0')).toUpper(),
            {bytes, static_cast<std::size_t>(count)});
}

void DeviceSession::HidCtlDeviceDataError(TJvHidDevice *device, std::uint32_t)
{
    // A failed read matters only to a USB link reading from the device in use: it breaks that link
    // as an unplug does, and the scan dialog says so. Offline, in Demo or over another link nobody
    // waits for the device's reports, and nothing is shown.
    if (device && device == HidDevice && UsbProc)
        Restart(tmLinkBroken);
}

void DeviceSession::HidCtlDeviceUnplug(TJvHidDevice *device)
{
    // Whatever its vendor, the device in use is let go of at once, so that nothing writes to it.
    if (!device || device != HidDevice)
        return;
    HidCtl->CheckIn(HidDevice);
    if (view_.IsMainVisible() && view_.ControlText(QStringLiteral("lbStatus")) == DetectHidText)
        view_.SetControlText(QStringLiteral("lbStatus"), QStringLiteral("OffLine"));
    if (UsbProc)
        Restart(tmLinkBroken);
}

bool DeviceSession::UsbWriteReport(const std::uint8_t *bytes, int count)
{
    return bytes && count > 0 && UsbOut.WriteReport(UsbReportId, bytes, static_cast<std::size_t>(count));
}

// --- Network -----------------------------------------------------------------------------------------

void DeviceSession::ConnectNetworkSocket()
{
    if (AutoIpSetting == 0)
        socket_.SetActive(true);
    else
        IpAddress = 0;
}

bool DeviceSession::NetWrite(const std::uint8_t *bytes, int count)
{
    if (!bytes || count <= 0)
        return false;
    {
        std::lock_guard lock(netFrameMutex_);
        LastNetFrameLength = static_cast<std::uint8_t>(std::min<std::size_t>(count, LastNetFrameSize));
        std::copy_n(bytes, LastNetFrameLength, LastNetFrame.begin());
    }
    return socket_.SendBuf(bytes, count) == count;
}

void DeviceSession::ClientSocketConnecting()
{
    view_.SetNetworkStatus(QStringLiteral("Network Connecting"));
}

void DeviceSession::ClientSocketConnect(net::ClientSocket &socket)
{
    view_.SetNetworkStatus(QStringLiteral("Connecting IP:") + QString::fromStdString(socket.RemoteAddress()));
}

// Every read goes to the transport, whose assembly finds the frames however TCP cut them.
void DeviceSession::ClientSocketRead(net::ClientSocket &socket)
{
    std::uint8_t buffer[ReceiveBufferSize];
    const int n = socket.ReceiveBuf(buffer, ReceiveBufferSize);
    if (n <= 0)
        return;
    if (NetProc)
        NetProc.proc->OnReceived(buffer, n);
    LogLine(static_cast<bool>(NetProc), QStringLiteral("NET R "),
            {buffer, static_cast<std::size_t>(FrameExtent(buffer, n))});
}

// --- Traffic lines -----------------------------------------------------------------------------------

void DeviceSession::LogLine(bool transportExists, const QString &prefix, std::span<const std::uint8_t> bytes)
{
    if (transportExists && view_.IsTrafficVisible())
        view_.AddTrafficLine(TrafficText(prefix, bytes));
}

void DeviceSession::LogComWrite(const std::uint8_t *bytes, int count)
{
    LogLine(static_cast<bool>(CommProc), QStringLiteral("COM W "), {bytes, static_cast<std::size_t>(count)});
}

void DeviceSession::LogComRead(const std::uint8_t *bytes, int count)
{
    LogLine(static_cast<bool>(CommProc), QStringLiteral("COM R "), {bytes, static_cast<std::size_t>(count)});
}

void DeviceSession::LogUsbWrite(const std::uint8_t *bytes, int count)
{
    LogLine(static_cast<bool>(UsbProc), QStringLiteral("USB W 00  "), {bytes, static_cast<std::size_t>(count)});
}

void DeviceSession::LogNetWrite(const std::uint8_t *bytes, int count)
{
    LogLine(static_cast<bool>(NetProc), QStringLiteral("NET W "), {bytes, static_cast<std::size_t>(count)});
}
