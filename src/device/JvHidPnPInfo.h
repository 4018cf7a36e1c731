#pragma once
// The description of one HID interface as the platform lists it: its device-instance number, the
// path every open uses, and the device registry properties, read once at creation.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

#include "platform/hid/Backend.h"
#include "platform/runtime/Classes.h"

class TJvHidPnPInfo : public TObject {
public:
    explicit TJvHidPnPInfo(const hid::InterfaceInfo &info);
    ~TJvHidPnPInfo() override;

    std::uint32_t DeviceID() const { return FDeviceID; }
    const QString &DevicePath() const { return FDevicePath; }
    const std::string &DevicePathBytes() const { return FPath; }
    std::uint32_t Capabilities() const { return FCapabilities; }
    const QString &ClassDescr() const { return FClassDescr; }
    const QString &ClassGUID() const { return FClassGUID; }
    const QStringList &CompatibleIDs() const { return FCompatibleIDs; }
    std::uint32_t ConfigFlags() const { return FConfigFlags; }
    const QString &DeviceDescr() const { return FDeviceDescr; }
    const QString &Driver() const { return FDriver; }
    const QString &FriendlyName() const { return FFriendlyName; }
    const QStringList &HardwareID() const { return FHardwareID; }
    const QStringList &LowerFilters() const { return FLowerFilters; }
    const QString &Mfg() const { return FMfg; }
    const QStringList &UpperFilters() const { return FUpperFilters; }
    const QString &Address() const { return FAddress; }
    std::uint32_t BusNumber() const { return FBusNumber; }
    const QString &BusType() const { return FBusType; }
    const QString &Characteristics() const { return FCharacteristics; }
    std::uint32_t DevType() const { return FDevType; }
    const QString &EnumeratorName() const { return FEnumeratorName; }
    std::uint32_t Exclusive() const { return FExclusive; }
    std::uint32_t LegacyBusType() const { return FLegacyBusType; }
    const QString &LocationInfo() const { return FLocationInfo; }
    const QString &PhysDevObjName() const { return FPhysDevObjName; }
    const QString &SecuritySDS() const { return FSecuritySDS; }
    const QString &Service() const { return FService; }
    std::uint32_t UINumber() const { return FUINumber; }
    const QString &UINumberFormat() const { return FUINumberFormat; }

private:
    std::uint32_t FDeviceID;
    QString FDevicePath;
    std::string FPath;
    std::uint32_t FCapabilities;
    QString FClassDescr;
    QString FClassGUID;
    QStringList FCompatibleIDs;
    std::uint32_t FConfigFlags;
    QString FDeviceDescr;
    QString FDriver;
    QString FFriendlyName;
    QStringList FHardwareID;
    QStringList FLowerFilters;
    QString FMfg;
    QStringList FUpperFilters;
    QString FAddress;
    std::uint32_t FBusNumber;
    QString FBusType;
    QString FCharacteristics;
    std::uint32_t FDevType;
    QString FEnumeratorName;
    std::uint32_t FExclusive;
    std::uint32_t FLegacyBusType;
    QString FLocationInfo;
    QString FPhysDevObjName;
    QString FSecuritySDS;
    QString FService;
    std::uint32_t FUINumber;
    QString FUINumberFormat;
};
