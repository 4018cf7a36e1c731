#include "device/HostLink.h"

HostLink::HostLink(std::unique_ptr<TransportSink> sink, DeviceHost &host, Writer writer)
    : LinkTransport(std::move(sink), host, RetryRules::UsbOrNetwork, TxBufferSize), writer_(writer)
{
}

HostLink::~HostLink() { StopWorker(); }

bool HostLink::Open() { return StartWorker(); }

bool HostLink::PhysicalWrite(const std::uint8_t *bytes, int count)
{
    const bool written = (Host.*writer_.write)(bytes, count);
    Sink().Log(writer_.line, bytes, count);
    return written;
}
