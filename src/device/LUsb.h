#pragma once
// The USB link: frames go out as output reports through the main window
// (DeviceHost::UsbWriteReport, logged "USB W"); the main window's USB data handler hands the
// received reports in with OnReceived. LUsbProc is the transport the main window creates: it adds
// the send queue, frame assembly and idle poll.

#include "device/HostLink.h"
#include "device/LinkProc.h"

class LUsb : public HostLink {
public:
    LUsb(std::unique_ptr<TransportSink> sink, DeviceHost &host)
        : HostLink(std::move(sink), host, {&DeviceHost::UsbWriteReport, TrafficLine::UsbWrite})
    {
    }
    ~LUsb() override { Shutdown(); }
};

class LUsbProc : public LinkProc<LUsb> {
public:
    using LinkProc<LUsb>::LinkProc;
    ~LUsbProc() override { Shutdown(); }
};
