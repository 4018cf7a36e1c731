#include "platform/hid/PreparsedData.h"

#include <algorithm>

namespace hid {

namespace {

constexpr std::uint32_t kMaxReportBits = 0xFFFFu * 8;  // report lengths are 16-bit byte counts

enum ItemType { kMain = 0, kGlobal = 1, kLocal = 2 };
enum MainTag { kInput = 0x8, kOutput = 0x9, kCollection = 0xA, kFeature = 0xB, kEndCollection = 0xC };
enum GlobalTag {
    kUsagePage = 0, kLogicalMin, kLogicalMax, kPhysicalMin, kPhysicalMax, kUnitExponent, kUnit,
    kReportSize, kReportId, kReportCount, kPush, kPop
};
enum LocalTag {
    kUsage = 0, kUsageMin, kUsageMax, kDesignatorIndex, kDesignatorMin, kDesignatorMax,
    kStringIndex = 7, kStringMin, kStringMax
};
enum MainFlags { kConstant = 0x01, kVariable = 0x02, kRelative = 0x04, kNullState = 0x40 };

struct Globals {
    std::uint32_t usagePage = 0;
    std::int64_t logicalMin = 0, logicalMaxSigned = 0, logicalMaxUnsigned = 0;
    std::int64_t physicalMin = 0, physicalMaxSigned = 0, physicalMaxUnsigned = 0;
    std::uint32_t unitExponent = 0, unit = 0;
    std::uint32_t reportSize = 0, reportCount = 0;
    std::uint8_t reportId = 0;
};

// A maximum written as an unsigned number when the minimum is not negative (0 .. 255 in one byte
// must not read as 0 .. -1).
std::int32_t Maximum(std::int64_t min, std::int64_t maxSigned, std::int64_t maxUnsigned)
{
    const std::int64_t max = (maxSigned < min && maxUnsigned >= min) ? maxUnsigned : maxSigned;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(max, INT32_MIN, INT32_MAX));
}

struct UsageEntry {
    std::uint32_t page = 0;  // 0: the usage page current at the main item
    std::uint16_t min = 0, max = 0;
    bool range = false;
};

struct Locals {
    std::vector<UsageEntry> usages;
    bool haveMin = false;
    UsageEntry pendingMin;
    std::uint16_t stringIndex = 0, stringMin = 0, stringMax = 0;
    bool stringRange = false;
    std::uint16_t designatorIndex = 0, designatorMin = 0, designatorMax = 0;
    bool designatorRange = false;
};

}  // namespace

class DescriptorParser {
public:
    explicit DescriptorParser(PreparsedData &out) : out_(out)
    {
        for (auto &bits : out_.reportBits_)
            bits.assign(256, 0);
    }

    bool Run(const std::uint8_t *d, std::size_t size)
    {
        std::size_t pos = 0;
        while (pos < size) {
            const std::uint8_t prefix = d[pos];
            if (prefix == 0xFE) {  // long item: size, tag, data; nothing we interpret
                if (pos + 3 > size || pos + 3 + d[pos + 1] > size)
                    return false;
                pos += 3 + d[pos + 1];
                continue;
            }
            static constexpr std::size_t kSizes[4] = {0, 1, 2, 4};
            const std::size_t n = kSizes[prefix & 3];
            if (pos + 1 + n > size)
                return false;
            std::uint32_t u = 0;
            for (std::size_t i = 0; i < n; ++i)
                u |= std::uint32_t(d[pos + 1 + i]) << (8 * i);
            std::int64_t s = u;
            if (n > 0 && n < 4 && (u >> (8 * n - 1)) & 1)
                s = std::int64_t(u) - (std::int64_t(1) << (8 * n));
            else if (n == 4)
                s = static_cast<std::int32_t>(u);
            pos += 1 + n;
            const int type = (prefix >> 2) & 3, tag = prefix >> 4;
            const bool ok = type == kMain ? Main(tag, u) : type == kGlobal ? Global(tag, u, s, n) : type == kLocal ? Local(tag, u, n) : true;
            if (!ok)
                return false;
        }
        if (!stack_.empty())
            return false;  // a collection left open
        Finish();
        return true;
    }

private:
    bool Main(int tag, std::uint32_t flags)
    {
        bool ok = true;
        switch (tag) {
        case kInput: ok = Field(ReportType::Input, flags); break;
        case kOutput: ok = Field(ReportType::Output, flags); break;
        case kFeature: ok = Field(ReportType::Feature, flags); break;
        case kCollection: ok = OpenCollection(flags & 0xFF); break;
        case kEndCollection:
            if (stack_.empty())
                return false;
            stack_.pop_back();
            break;
        default: break;
        }
        locals_ = Locals();
        return ok;
    }

    bool Global(int tag, std::uint32_t u, std::int64_t s, std::size_t n)
    {
        const std::int64_t unsignedValue = n == 0 ? 0 : std::int64_t(u);
        switch (tag) {
        case kUsagePage: g_.usagePage = u; break;
        case kLogicalMin: g_.logicalMin = s; break;
        case kLogicalMax: g_.logicalMaxSigned = s; g_.logicalMaxUnsigned = unsignedValue; break;
        case kPhysicalMin: g_.physicalMin = s; break;
        case kPhysicalMax: g_.physicalMaxSigned = s; g_.physicalMaxUnsigned = unsignedValue; break;
        case kUnitExponent: g_.unitExponent = u; break;
        case kUnit: g_.unit = u; break;
        case kReportSize: g_.reportSize = u; break;
        case kReportCount: g_.reportCount = u; break;
        case kReportId:
            if (u == 0 || u > 255)
                return false;
            g_.reportId = static_cast<std::uint8_t>(u);
            out_.usesReportIds_ = true;
            break;
        case kPush: globalStack_.push_back(g_); break;
        case kPop:
            if (globalStack_.empty())
                return false;
            g_ = globalStack_.back();
            globalStack_.pop_back();
            break;
        default: break;
        }
        return true;
    }

    bool Local(int tag, std::uint32_t u, std::size_t n)
    {
        // A four-byte usage carries its own page in the high half.
        const std::uint32_t page = n == 4 ? (u >> 16) : 0;
        const auto usage = static_cast<std::uint16_t>(u & 0xFFFF);
        switch (tag) {
        case kUsage: locals_.usages.push_back({page, usage, usage, false}); break;
        case kUsageMin:
            locals_.haveMin = true;
            locals_.pendingMin = {page, usage, usage, true};
            break;
        case kUsageMax:
            if (locals_.haveMin) {
                UsageEntry e = locals_.pendingMin;
                e.max = std::max(usage, e.min);
                locals_.usages.push_back(e);
                locals_.haveMin = false;
            }
            break;
        case kDesignatorIndex: locals_.designatorIndex = usage; break;
        case kDesignatorMin: locals_.designatorMin = usage; locals_.designatorRange = true; break;
        case kDesignatorMax: locals_.designatorMax = usage; locals_.designatorRange = true; break;
        case kStringIndex: locals_.stringIndex = usage; break;
        case kStringMin: locals_.stringMin = usage; locals_.stringRange = true; break;
        case kStringMax: locals_.stringMax = usage; locals_.stringRange = true; break;
        default: break;
        }
        return true;
    }

    std::uint32_t PageOf(const UsageEntry &e) const { return e.page != 0 ? e.page : g_.usagePage; }

    bool OpenCollection(std::uint8_t collectionType)
    {
        LinkCollectionNode node;
        if (!locals_.usages.empty()) {
            node.LinkUsage = locals_.usages.front().min;
            node.LinkUsagePage = static_cast<UsageCode>(PageOf(locals_.usages.front()));
        }
        node.CollectionType = collectionType;
        auto &nodes = out_.nodes_;
        if (nodes.size() >= 0xFFFF)
            return false;
        const auto index = static_cast<std::uint16_t>(nodes.size());
        if (!stack_.empty()) {
            node.Parent = stack_.back();
            Link(nodes[node.Parent].FirstChild, index);
            ++nodes[node.Parent].NumberOfChildren;
        } else if (index != 0) {
            // A further top-level collection: a sibling of the first.
            std::uint16_t last = 0;
            while (nodes[last].NextSibling != 0)
                last = nodes[last].NextSibling;
            nodes[last].NextSibling = index;
        }
        nodes.push_back(node);
        stack_.push_back(index);
        return true;
    }

    // Appends a child to its parent's list (node 0 is never anybody's child, so 0 means none).
    void Link(std::uint16_t &firstChild, std::uint16_t index)
    {
        if (firstChild == 0) {
            firstChild = index;
            return;
        }
        std::uint16_t last = firstChild;
        while (out_.nodes_[last].NextSibling != 0)
            last = out_.nodes_[last].NextSibling;
        out_.nodes_[last].NextSibling = index;
    }

    bool Field(ReportType type, std::uint32_t flags)
    {
        const std::size_t t = PreparsedData::Index(type);
        std::uint32_t &bits = out_.reportBits_[t][g_.reportId];
        if (bits == 0)
            bits = 8;  // the report ID byte
        const std::uint64_t fieldBits = std::uint64_t(g_.reportSize) * g_.reportCount;
        if (bits + fieldBits > kMaxReportBits || g_.reportSize > 0xFFFF)
            return false;
        const std::uint32_t first = bits;
        bits += static_cast<std::uint32_t>(fieldBits);
        if ((flags & kConstant) || fieldBits == 0)
            return true;  // padding: takes room, offers nothing

        std::vector<UsageEntry> usages = locals_.usages;
        if (usages.empty())
            usages.push_back({0, 0, 0, false});

        ReportControl base;
        base.isArray = !(flags & kVariable);
        base.isButton = base.isArray || g_.reportSize == 1;
        base.bitSize = static_cast<std::uint16_t>(g_.reportSize);
        ValueCaps &c = base.caps;
        c.ReportID = g_.reportId;
        c.BitField = static_cast<std::uint16_t>(flags & 0x1FF);
        c.LinkCollection = stack_.empty() ? 0 : stack_.back();
        if (!out_.nodes_.empty()) {
            c.LinkUsage = out_.nodes_[c.LinkCollection].LinkUsage;
            c.LinkUsagePage = out_.nodes_[c.LinkCollection].LinkUsagePage;
        }
        c.IsAbsolute = !(flags & kRelative);
        c.HasNull = (flags & kNullState) != 0;
        c.BitSize = base.bitSize;
        c.UnitsExp = g_.unitExponent;
        c.Units = g_.unit;
        c.LogicalMin = static_cast<std::int32_t>(std::clamp<std::int64_t>(g_.logicalMin, INT32_MIN, INT32_MAX));
        c.LogicalMax = Maximum(g_.logicalMin, g_.logicalMaxSigned, g_.logicalMaxUnsigned);
        c.PhysicalMin = static_cast<std::int32_t>(std::clamp<std::int64_t>(g_.physicalMin, INT32_MIN, INT32_MAX));
        c.PhysicalMax = Maximum(g_.physicalMin, g_.physicalMaxSigned, g_.physicalMaxUnsigned);
        c.IsStringRange = locals_.stringRange;
        c.Range.StringMin = locals_.stringRange ? locals_.stringMin : locals_.stringIndex;
        c.Range.StringMax = locals_.stringRange ? locals_.stringMax : locals_.stringIndex;
        c.IsDesignatorRange = locals_.designatorRange;
        c.Range.DesignatorMin = locals_.designatorRange ? locals_.designatorMin : locals_.designatorIndex;
        c.Range.DesignatorMax = locals_.designatorRange ? locals_.designatorMax : locals_.designatorIndex;

        auto &controls = out_.controls_[t];
        std::uint32_t &dataIndex = dataIndices_[t];
        const std::uint32_t count = g_.reportCount;
        std::uint32_t slot = 0;       // variable fields: next slot
        std::uint32_t arrayIndex = 0; // array fields: usage index within the field
        for (std::size_t i = 0; i < usages.size(); ++i) {
            const UsageEntry &e = usages[i];
            ReportControl rc = base;
            std::uint32_t n = std::uint32_t(e.max) - e.min + 1;
            if (base.isArray) {
                rc.bitPos = first;
                rc.reportCount = static_cast<std::uint16_t>(std::min<std::uint32_t>(count, 0xFFFF));
                rc.arrayIndexBase = arrayIndex;
                arrayIndex += n;
            } else {
                if (slot >= count)
                    break;  // more usages than slots: the rest describe nothing
                n = std::min(n, count - slot);
                rc.bitPos = first + slot * g_.reportSize;
                rc.reportCount = static_cast<std::uint16_t>(n);
                slot += n;
                // A single last usage takes the slots left over: a value array.
                if (i + 1 == usages.size() && !e.range && slot < count && !base.isButton) {
                    rc.reportCount = static_cast<std::uint16_t>(std::min<std::uint32_t>(count - slot + 1, 0xFFFF));
                    slot = count;
                }
            }
            rc.caps.UsagePage = static_cast<UsageCode>(PageOf(e));
            rc.caps.IsRange = e.range;
            rc.caps.Range.UsageMin = e.min;
            rc.caps.Range.UsageMax = static_cast<UsageCode>(e.min + n - 1);
            if (!rc.isButton)
                rc.caps.ReportCount = rc.reportCount;
            const std::uint32_t indices = (!rc.isButton && !e.range) ? 1 : n;
            if (dataIndex + indices > 0x10000)
                return false;
            rc.caps.Range.DataIndexMin = static_cast<std::uint16_t>(dataIndex);
            rc.caps.Range.DataIndexMax = static_cast<std::uint16_t>(dataIndex + indices - 1);
            dataIndex += indices;
            controls.push_back(rc);
        }
        return true;
    }

    void Finish()
    {
        Caps &caps = out_.caps_;
        if (!out_.nodes_.empty()) {
            caps.Usage = out_.nodes_[0].LinkUsage;
            caps.UsagePage = out_.nodes_[0].LinkUsagePage;
        }
        caps.NumberLinkCollectionNodes = static_cast<std::uint16_t>(out_.nodes_.size());
        std::uint16_t *lengths[] = {&caps.InputReportByteLength, &caps.OutputReportByteLength, &caps.FeatureReportByteLength};
        std::uint16_t *buttons[] = {&caps.NumberInputButtonCaps, &caps.NumberOutputButtonCaps, &caps.NumberFeatureButtonCaps};
        std::uint16_t *values[] = {&caps.NumberInputValueCaps, &caps.NumberOutputValueCaps, &caps.NumberFeatureValueCaps};
        std::uint16_t *indices[] = {&caps.NumberInputDataIndices, &caps.NumberOutputDataIndices, &caps.NumberFeatureDataIndices};
        for (int t = 0; t < kReportTypeCount; ++t) {
            std::uint32_t maxBits = 0;
            for (std::uint32_t bits : out_.reportBits_[t])
                maxBits = std::max(maxBits, bits);
            *lengths[t] = static_cast<std::uint16_t>((maxBits + 7) / 8);
            for (const ReportControl &rc : out_.controls_[t])
                ++*(rc.isButton ? buttons[t] : values[t]);
            *indices[t] = static_cast<std::uint16_t>(std::min<std::uint32_t>(dataIndices_[t], 0xFFFF));
        }
    }

    PreparsedData &out_;
    Globals g_;
    std::vector<Globals> globalStack_;
    Locals locals_;
    std::vector<std::uint16_t> stack_;  // open collections (node indexes)
    std::uint32_t dataIndices_[kReportTypeCount] = {};
};

std::unique_ptr<PreparsedData> PreparsedData::Parse(const std::uint8_t *descriptor, std::size_t size)
{
    auto data = std::make_unique<PreparsedData>();
    if (size > 0 && !descriptor)
        return nullptr;
    DescriptorParser parser(*data);
    if (!parser.Run(descriptor, size))
        return nullptr;
    data->descriptor_.assign(descriptor, descriptor + size);
    return data;
}

bool PreparsedData::HasReport(ReportType type, std::uint8_t id) const
{
    const std::size_t t = Index(type);
    return t < kReportTypeCount && reportBits_[t][id] != 0;
}

}  // namespace hid
