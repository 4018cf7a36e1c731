#include "platform/hid/ReportParsing.h"

#include <algorithm>
#include <functional>

#include "platform/hid/HidStatus.h"

namespace hid {

namespace {

bool ValidType(ReportType type) { return static_cast<std::uint32_t>(type) < kReportTypeCount; }

std::uint32_t ReadBits(const std::uint8_t *report, std::uint32_t length, std::uint32_t pos, std::uint16_t size)
{
    std::uint32_t value = 0;
    const std::uint16_t bits = std::min<std::uint16_t>(size, 32);
    for (std::uint16_t i = 0; i < bits; ++i) {
        const std::uint32_t bit = pos + i;
        if (bit / 8 >= length)
            break;
        if ((report[bit / 8] >> (bit % 8)) & 1)
            value |= 1u << i;
    }
    return value;
}

void WriteBits(std::uint8_t *report, std::uint32_t length, std::uint32_t pos, std::uint16_t size, std::uint32_t value)
{
    for (std::uint16_t i = 0; i < size; ++i) {
        const std::uint32_t bit = pos + i;
        if (bit / 8 >= length)
            break;
        const auto mask = static_cast<std::uint8_t>(1u << (bit % 8));
        const bool on = i < 32 && ((value >> i) & 1);
        report[bit / 8] = on ? (report[bit / 8] | mask) : (report[bit / 8] & ~mask);
    }
}

std::int64_t SignExtend(std::uint32_t raw, std::uint16_t size)
{
    if (size == 0 || size >= 32)
        return static_cast<std::int32_t>(raw);
    const std::uint32_t sign = 1u << (size - 1);
    return (raw & sign) ? std::int64_t(raw) - (std::int64_t(1) << size) : std::int64_t(raw);
}

// The checks every operation on a report buffer starts with.
Status CheckReport(ReportType type, const PreparsedData *data, const std::uint8_t *report, std::uint32_t length)
{
    if (!data)
        return kStatusInvalidPreparsedData;
    if (!ValidType(type))
        return kStatusInvalidReportType;
    if (!report || length == 0 || length != data->caps().ReportByteLength(type))
        return kStatusInvalidReportLength;
    return kStatusSuccess;
}

bool Selected(const ReportControl &rc, UsageCode page, std::uint16_t linkCollection)
{
    return (page == 0 || rc.caps.UsagePage == page) && (linkCollection == 0 || rc.caps.LinkCollection == linkCollection);
}

// Finds the control of the report in `report[0]` that carries `usage`: usage-not-found when no
// report has it, incompatible-report-ID when only other reports have it.
Status Find(const PreparsedData *data, ReportType type, bool button, UsageCode page, std::uint16_t linkCollection,
            UsageCode usage, std::uint8_t reportId, const ReportControl **found)
{
    bool elsewhere = false;
    for (const ReportControl &rc : data->controls(type)) {
        if (rc.isButton != button || !Selected(rc, page, linkCollection) || rc.caps.UsagePage != page || !rc.HasUsage(usage))
            continue;
        if (rc.caps.ReportID == reportId) {
            *found = &rc;
            return kStatusSuccess;
        }
        elsewhere = true;
    }
    return elsewhere ? kStatusIncompatibleReportId : kStatusUsageNotFound;
}

// Calls `on(usage)` for every button of the control that is on in the report.
void ForEachOn(const ReportControl &rc, const std::uint8_t *report, std::uint32_t length,
               const std::function<void(UsageCode)> &on)
{
    if (!rc.isArray) {
        for (std::uint16_t k = 0; k < rc.reportCount; ++k)
            if (ReadBits(report, length, rc.bitPos + k, 1))
                on(static_cast<UsageCode>(rc.caps.Range.UsageMin + k));
        return;
    }
    for (std::uint16_t slot = 0; slot < rc.reportCount; ++slot) {
        const std::int64_t value = rc.caps.LogicalMin < 0 ? SignExtend(ReadBits(report, length, rc.bitPos + slot * rc.bitSize, rc.bitSize), rc.bitSize)
                                                          : ReadBits(report, length, rc.bitPos + slot * rc.bitSize, rc.bitSize);
        const std::int64_t index = value - rc.caps.LogicalMin - rc.arrayIndexBase;
        if (index < 0 || index >= rc.Usages())
            continue;
        const auto usage = static_cast<UsageCode>(rc.caps.Range.UsageMin + index);
        if (usage != 0)  // usage 0 in an array slot means "nothing"
            on(usage);
    }
}

std::uint32_t ArrayValue(const ReportControl &rc, UsageCode usage)
{
    return static_cast<std::uint32_t>(rc.caps.LogicalMin + std::int64_t(rc.arrayIndexBase) + (usage - rc.caps.Range.UsageMin));
}

// Whether an array slot holds a usage of any control of its field.
bool SlotInUse(const PreparsedData *data, ReportType type, const ReportControl &field, std::uint32_t raw)
{
    for (const ReportControl &rc : data->controls(type)) {
        if (!rc.isArray || rc.bitPos != field.bitPos || rc.caps.ReportID != field.caps.ReportID)
            continue;
        const std::int64_t index = std::int64_t(raw) - rc.caps.LogicalMin - rc.arrayIndexBase;
        if (index >= 0 && index < rc.Usages() && rc.caps.Range.UsageMin + index != 0)
            return true;
    }
    return false;
}

Status SetButton(const PreparsedData *data, ReportType type, const ReportControl &rc, UsageCode usage, bool on,
                 std::uint8_t *report, std::uint32_t length)
{
    if (!rc.isArray) {
        const std::uint32_t bit = rc.bitPos + (usage - rc.caps.Range.UsageMin);
        if (!on && !ReadBits(report, length, bit, 1))
            return kStatusButtonNotPressed;
        WriteBits(report, length, bit, 1, on ? 1 : 0);
        return kStatusSuccess;
    }
    const std::uint32_t wanted = ArrayValue(rc, usage) & (rc.bitSize >= 32 ? 0xFFFFFFFFu : ((1u << rc.bitSize) - 1));
    int freeSlot = -1;
    for (std::uint16_t slot = 0; slot < rc.reportCount; ++slot) {
        const std::uint32_t pos = rc.bitPos + slot * rc.bitSize;
        const std::uint32_t raw = ReadBits(report, length, pos, rc.bitSize);
        if (raw == wanted) {
            if (!on)
                WriteBits(report, length, pos, rc.bitSize, 0);
            return kStatusSuccess;
        }
        if (freeSlot < 0 && !SlotInUse(data, type, rc, raw))
            freeSlot = slot;
    }
    if (!on)
        return kStatusButtonNotPressed;
    if (freeSlot < 0)
        return kStatusBufferTooSmall;
    WriteBits(report, length, rc.bitPos + freeSlot * rc.bitSize, rc.bitSize, wanted);
    return kStatusSuccess;
}

template <typename Out>
Status CollectCaps(ReportType type, bool button, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                   Out *caps, std::uint16_t *length, const PreparsedData *data, Out (*convert)(const ReportControl &))
{
    if (!data)
        return kStatusInvalidPreparsedData;
    if (!ValidType(type))
        return kStatusInvalidReportType;
    if (!length)
        return kStatusInvalidReportLength;
    std::uint16_t count = 0;
    bool any = false;
    for (const ReportControl &rc : data->controls(type)) {
        if (rc.isButton != button || !Selected(rc, page, linkCollection) || (usage != 0 && !rc.HasUsage(usage)))
            continue;
        any = true;
        if (caps && count < *length)
            caps[count++] = convert(rc);
    }
    *length = count;
    return any ? kStatusSuccess : kStatusUsageNotFound;
}

ButtonCaps ToButtonCaps(const ReportControl &rc)
{
    ButtonCaps b;
    static_cast<CapsCommon &>(b) = rc.caps;
    return b;
}

ValueCaps ToValueCaps(const ReportControl &rc) { return rc.caps; }

bool IsValueArray(const ReportControl &rc) { return !rc.caps.IsRange && rc.reportCount > 1; }

std::uint32_t ValuePos(const ReportControl &rc, UsageCode usage)
{
    return rc.bitPos + std::uint32_t(usage - rc.caps.Range.UsageMin) * rc.bitSize;
}

Status FindValue(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage, const PreparsedData *data,
                 const std::uint8_t *report, std::uint32_t length, const ReportControl **found)
{
    const Status check = CheckReport(type, data, report, length);
    if (check != kStatusSuccess)
        return check;
    return Find(data, type, false, page, linkCollection, usage, report[0], found);
}

// Physical range of a value; a value without one uses its logical range.
void PhysicalRange(const ValueCaps &c, std::int64_t *min, std::int64_t *max)
{
    *min = c.PhysicalMin;
    *max = c.PhysicalMax;
    if (*min == 0 && *max == 0) {
        *min = c.LogicalMin;
        *max = c.LogicalMax;
    }
}

// offset * span / range for an offset within [0, range] and spans of 32-bit ranges: every factor
// is below 2^32, so the product fits an unsigned 64-bit number where a signed one would overflow.
std::int64_t Rescale(std::int64_t offset, std::int64_t span, std::int64_t range)
{
    return static_cast<std::int64_t>(std::uint64_t(offset) * std::uint64_t(span) / std::uint64_t(range));
}

// A single value of the report (not a value array).
Status FindScalar(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage, const PreparsedData *data,
                  const std::uint8_t *report, std::uint32_t length, const ReportControl **found)
{
    const Status status = FindValue(type, page, linkCollection, usage, data, report, length, found);
    if (status != kStatusSuccess)
        return status;
    return IsValueArray(**found) ? kStatusIsValueArray : kStatusSuccess;
}

// A single value with usable logical and physical ranges.
Status FindScaled(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage, const PreparsedData *data,
                  const std::uint8_t *report, std::uint32_t length, const ReportControl **found, std::int64_t *pmin,
                  std::int64_t *pmax)
{
    const Status status = FindScalar(type, page, linkCollection, usage, data, report, length, found);
    if (status != kStatusSuccess)
        return status;
    const ValueCaps &c = (*found)->caps;
    PhysicalRange(c, pmin, pmax);
    return c.LogicalMin >= c.LogicalMax || *pmin >= *pmax ? kStatusBadLogPhyValues : kStatusSuccess;
}

// A value array of whole bytes that fits a caller's buffer; `bytes` receives its size.
Status FindArray(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage, const PreparsedData *data,
                 const std::uint8_t *report, std::uint32_t length, const void *buffer, std::uint16_t bufferLength,
                 const ReportControl **found, std::uint32_t *bytes)
{
    const Status status = FindValue(type, page, linkCollection, usage, data, report, length, found);
    if (status != kStatusSuccess)
        return status;
    const ReportControl &rc = **found;
    if (!IsValueArray(rc))
        return kStatusNotValueArray;
    if (rc.bitSize % 8 != 0)
        return kStatusNotImplemented;
    *bytes = std::uint32_t(rc.bitSize / 8) * rc.reportCount;
    return !buffer || bufferLength < *bytes ? kStatusBufferTooSmall : kStatusSuccess;
}

std::uint32_t NullValue(const ValueCaps &c)
{
    if (c.LogicalMin > 0 || c.LogicalMax < 0)
        return 0;
    const std::uint16_t size = std::min<std::uint16_t>(c.BitSize, 32);
    // In 64 bits: a range that reaches the 32-bit limits has its null value outside them.
    if (c.LogicalMin < 0)
        return static_cast<std::uint32_t>(std::int64_t{c.LogicalMin} - 1);  // most negative below the range
    const std::uint64_t top = (std::uint64_t(1) << size) - 1;
    return std::uint64_t(c.LogicalMax) < top ? static_cast<std::uint32_t>(std::uint64_t(c.LogicalMax) + 1) : 0;
}

Status CollectOn(ReportType type, UsageCode page, std::uint16_t linkCollection, bool anyPage,
                 const PreparsedData *data, const std::uint8_t *report, std::uint32_t reportLength,
                 std::uint32_t *length, const std::function<void(std::uint32_t, const ReportControl &, UsageCode)> &store)
{
    const Status check = CheckReport(type, data, report, reportLength);
    if (check != kStatusSuccess)
        return check;
    if (!length)
        return kStatusBufferTooSmall;
    bool any = false, here = false;
    std::uint32_t count = 0;
    for (const ReportControl &rc : data->controls(type)) {
        if (!rc.isButton || !Selected(rc, anyPage ? 0 : page, linkCollection) || (!anyPage && rc.caps.UsagePage != page))
            continue;
        any = true;
        if (rc.caps.ReportID != report[0])
            continue;
        here = true;
        ForEachOn(rc, report, reportLength, [&](UsageCode usage) {
            if (count < *length)
                store(count, rc, usage);
            ++count;
        });
    }
    if (!any)
        return kStatusUsageNotFound;
    if (!here)
        return kStatusIncompatibleReportId;
    const bool fits = count <= *length;
    *length = count;
    return fits ? kStatusSuccess : kStatusBufferTooSmall;
}

Status ChangeUsages(ReportType type, UsageCode page, std::uint16_t linkCollection, const UsageCode *list,
                    std::uint32_t *length, const PreparsedData *data, std::uint8_t *report, std::uint32_t reportLength,
                    bool on)
{
    const Status check = CheckReport(type, data, report, reportLength);
    if (check != kStatusSuccess)
        return check;
    if (!length || (*length > 0 && !list))
        return kStatusBufferTooSmall;
    for (std::uint32_t i = 0; i < *length; ++i) {
        const ReportControl *rc = nullptr;
        Status status = Find(data, type, true, page, linkCollection, list[i], report[0], &rc);
        if (status == kStatusSuccess)
            status = SetButton(data, type, *rc, list[i], on, report, reportLength);
        if (status != kStatusSuccess) {
            *length = i;
            return status;
        }
    }
    return kStatusSuccess;
}

}  // namespace

Status GetCaps(const PreparsedData *data, Caps *caps)
{
    if (!data)
        return kStatusInvalidPreparsedData;
    if (caps)
        *caps = data->caps();
    return kStatusSuccess;
}

Status GetLinkCollectionNodes(LinkCollectionNode *nodes, std::uint32_t *length, const PreparsedData *data)
{
    if (!data)
        return kStatusInvalidPreparsedData;
    if (!length)
        return kStatusBufferTooSmall;
    const auto &all = data->nodes();
    const bool fits = *length >= all.size() && (nodes || all.empty());
    if (fits)
        std::copy(all.begin(), all.end(), nodes);
    *length = static_cast<std::uint32_t>(all.size());
    return fits ? kStatusSuccess : kStatusBufferTooSmall;
}

Status GetSpecificButtonCaps(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                             ButtonCaps *caps, std::uint16_t *length, const PreparsedData *data)
{
    return CollectCaps(type, true, page, linkCollection, usage, caps, length, data, &ToButtonCaps);
}

Status GetSpecificValueCaps(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                            ValueCaps *caps, std::uint16_t *length, const PreparsedData *data)
{
    return CollectCaps(type, false, page, linkCollection, usage, caps, length, data, &ToValueCaps);
}

std::uint32_t MaxDataListLength(ReportType type, const PreparsedData *data)
{
    if (!data || !ValidType(type))
        return 0;
    const Caps &c = data->caps();
    return type == ReportType::Input ? c.NumberInputDataIndices
           : type == ReportType::Output ? c.NumberOutputDataIndices
                                        : c.NumberFeatureDataIndices;
}

std::uint32_t MaxUsageListLength(ReportType type, UsageCode page, const PreparsedData *data)
{
    if (!data || !ValidType(type))
        return 0;
    std::uint32_t total = 0;
    std::vector<std::pair<std::uint8_t, std::uint32_t>> arrays;  // fields counted once
    for (const ReportControl &rc : data->controls(type)) {
        if (!rc.isButton || (page != 0 && rc.caps.UsagePage != page))
            continue;
        if (!rc.isArray) {
            total += rc.Usages();
        } else if (std::find(arrays.begin(), arrays.end(), std::pair{rc.caps.ReportID, rc.bitPos}) == arrays.end()) {
            arrays.emplace_back(rc.caps.ReportID, rc.bitPos);
            total += rc.reportCount;
        }
    }
    return total;
}

Status GetData(ReportType type, Data *list, std::uint32_t *length, const PreparsedData *data,
               const std::uint8_t *report, std::uint32_t reportLength)
{
    const Status check = CheckReport(type, data, report, reportLength);
    if (check != kStatusSuccess)
        return check;
    if (!length)
        return kStatusBufferTooSmall;
    std::uint32_t count = 0;
    auto store = [&](std::uint16_t index, std::uint32_t raw) {
        if (count < *length && list)
            list[count] = Data{index, 0, raw};
        ++count;
    };
    for (const ReportControl &rc : data->controls(type)) {
        if (rc.caps.ReportID != report[0])
            continue;
        if (rc.isButton) {
            ForEachOn(rc, report, reportLength, [&](UsageCode usage) {
                store(static_cast<std::uint16_t>(rc.caps.Range.DataIndexMin + (usage - rc.caps.Range.UsageMin)), 1);
            });
        } else if (!IsValueArray(rc)) {
            for (std::uint16_t k = 0; k < rc.reportCount; ++k)
                store(static_cast<std::uint16_t>(rc.caps.Range.DataIndexMin + k),
                      ReadBits(report, reportLength, rc.bitPos + k * rc.bitSize, rc.bitSize));
        }
    }
    const bool fits = count <= *length;
    *length = std::min(count, *length);
    return fits ? kStatusSuccess : kStatusBufferTooSmall;
}

Status SetData(ReportType type, Data *list, std::uint32_t *length, const PreparsedData *data,
               std::uint8_t *report, std::uint32_t reportLength)
{
    const Status check = CheckReport(type, data, report, reportLength);
    if (check != kStatusSuccess)
        return check;
    if (!length || (*length > 0 && !list))
        return kStatusBufferTooSmall;
    for (std::uint32_t i = 0; i < *length; ++i) {
        const std::uint16_t index = list[i].DataIndex;
        const ReportControl *hit = nullptr;
        bool elsewhere = false;
        for (const ReportControl &rc : data->controls(type)) {
            if (index < rc.caps.Range.DataIndexMin || index > rc.caps.Range.DataIndexMax)
                continue;
            if (rc.caps.ReportID == report[0])
                hit = &rc;
            else
                elsewhere = true;
        }
        Status status = hit ? kStatusSuccess : elsewhere ? kStatusIncompatibleReportId : kStatusDataIndexNotFound;
        if (hit && hit->isButton) {
            const auto usage = static_cast<UsageCode>(hit->caps.Range.UsageMin + (index - hit->caps.Range.DataIndexMin));
            status = SetButton(data, type, *hit, usage, list[i].RawValue != 0, report, reportLength);
            if (status == kStatusButtonNotPressed)
                status = kStatusSuccess;  // turning off what is off
        } else if (hit && IsValueArray(*hit)) {
            status = kStatusIsValueArray;
        } else if (hit) {
            WriteBits(report, reportLength, hit->bitPos + (index - hit->caps.Range.DataIndexMin) * hit->bitSize,
                      hit->bitSize, list[i].RawValue);
        }
        if (status != kStatusSuccess) {
            *length = i;
            return status;
        }
    }
    return kStatusSuccess;
}

Status GetUsages(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode *list,
                 std::uint32_t *length, const PreparsedData *data, const std::uint8_t *report,
                 std::uint32_t reportLength)
{
    return CollectOn(type, page, linkCollection, false, data, report, reportLength, length,
                     [&](std::uint32_t i, const ReportControl &, UsageCode usage) {
                         if (list)
                             list[i] = usage;
                     });
}

Status GetUsagesEx(ReportType type, std::uint16_t linkCollection, UsageAndPage *list, std::uint32_t *length,
                   const PreparsedData *data, const std::uint8_t *report, std::uint32_t reportLength)
{
    return CollectOn(type, 0, linkCollection, true, data, report, reportLength, length,
                     [&](std::uint32_t i, const ReportControl &rc, UsageCode usage) {
                         if (list)
                             list[i] = UsageAndPage{usage, rc.caps.UsagePage};
                     });
}

Status SetUsages(ReportType type, UsageCode page, std::uint16_t linkCollection, const UsageCode *list,
                 std::uint32_t *length, const PreparsedData *data, std::uint8_t *report, std::uint32_t reportLength)
{
    return ChangeUsages(type, page, linkCollection, list, length, data, report, reportLength, true);
}

Status UnsetUsages(ReportType type, UsageCode page, std::uint16_t linkCollection, const UsageCode *list,
                   std::uint32_t *length, const PreparsedData *data, std::uint8_t *report, std::uint32_t reportLength)
{
    return ChangeUsages(type, page, linkCollection, list, length, data, report, reportLength, false);
}

Status GetUsageValue(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                     std::uint32_t *value, const PreparsedData *data, const std::uint8_t *report,
                     std::uint32_t reportLength)
{
    const ReportControl *rc = nullptr;
    const Status status = FindScalar(type, page, linkCollection, usage, data, report, reportLength, &rc);
    if (status == kStatusSuccess && value)
        *value = ReadBits(report, reportLength, ValuePos(*rc, usage), rc->bitSize);
    return status;
}

Status GetScaledUsageValue(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                           std::int32_t *value, const PreparsedData *data, const std::uint8_t *report,
                           std::uint32_t reportLength)
{
    const ReportControl *rc = nullptr;
    std::int64_t pmin = 0, pmax = 0;
    const Status status = FindScaled(type, page, linkCollection, usage, data, report, reportLength, &rc, &pmin, &pmax);
    if (status != kStatusSuccess)
        return status;
    const ValueCaps &c = rc->caps;
    const std::uint32_t raw = ReadBits(report, reportLength, ValuePos(*rc, usage), rc->bitSize);
    const std::int64_t logical = c.LogicalMin < 0 ? SignExtend(raw, rc->bitSize) : std::int64_t(raw);
    if (logical < c.LogicalMin || logical > c.LogicalMax)
        return c.HasNull ? kStatusNull : kStatusValueOutOfRange;
    if (value)
        *value = static_cast<std::int32_t>(
            Rescale(logical - c.LogicalMin, pmax - pmin, std::int64_t(c.LogicalMax) - c.LogicalMin) + pmin);
    return kStatusSuccess;
}

Status GetUsageValueArray(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                          std::uint8_t *buffer, std::uint16_t bufferLength, const PreparsedData *data,
                          const std::uint8_t *report, std::uint32_t reportLength)
{
    const ReportControl *rc = nullptr;
    std::uint32_t bytes = 0;
    const Status status = FindArray(type, page, linkCollection, usage, data, report, reportLength, buffer, bufferLength, &rc, &bytes);
    for (std::uint32_t i = 0; status == kStatusSuccess && i < bytes; ++i)
        buffer[i] = static_cast<std::uint8_t>(ReadBits(report, reportLength, rc->bitPos + i * 8, 8));
    return status;
}

Status SetUsageValue(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                     std::uint32_t value, const PreparsedData *data, std::uint8_t *report, std::uint32_t reportLength)
{
    const ReportControl *rc = nullptr;
    const Status status = FindScalar(type, page, linkCollection, usage, data, report, reportLength, &rc);
    if (status == kStatusSuccess)
        WriteBits(report, reportLength, ValuePos(*rc, usage), rc->bitSize, value);
    return status;
}

Status SetScaledUsageValue(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                           std::int32_t value, const PreparsedData *data, std::uint8_t *report,
                           std::uint32_t reportLength)
{
    const ReportControl *rc = nullptr;
    std::int64_t pmin = 0, pmax = 0;
    const Status status = FindScaled(type, page, linkCollection, usage, data, report, reportLength, &rc, &pmin, &pmax);
    if (status != kStatusSuccess)
        return status;
    const ValueCaps &c = rc->caps;
    if (value < pmin || value > pmax) {
        if (!c.HasNull)
            return kStatusValueOutOfRange;
        WriteBits(report, reportLength, ValuePos(*rc, usage), rc->bitSize, NullValue(c));
        return kStatusNull;
    }
    const std::int64_t logical =
        Rescale(value - pmin, std::int64_t(c.LogicalMax) - c.LogicalMin, pmax - pmin) + c.LogicalMin;
    WriteBits(report, reportLength, ValuePos(*rc, usage), rc->bitSize, static_cast<std::uint32_t>(logical));
    return kStatusSuccess;
}

Status SetUsageValueArray(ReportType type, UsageCode page, std::uint16_t linkCollection, UsageCode usage,
                          const std::uint8_t *buffer, std::uint16_t bufferLength, const PreparsedData *data,
                          std::uint8_t *report, std::uint32_t reportLength)
{
    const ReportControl *rc = nullptr;
    std::uint32_t bytes = 0;
    const Status status = FindArray(type, page, linkCollection, usage, data, report, reportLength, buffer, bufferLength, &rc, &bytes);
    for (std::uint32_t i = 0; status == kStatusSuccess && i < bytes; ++i)
        WriteBits(report, reportLength, rc->bitPos + i * 8, 8, buffer[i]);
    return status;
}

Status GetExtendedAttributes(ReportType type, std::uint16_t, const PreparsedData *data, void *, std::uint32_t *)
{
    if (!data)
        return kStatusInvalidPreparsedData;
    if (!ValidType(type))
        return kStatusInvalidReportType;
    return kStatusNotImplemented;
}

Status InitializeReportForID(ReportType type, std::uint8_t reportId, const PreparsedData *data,
                             std::uint8_t *report, std::uint32_t reportLength)
{
    const Status check = CheckReport(type, data, report, reportLength);
    if (check != kStatusSuccess)
        return check;
    if (!data->HasReport(type, reportId))
        return kStatusReportDoesNotExist;
    std::fill(report, report + reportLength, std::uint8_t{0});
    report[0] = reportId;
    for (const ReportControl &rc : data->controls(type)) {
        if (rc.isButton || rc.caps.ReportID != reportId || !rc.caps.HasNull)
            continue;
        for (std::uint16_t k = 0; k < rc.reportCount; ++k)
            WriteBits(report, reportLength, rc.bitPos + k * rc.bitSize, rc.bitSize, NullValue(rc.caps));
    }
    return kStatusSuccess;
}

}  // namespace hid
