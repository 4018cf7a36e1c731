#include "device/JvHidPnPInfo.h"

namespace {

constexpr qsizetype kMaxText = 1024;  // characters a text property keeps

QString Text(const hid::InterfaceInfo &info, std::uint32_t code)
{
    auto it = info.texts.find(code);
    if (it == info.texts.end() || it->second.empty())
        return {};
    return QString::fromUtf8(it->second.front()).left(kMaxText);
}

// Every text up to the first empty one.
QStringList TextList(const hid::InterfaceInfo &info, std::uint32_t code)
{
    QStringList list;
    auto it = info.texts.find(code);
    if (it == info.texts.end())
        return list;
    for (const std::string &text : it->second) {
        if (text.empty())
            break;
        list << QString::fromUtf8(text);
    }
    return list;
}

std::uint32_t Number(const hid::InterfaceInfo &info, std::uint32_t code)
{
    auto it = info.numbers.find(code);
    return it == info.numbers.end() ? 0 : it->second;
}

}  // namespace

TJvHidPnPInfo::TJvHidPnPInfo(const hid::InterfaceInfo &info)
    : FDeviceID(info.deviceId),
      FDevicePath(QString::fromUtf8(info.path)),
      FPath(info.path),
      FCapabilities(Number(info, hid::kCapabilities)),
      FClassDescr(Text(info, hid::kClass)),
      FClassGUID(Text(info, hid::kClassGuid)),
      FCompatibleIDs(TextList(info, hid::kCompatibleIds)),
      FConfigFlags(Number(info, hid::kConfigFlags)),
      FDeviceDescr(Text(info, hid::kDeviceDesc)),
      FDriver(Text(info, hid::kDriver)),
      FFriendlyName(Text(info, hid::kFriendlyName)),
      FHardwareID(TextList(info, hid::kHardwareId)),
      FLowerFilters(TextList(info, hid::kLowerFilters)),
      FMfg(Text(info, hid::kMfg)),
      FUpperFilters(TextList(info, hid::kUpperFilters)),
      FAddress(Text(info, hid::kAddress)),
      FBusNumber(Number(info, hid::kBusNumber)),
      FBusType(Text(info, hid::kBusTypeGuid)),
      FCharacteristics(Text(info, hid::kCharacteristics)),
      FDevType(Number(info, hid::kDevType)),
      FEnumeratorName(Text(info, hid::kEnumeratorName)),
      FExclusive(Number(info, hid::kExclusive)),
      FLegacyBusType(Number(info, hid::kLegacyBusType)),
      FLocationInfo(Text(info, hid::kLocationInformation)),
      FPhysDevObjName(Text(info, hid::kPhysicalDeviceObjectName)),
      FSecuritySDS(Text(info, hid::kSecuritySds)),
      FService(Text(info, hid::kService)),
      FUINumber(Number(info, hid::kUiNumber)),
      FUINumberFormat(Text(info, hid::kUiNumberDescFormat))
{
}

TJvHidPnPInfo::~TJvHidPnPInfo() = default;
