#pragma once
// A link whose bytes go through the main window: LUsb and LNet. Each frame is written by a call
// up to the main window (a USB output report, a socket send) on the worker thread, logged as a
// traffic line, and the received bytes are handed in by the main window's data handlers with
// OnReceived. The two links differ only in that call and its line.

#include "device/DeviceHost.h"
#include "device/FrameAssembler.h"
#include "device/LinkTransport.h"

class HostLink : public LinkTransport {
public:
    static constexpr std::size_t TxBufferSize = 128;
    // LinkProc's description of the link.
    static constexpr std::uint8_t InitialFramed = FrameAssembler::BlockMode;
    static constexpr int PollWaitTimeout = 5000;
    static constexpr bool LogsReceivedFrames = false;

    struct Writer {
        bool (DeviceHost::*write)(const std::uint8_t *bytes, int count);
        TrafficLine line;
    };

    ~HostLink() override;

    // Starts the worker; false when already open or when it cannot start.
    bool Open();
    // Received bytes, on the GUI thread: queued for the worker, which assembles them.
    void OnReceived(const std::uint8_t *bytes, int count) { HandOver(bytes, count); }

protected:
    HostLink(std::unique_ptr<TransportSink> sink, DeviceHost &host, Writer writer);
    bool PhysicalWrite(const std::uint8_t *bytes, int count) override;

private:
    Writer writer_;
};
