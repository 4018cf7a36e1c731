#include "platform/hid/Handle.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/hid/HidStatus.h"

namespace hid {

namespace {

bool CopyString(const std::u16string &text, void *buffer, std::size_t bytes)
{
    if (!buffer)
        return false;
    const std::size_t words = bytes / 2;
    const std::size_t n = std::min(text.size() + 1, words);  // with the terminating zero if it fits
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t c = i < text.size() ? text[i] : u'\0';
        std::memcpy(static_cast<char *>(buffer) + 2 * i, &c, 2);
    }
    return true;
}

}  // namespace

Handle::Handle(Access access, DeviceDescription description)
    : access_(access), description_(std::move(description)),
      preparsed_(PreparsedData::Parse(description_.reportDescriptor))
{
}

Handle::~Handle() = default;

bool Handle::Fail(int error) const
{
    SetLastError(static_cast<std::uint32_t>(error));
    return false;
}

std::uint16_t Handle::ReportLength(ReportType type) const
{
    return preparsed_ ? preparsed_->caps().ReportByteLength(type) : 0;
}

bool Handle::WriteReport(const std::uint8_t *report, std::size_t size, std::size_t *written)
{
    if (written)
        *written = 0;
    if (IsClosed())
        return Fail(EBADF);
    if (!CanWrite())
        return Fail(EACCES);
    const std::size_t length = ReportLength(ReportType::Output);
    if (length == 0 || !report || size == 0)
        return Fail(EINVAL);
    std::vector<std::uint8_t> out(length, 0);
    const std::size_t taken = std::min(size, length);
    std::copy(report, report + taken, out.begin());
    if (!RawWrite(out.data(), out.size()))
        return false;
    if (written)
        *written = taken;
    return true;
}

ReadStatus Handle::ReadReport(std::uint8_t *buffer, std::size_t size, std::size_t *got, int timeoutMs)
{
    if (got)
        *got = 0;
    if (IsClosed()) {
        Fail(EBADF);
        return ReadStatus::Closed;
    }
    if (!CanRead()) {
        Fail(EACCES);
        return ReadStatus::Failed;
    }
    if (!buffer || size == 0) {
        Fail(EINVAL);
        return ReadStatus::Failed;
    }
    std::vector<std::uint8_t> raw;
    const ReadStatus status = RawRead(raw, timeoutMs);
    if (status != ReadStatus::Report)
        return IsClosed() ? ReadStatus::Closed : status;
    if (!preparsed_ || !preparsed_->usesReportIds())
        raw.insert(raw.begin(), std::uint8_t{0});
    const std::size_t length = std::min<std::size_t>(size, std::max<std::size_t>(raw.size(), ReportLength(ReportType::Input)));
    std::fill(buffer, buffer + length, std::uint8_t{0});
    std::copy(raw.begin(), raw.begin() + std::min(raw.size(), length), buffer);
    if (got)
        *got = length;
    return ReadStatus::Report;
}

bool Handle::FlushQueue()
{
    if (IsClosed())
        return Fail(EBADF);
    if (!CanRead())
        return true;
    std::vector<std::uint8_t> raw;
    while (RawRead(raw, 0) == ReadStatus::Report)
        raw.clear();
    return true;
}

void Handle::Close()
{
    if (!closed_.exchange(true))
        Wake();
}

bool Handle::GetManufacturerString(void *buffer, std::size_t bytes) const
{
    return !description_.manufacturer.empty() ? CopyString(description_.manufacturer, buffer, bytes) : Fail(ENOENT);
}

bool Handle::GetProductString(void *buffer, std::size_t bytes) const
{
    return !description_.product.empty() ? CopyString(description_.product, buffer, bytes) : Fail(ENOENT);
}

bool Handle::GetSerialNumberString(void *buffer, std::size_t bytes) const
{
    return !description_.serialNumber.empty() ? CopyString(description_.serialNumber, buffer, bytes) : Fail(ENOENT);
}

bool Handle::GetIndexedString(unsigned index, void *buffer, std::size_t bytes) const
{
    if (index == 0) {
        if (description_.languages.empty())
            return Fail(ENOENT);
        return CopyString(std::u16string(description_.languages.begin(), description_.languages.end()), buffer, bytes);
    }
    for (const auto &[i, text] : description_.indexedStrings)
        if (i == index)
            return CopyString(text, buffer, bytes);
    return Fail(ENOENT);
}

// Neither hidraw nor our test devices have physical descriptors.
bool Handle::GetPhysicalDescriptor(void *, std::size_t) const { return Fail(ENOTSUP); }
bool Handle::GetNumInputBuffers(std::uint32_t *) const { return Fail(ENOTSUP); }
bool Handle::SetNumInputBuffers(std::uint32_t) { return Fail(ENOTSUP); }
bool Handle::GetFeature(std::uint8_t *, std::size_t) { return Fail(ENOTSUP); }
bool Handle::SetFeature(const std::uint8_t *, std::size_t) { return Fail(ENOTSUP); }
bool Handle::GetInputReport(std::uint8_t *, std::size_t) { return Fail(ENOTSUP); }
bool Handle::SetOutputReport(const std::uint8_t *, std::size_t) { return Fail(ENOTSUP); }

}  // namespace hid
