#pragma once
// A serial port opened exclusively in raw mode, in the manner the serial link expects of the
// system's communication services: only rate, data bits, parity and stop bits are ever set; every
// other line setting stays raw (no echo, no line editing, no translation, no flow control).
// The descriptor is non-blocking; its readiness is waited on together with the link's events
// (os::WaitAny with Fd()).

#include <cstdint>
#include <string>

namespace serial {

// The system's codes for parity and stop bits, as the link passes them to Open.
enum ParityCode : std::uint8_t { NoParity = 0, OddParity = 1, EvenParity = 2, MarkParity = 3, SpaceParity = 4 };
enum StopBitsCode : std::uint8_t { OneStopBit = 0, OneAndHalfStopBits = 1, TwoStopBits = 2 };

class SerialPort {
public:
    SerialPort() = default;
    ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // Opens an existing device for reading and writing, shared with no other opener. False (and
    // `error` says why) when it does not exist, is in use, or is no terminal.
    bool Open(const std::string &path, std::string *error = nullptr);
    bool IsOpen() const { return fd_ >= 0; }
    void Close();

    // Sets rate (any rate the driver takes), data bits 5 to 8, parity and stop bits; false when
    // the values are outside those codes or the driver refuses them.
    bool Configure(unsigned rate, std::uint8_t byteSize, std::uint8_t parity, std::uint8_t stopBits);
    // The rate the driver reports now; 0 when it cannot be read.
    unsigned Rate() const;
    // Drops what waits in both directions.
    bool Purge();
    // Received bytes waiting to be read; -1 when the port cannot say.
    int Available() const;

    // Reads what is there without waiting: the count read, 0 when nothing waits, -1 when the
    // port is gone (hang-up or error).
    int Read(void *buffer, int size);
    // Writes every byte, waiting for room in the driver's queue at most `timeoutMs` in all.
    // Returns false when the port fails or the time runs out before everything went.
    bool Write(const void *bytes, int count, int timeoutMs = 2000);

    int Fd() const { return fd_; }

private:
    int fd_ = -1;
};

}  // namespace serial
