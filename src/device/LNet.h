#pragma once
// The network link: frames go out as socket sends through the main window (DeviceHost::NetWrite,
// logged "NET W"); the main window's socket read handler hands the received bytes in with
// OnReceived. LNetProc is the transport the main window creates: it adds the send queue, frame
// assembly and idle poll.

#include "device/HostLink.h"
#include "device/LinkProc.h"

class LNet : public HostLink {
public:
    LNet(std::unique_ptr<TransportSink> sink, DeviceHost &host)
        : HostLink(std::move(sink), host, {&DeviceHost::NetWrite, TrafficLine::NetWrite})
    {
    }
    ~LNet() override { Shutdown(); }
};

class LNetProc : public LinkProc<LNet> {
public:
    using LinkProc<LNet>::LinkProc;
    ~LNetProc() override { Shutdown(); }
};
