#pragma once
// An open HID interface. Reports follow one convention whatever the backend: byte 0 is the report
// ID (0 for devices without numbered reports), the data follows, and a report has its type's
// length from the report descriptor: what is written is padded with zeros or cut to it, what is
// read is cut to the caller's buffer and padded up to the input report length.
//
// Close may come from any thread while another thread waits in ReadReport: the wait ends at once
// with Closed, and the descriptor (or whatever the backend holds) is released only when the last
// reference to the handle goes away, never under a thread that still uses it.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/hid/HidTypes.h"
#include "platform/hid/PreparsedData.h"

namespace hid {

// What the interface reports about itself, read when it is opened.
struct DeviceDescription {
    Attributes attributes;
    std::vector<std::uint8_t> reportDescriptor;
    std::u16string manufacturer, product, serialNumber;
    std::vector<std::uint16_t> languages;  // string 0; empty when the device has none
    std::vector<std::pair<std::uint8_t, std::u16string>> indexedStrings;
};

enum class ReadStatus { Report, Timeout, Closed, Failed };

class Handle {
public:
    Handle(Access access, DeviceDescription description);
    virtual ~Handle();
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    Access access() const { return access_; }
    bool CanRead() const { return access_ == Access::Read || access_ == Access::ReadWrite; }
    bool CanWrite() const { return access_ == Access::Write || access_ == Access::ReadWrite; }
    const DeviceDescription &description() const { return description_; }
    // Null when the report descriptor could not be parsed.
    const PreparsedData *preparsed() const { return preparsed_.get(); }
    std::uint16_t ReportLength(ReportType type) const;

    // Writes one output report (ID then data), padded or cut to the output report length.
    // `written` receives the bytes taken from `report`. False (LastError set) on failure.
    bool WriteReport(const std::uint8_t *report, std::size_t size, std::size_t *written);
    // Waits at most `timeoutMs` (negative: no limit) for one input report and stores it at
    // `buffer` as described above; `got` receives the bytes stored.
    ReadStatus ReadReport(std::uint8_t *buffer, std::size_t size, std::size_t *got, int timeoutMs);
    // Drops the input reports waiting on this handle.
    bool FlushQueue();

    // Thread-safe; wakes a waiting read. Later operations fail.
    void Close();
    bool IsClosed() const { return closed_.load(); }

    // Strings in the platform's convention: 16-bit characters into a byte buffer, zero-terminated
    // when there is room, cut at the buffer's end. False when the device has no such string.
    bool GetManufacturerString(void *buffer, std::size_t bytes) const;
    bool GetProductString(void *buffer, std::size_t bytes) const;
    bool GetSerialNumberString(void *buffer, std::size_t bytes) const;
    bool GetIndexedString(unsigned index, void *buffer, std::size_t bytes) const;
    // Physical descriptor set 0; fails with ENOBUFS when `bytes` is too small for it.
    virtual bool GetPhysicalDescriptor(void *buffer, std::size_t bytes) const;

    // Input buffer count of the handle's report queue.
    virtual bool GetNumInputBuffers(std::uint32_t *count) const;
    virtual bool SetNumInputBuffers(std::uint32_t count);
    // Feature and control-pipe reports; the buffer starts with the report ID. Unsupported requests
    // fail with LastError ENOTSUP.
    virtual bool GetFeature(std::uint8_t *report, std::size_t size);
    virtual bool SetFeature(const std::uint8_t *report, std::size_t size);
    virtual bool GetInputReport(std::uint8_t *report, std::size_t size);
    virtual bool SetOutputReport(const std::uint8_t *report, std::size_t size);

protected:
    // One report as the device node hands it over (without the ID byte for unnumbered reports).
    virtual ReadStatus RawRead(std::vector<std::uint8_t> &report, int timeoutMs) = 0;
    // One report as the device node takes it (always with the ID byte first).
    virtual bool RawWrite(const std::uint8_t *report, std::size_t size) = 0;
    // Ends a wait in RawRead (called by Close).
    virtual void Wake() = 0;
    bool Fail(int error) const;  // sets LastError, answers false

private:
    Access access_;
    DeviceDescription description_;
    std::unique_ptr<PreparsedData> preparsed_;
    std::atomic<bool> closed_{false};
};

}  // namespace hid
