#include "device/LComm.h"

#include "platform/serial/PortTable.h"

#include <climits>

LComm::LComm(std::unique_ptr<TransportSink> sink, DeviceHost &host)
    : LinkTransport(std::move(sink), host, RetryRules::Serial, TxBufferSize)
{
}

LComm::~LComm()
{
    Shutdown();
    CloseHandles();
}

bool LComm::Open(int portNo, unsigned baudRate, std::uint8_t byteSize, std::uint8_t parity, std::uint8_t stopBits)
{
    if (portNo < MinPort || portNo > MaxPort || baudRate < MinRate || baudRate > MaxRate)
        return false;
    if (IsOpen() || WorkerStarted())
        return false;
    {
        os::CriticalSectionLock lock(Lock);
        const std::string path = serial::PortTable::Instance().PathOf(portNo);
        if (path.empty() || !port_.Open(path))
            return false;
        if (!port_.Configure(baudRate, byteSize, parity, stopBits)) {
            port_.Close();
            return false;
        }
        port_.Purge();
    }
    if (!StartWorker(port_.Fd())) {
        CloseHandles();
        return false;
    }
    return true;
}

void LComm::FrameCopied(const std::uint8_t *bytes, int count) { Sink().Log(TrafficLine::ComWrite, bytes, count); }

void LComm::SetExtraWrites(std::uint32_t count)
{
    os::CriticalSectionLock lock(Lock);
    Retry.ExtraWrites = static_cast<int>(count > INT_MAX ? INT_MAX : count);
}

// The port is used by the worker alone while it runs (Open and Close touch it only before it
// starts and after it has been joined), so reads and writes need no lock.
bool LComm::PhysicalWrite(const std::uint8_t *bytes, int count) { return port_.Write(bytes, count, WriteTimeoutMs); }

bool LComm::ReadPending()
{
    // Everything the port holds now, then each byte to the assembly without the lock.
    std::uint8_t buffer[256];
    for (;;) {
        if (Stopping())
            return true;
        const int n = port_.Read(buffer, sizeof buffer);
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        for (int i = 0; i < n && !Stopping(); ++i)
            OnByte(buffer[i]);
    }
}

void LComm::CloseHandles()
{
    LinkTransport::CloseHandles();
    if (port_.IsOpen()) {
        port_.Purge();
        port_.Close();
    }
}
