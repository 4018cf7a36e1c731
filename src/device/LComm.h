#pragma once
// The serial link. LComm opens a port of the port table (COM1 to COM98) exclusively, sets its rate
// and framing, and its worker reads every byte the port holds whenever it is readable. Frames are
// written to the port ("COM W" lines when given); an extra write (SetExtraWrites) repeats the
// pending frame at the next time-out without counting as a resend. The serial retry rules report
// a frame at the first time-out after its last resend. LCommProc is the transport the main window
// creates: it adds the send queue, frame assembly ("COM R" lines) and idle poll.

#include "device/FrameAssembler.h"
#include "device/LinkProc.h"
#include "device/LinkTransport.h"
#include "platform/serial/SerialPort.h"

class LComm : public LinkTransport {
public:
    static constexpr std::size_t TxBufferSize = 1024;
    static constexpr int MinPort = 1, MaxPort = 98;
    static constexpr unsigned MinRate = 1200, MaxRate = 128000;
    // A write that finds no room in the driver's queue for this long has failed.
    static constexpr int WriteTimeoutMs = 1000;
    // LinkProc's description of the link.
    static constexpr std::uint8_t InitialFramed = FrameAssembler::FramedMode;
    static constexpr int PollWaitTimeout = 2000;
    static constexpr bool LogsReceivedFrames = true;

    LComm(std::unique_ptr<TransportSink> sink, DeviceHost &host);
    ~LComm() override;

    // Opens port `portNo` with the rate, data bits, parity code (0 none) and stop-bit code (0 one)
    // and starts the worker. False when already open, when the port number or rate is outside
    // 1 to 98 and 1200 to 128000, or when the port cannot be opened or set; nothing stays open.
    bool Open(int portNo, unsigned baudRate, std::uint8_t byteSize, std::uint8_t parity, std::uint8_t stopBits);

    void SetExtraWrites(std::uint32_t count);

protected:
    bool PhysicalWrite(const std::uint8_t *bytes, int count) override;
    // Each frame given is logged ("COM W"), not its resends.
    void FrameCopied(const std::uint8_t *bytes, int count) override;
    bool ReadPending() override;
    void CloseHandles() override;

private:
    serial::SerialPort port_;
};

class LCommProc : public LinkProc<LComm> {
public:
    using LinkProc<LComm>::LinkProc;
    ~LCommProc() override { Shutdown(); }
};
