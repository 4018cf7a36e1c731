// TJvHidDevice: strings, descriptors, configuration, the report-parsing wrappers and the device
// requests through the synchronous handle.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

#include "device/JvHidDevice.h"
#include "platform/hid/HidStatus.h"
#include "platform/hid/LanguageNames.h"
#include "platform/hid/ReportParsing.h"
#include "platform/os/CodePage.h"

namespace {

constexpr std::size_t kStringWords = 254;  // a 508-byte string buffer
constexpr std::size_t kPhysicalWords = 2048;

using StringBuffer = char16_t[kStringWords];

QString TextOf(const char16_t *words)
{
    std::size_t n = 0;
    while (n < kStringWords && words[n] != 0)
        ++n;
    return QString::fromUtf16(words, static_cast<qsizetype>(n));
}

// Number of language IDs in string 0 read into a buffer of 0xFFFF words: the index of the last
// word the device wrote, plus one unless that word is the terminating zero.
std::size_t LanguageCount(const char16_t *words)
{
    for (std::size_t i = kStringWords; i-- > 0;)
        if (words[i] != 0xFFFF)
            return words[i] != 0 ? i + 1 : i;
    return 0;
}

}  // namespace

// A string read once and then kept.
QString TJvHidDevice::KeptString(QString &kept, bool (hid::Handle::*get)(void *, std::size_t) const)
{
    if (kept.isEmpty() && OpenFile()) {
        StringBuffer buffer = {};
        if (((*FileHandle()).*get)(buffer, sizeof buffer))
            kept = TextOf(buffer);
        CloseFile();
    }
    return kept;
}

QString TJvHidDevice::GetVendorName() { return KeptString(FVendorName, &hid::Handle::GetManufacturerString); }
QString TJvHidDevice::GetProductName() { return KeptString(FProductName, &hid::Handle::GetProductString); }

QString TJvHidDevice::GetSerialNumber()
{
    if (FSerialNumber.isEmpty() && OpenFile()) {
        std::shared_ptr<hid::Handle> handle = FileHandle();
        StringBuffer serial = {};
        if (handle->GetSerialNumberString(serial, sizeof serial)) {
            StringBuffer languages;
            std::memset(languages, 0xFF, sizeof languages);
            handle->GetIndexedString(0, languages, sizeof languages);
            // A device without string 0, or one that answers with its language list, has no
            // serial number.
            const std::size_t n = LanguageCount(languages);
            for (std::size_t i = 0; i < n; ++i) {
                if (serial[i] != languages[i]) {
                    FSerialNumber = TextOf(serial);
                    break;
                }
            }
        }
        CloseFile();
    }
    return FSerialNumber;
}

const QStringList &TJvHidDevice::GetLanguageStrings()
{
    if (FLanguageStrings.isEmpty() && OpenFile()) {
        StringBuffer languages;
        std::memset(languages, 0xFF, sizeof languages);
        FileHandle()->GetIndexedString(0, languages, sizeof languages);
        const std::size_t n = LanguageCount(languages);
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint16_t id = languages[i];
            const std::string name = hid::LanguageName(id);
            if (!name.empty()) {
                FLanguageStrings << QString::fromStdString(name);
            } else {
                char text[40];
                std::snprintf(text, sizeof text, "unknown Locale ID $%.4x", static_cast<unsigned>(id));
                FLanguageStrings << QString::fromLatin1(text);
            }
        }
        CloseFile();
    }
    return FLanguageStrings;
}

QString TJvHidDevice::GetDeviceStringUnicode(std::uint8_t Idx)
{
    if (Idx == 0 || !OpenFile())
        return {};
    StringBuffer buffer = {};
    return FileHandle()->GetIndexedString(Idx, buffer, sizeof buffer) ? TextOf(buffer) : QString();
}

std::string TJvHidDevice::GetDeviceStringAnsi(std::uint8_t Idx)
{
    return os::UnicodeToAnsi(GetDeviceStringUnicode(Idx).toStdU16String());
}

const TJvPhysicalDescriptor &TJvHidDevice::GetPhysicalDescriptor()
{
    if (FPhysicalDescriptor.empty() && OpenFile()) {
        std::shared_ptr<hid::Handle> handle = FileHandle();
        TJvPhysicalDescriptor words(kPhysicalWords);
        bool ok = false;
        std::size_t i = 0;
        for (; i <= kPhysicalWords; ++i) {
            ok = handle->GetPhysicalDescriptor(words.data(), i * 2);
            if (ok || hid::LastError() != ENOBUFS)
                break;
        }
        words.resize(ok ? i : 0);
        FPhysicalDescriptor = std::move(words);
        CloseFile();
    }
    return FPhysicalDescriptor;
}

hid::LinkCollectionNode TJvHidDevice::GetLinkCollectionNode(std::uint16_t Idx)
{
    if (FLinkCollection.empty()) {
        const hid::PreparsedData *data = GetPreparsedData();
        std::uint32_t count = data ? data->caps().NumberLinkCollectionNodes : 0;
        FLinkCollection.resize(count);
        if (count > 0 && hid::GetLinkCollectionNodes(FLinkCollection.data(), &count, data) != hid::kStatusSuccess)
            FLinkCollection.clear();
    }
    return Idx < FLinkCollection.size() ? FLinkCollection[Idx] : hid::LinkCollectionNode();
}

// Linux keeps no configuration record of HID devices: the getter answers a zeroed one and the
// setter changes nothing.
hid::Configuration TJvHidDevice::GetConfiguration()
{
    OpenFile();
    return hid::Configuration();
}

void TJvHidDevice::SetConfiguration(const hid::Configuration &)
{
    if (OpenFile())
        hid::SetLastError(ENOTSUP);
}

// ---- Selections ----------------------------------------------------------------------------------

void TJvHidDevice::GetMax()
{
    if (!IsAccessible())
        return;
    const hid::PreparsedData *data = GetPreparsedData();
    FMaxDataListLength = hid::MaxDataListLength(ReportType(), data);
    FMaxUsageListLength = hid::MaxUsageListLength(ReportType(), FUsagePageParam, data);
    FMaxButtonListLength = FMaxUsageListLength;
}

void TJvHidDevice::SetReportTypeParam(std::uint32_t Value)
{
    FReportTypeParam = Value;
    GetMax();
}

void TJvHidDevice::SetUsagePageParam(std::uint16_t Value)
{
    FUsagePageParam = Value;
    GetMax();
}

// ---- Report-parsing wrappers -----------------------------------------------------------------

hid::Status TJvHidDevice::Guarded(const std::function<hid::Status(const hid::PreparsedData *)> &call)
{
    if (!IsAccessible())
        return hid::kStatusNull;
    return call(GetPreparsedData());
}

namespace {
const std::uint8_t *In(const void *report) { return static_cast<const std::uint8_t *>(report); }
std::uint8_t *Out(void *report) { return static_cast<std::uint8_t *>(report); }
}  // namespace

hid::Status TJvHidDevice::GetButtonCaps(hid::ButtonCaps *ButtonCaps, std::uint16_t &Count)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::GetSpecificButtonCaps(ReportType(), 0, 0, 0, ButtonCaps, &Count, pp); });
}

hid::Status TJvHidDevice::GetSpecificButtonCaps(hid::ButtonCaps *ButtonCaps, std::uint16_t &Count)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::GetSpecificButtonCaps(ReportType(), FUsagePageParam, FLinkCollectionParam, FUsageParam, ButtonCaps, &Count, pp); });
}

hid::Status TJvHidDevice::GetValueCaps(hid::ValueCaps *ValueCaps, std::uint16_t &Count)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::GetSpecificValueCaps(ReportType(), 0, 0, 0, ValueCaps, &Count, pp); });
}

hid::Status TJvHidDevice::GetSpecificValueCaps(hid::ValueCaps *ValueCaps, std::uint16_t &Count)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::GetSpecificValueCaps(ReportType(), FUsagePageParam, FLinkCollectionParam, FUsageParam, ValueCaps, &Count, pp); });
}

hid::Status TJvHidDevice::GetData(hid::Data *DataList, std::uint32_t &DataLength, const void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::GetData(ReportType(), DataList, &DataLength, pp, In(Report), ReportLength); });
}

hid::Status TJvHidDevice::SetData(hid::Data *DataList, std::uint32_t &DataLength, void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::SetData(ReportType(), DataList, &DataLength, pp, Out(Report), ReportLength); });
}

hid::Status TJvHidDevice::GetUsages(hid::UsageCode *UsageList, std::uint32_t &UsageLength, const void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::GetUsages(ReportType(), FUsagePageParam, FLinkCollectionParam, UsageList, &UsageLength, pp, In(Report), ReportLength); });
}

hid::Status TJvHidDevice::GetButtons(hid::UsageCode *UsageList, std::uint32_t &UsageLength, const void *Report, std::uint32_t ReportLength)
{
    return GetUsages(UsageList, UsageLength, Report, ReportLength);
}

hid::Status TJvHidDevice::GetUsagesEx(hid::UsageAndPage *UsageList, std::uint32_t &UsageLength, const void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::GetUsagesEx(ReportType(), FLinkCollectionParam, UsageList, &UsageLength, pp, In(Report), ReportLength); });
}

hid::Status TJvHidDevice::GetButtonsEx(hid::UsageAndPage *UsageList, std::uint32_t &UsageLength, const void *Report, std::uint32_t ReportLength)
{
    return GetUsagesEx(UsageList, UsageLength, Report, ReportLength);
}

hid::Status TJvHidDevice::SetUsages(const hid::UsageCode *UsageList, std::uint32_t &UsageLength, void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::SetUsages(ReportType(), FUsagePageParam, FLinkCollectionParam, UsageList, &UsageLength, pp, Out(Report), ReportLength); });
}

hid::Status TJvHidDevice::SetButtons(const hid::UsageCode *UsageList, std::uint32_t &UsageLength, void *Report, std::uint32_t ReportLength)
{
    return SetUsages(UsageList, UsageLength, Report, ReportLength);
}

hid::Status TJvHidDevice::UnsetUsages(const hid::UsageCode *UsageList, std::uint32_t &UsageLength, void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::UnsetUsages(ReportType(), FUsagePageParam, FLinkCollectionParam, UsageList, &UsageLength, pp, Out(Report), ReportLength); });
}

hid::Status TJvHidDevice::UnsetButtons(const hid::UsageCode *UsageList, std::uint32_t &UsageLength, void *Report, std::uint32_t ReportLength)
{
    return UnsetUsages(UsageList, UsageLength, Report, ReportLength);
}

hid::Status TJvHidDevice::GetUsageValue(std::uint32_t &UsageValue, const void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::GetUsageValue(ReportType(), FUsagePageParam, FLinkCollectionParam, FUsageParam, &UsageValue, pp, In(Report), ReportLength); });
}

hid::Status TJvHidDevice::GetScaledUsageValue(std::int32_t &UsageValue, const void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::GetScaledUsageValue(ReportType(), FUsagePageParam, FLinkCollectionParam, FUsageParam, &UsageValue, pp, In(Report), ReportLength); });
}

hid::Status TJvHidDevice::GetUsageValueArray(void *UsageValue, std::uint16_t UsageValueByteLength, const void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::GetUsageValueArray(ReportType(), FUsagePageParam, FLinkCollectionParam, FUsageParam,
                                        static_cast<std::uint8_t *>(UsageValue), UsageValueByteLength, pp, In(Report), ReportLength); });
}

hid::Status TJvHidDevice::SetUsageValue(std::uint32_t UsageValue, void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::SetUsageValue(ReportType(), FUsagePageParam, FLinkCollectionParam, FUsageParam, UsageValue, pp, Out(Report), ReportLength); });
}

hid::Status TJvHidDevice::SetScaledUsageValue(std::int32_t UsageValue, void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::SetScaledUsageValue(ReportType(), FUsagePageParam, FLinkCollectionParam, FUsageParam, UsageValue, pp, Out(Report), ReportLength); });
}

hid::Status TJvHidDevice::SetUsageValueArray(const void *UsageValue, std::uint16_t UsageValueByteLength, void *Report, std::uint32_t ReportLength)
{
    return Guarded([&](const hid::PreparsedData *pp) { return hid::SetUsageValueArray(ReportType(), FUsagePageParam, FLinkCollectionParam, FUsageParam,
                                        static_cast<const std::uint8_t *>(UsageValue), UsageValueByteLength, pp, Out(Report), ReportLength); });
}

hid::Status TJvHidDevice::GetExtendedAttributes(hid::ReportType ReportType, std::uint16_t DataIndex, void *Attributes,
                                                std::uint32_t &LengthAttributes)
{
    return hid::GetExtendedAttributes(ReportType, DataIndex, FPreparsedData.get(), Attributes, &LengthAttributes);
}

hid::Status TJvHidDevice::InitializeReportForID(hid::ReportType ReportType, std::uint8_t ReportID, void *Report,
                                                std::uint32_t ReportLength)
{
    return hid::InitializeReportForID(ReportType, ReportID, FPreparsedData.get(), Out(Report), ReportLength);
}

// ---- Device requests -----------------------------------------------------------------------------

bool TJvHidDevice::FlushQueue()
{
    return OpenFile() && FileHandle()->FlushQueue();
}

bool TJvHidDevice::GetFeature(void *Report, std::uint32_t Size)
{
    return OpenFile() && FileHandle()->GetFeature(Out(Report), Size);
}

bool TJvHidDevice::SetFeature(const void *Report, std::uint32_t Size)
{
    return OpenFile() && FileHandle()->SetFeature(In(Report), Size);
}

bool TJvHidDevice::GetInputReport(void *Report, std::uint32_t Size)
{
    return OpenFile() && FileHandle()->GetInputReport(Out(Report), Size);
}

bool TJvHidDevice::SetOutputReport(const void *Report, std::uint32_t Size)
{
    return OpenFile() && FileHandle()->SetOutputReport(In(Report), Size);
}

bool TJvHidDevice::DeviceIoControl(std::uint32_t, const void *, std::uint32_t, void *, std::uint32_t, std::uint32_t &BytesReturned)
{
    BytesReturned = 0;
    if (!OpenFile())
        return false;
    hid::SetLastError(ENOTSUP);
    return false;
}
