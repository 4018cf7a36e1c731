#pragma once
// The outside OPC client library, through which OPC items subscribe to server items and OPC
// managers define groups. This platform has no such library: the default is "absent", and then
// every call fails with "Quorin OPC DLL Not Found." except ManagerCreated and ManagerDestroyed,
// which answer false silently; the items and managers built on it stay inert.
//
// Rules:
//  - TiOPCClientLibrary is what the library offers. Nothing loads it dynamically; a program (or a
//    test, with a fake) installs an implementation with TiOPCClient::Install. A call the
//    implementation does not override fails as a library without that function would:
//    'Function "SignalAdd" not found in "iOPC2.dll".'
//  - Callers go through TiOPCClient, which asks GetLastCallErrorString after every call and raises
//    a non-empty text as the framework's Exception.
//  - The library calls back on the GUI thread: an item's DataReady when new data waits for it, a
//    group's owner before and after each group update.
// Everything runs on the GUI thread.

#include "platform/runtime/DateTime.h"

#include <QString>

#include <cstdint>
#include <variant>

// A value that travels between a server item and a control property: empty, a Boolean, an
// integer (every integer kind of the server), a floating-point number (single or double) or a
// text.
struct TiOPCValue {
    std::variant<std::monostate, bool, std::int64_t, double, QString> Value;

    TiOPCValue() = default;
    TiOPCValue(bool v) : Value(v) {}
    TiOPCValue(int v) : Value(static_cast<std::int64_t>(v)) {}
    TiOPCValue(std::int64_t v) : Value(v) {}
    TiOPCValue(double v) : Value(v) {}
    TiOPCValue(const QString &v) : Value(v) {}
    TiOPCValue(const char *v) : Value(QString::fromUtf8(v)) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(Value); }
    bool IsInteger() const { return std::holds_alternative<std::int64_t>(Value); }
    bool IsFloat() const { return std::holds_alternative<double>(Value); }
    // As text: "True"/"False", decimal integers, floats in the general 15-digit format with ".",
    // texts unchanged, empty for an empty value.
    QString ToText() const;
    friend bool operator==(const TiOPCValue &a, const TiOPCValue &b) { return a.Value == b.Value; }
};

// Quality word of a value: both top bits of the low byte set mean good.
constexpr std::uint16_t OPCQualityGood = 0xC0;
constexpr bool OPCQualityIsGood(std::uint16_t quality)
{
    return (quality & OPCQualityGood) == OPCQualityGood;
}

// Requested data types of SignalAdd: the server's own type, or a wide string.
constexpr std::uint16_t OPCTypeServer = 0;
constexpr std::uint16_t OPCTypeString = 8;

// An item's callback: the library calls it when new data for the subscription is ready.
class TiOPCSignalCallback {
public:
    virtual void DataReady(int Handle) = 0;

protected:
    ~TiOPCSignalCallback() = default;
};

// A group owner's callback: the library calls it with the group's handle around each update.
class TiOPCGroupCallback {
public:
    virtual void BeforeGroupUpdate(int GroupHandle) = 0;
    virtual void AfterGroupUpdate(int GroupHandle) = 0;

protected:
    ~TiOPCGroupCallback() = default;
};

class TiOPCClientLibrary {
public:
    virtual ~TiOPCClientLibrary() = default;

    // ---- Subscriptions ----
    // Returns the new subscription's handle.
    virtual int SignalAdd(const QString &ComputerName, const QString &ServerName, const QString &ItemName,
                          const QString &GroupName, int UpdateRate, bool Suspended, std::uint16_t RequestedType,
                          TiOPCSignalCallback *Callback);
    virtual void SignalRemove(int Handle);
    virtual void SignalSuspend(int Handle);
    virtual void SignalResume(int Handle);
    virtual void SignalGetDataNow(int Handle);
    virtual bool SignalGetActive(int Handle);
    virtual bool SignalGetUpdateSuspended(int Handle);
    virtual TDateTime SignalGetTimeStamp(int Handle);
    virtual std::uint16_t SignalGetQuality(int Handle);
    virtual TiOPCValue SignalGetData(int Handle);
    virtual void SignalSendData(int Handle, const TiOPCValue &Data);

    // ---- Groups ----
    // Returns the new group's handle.
    virtual int GroupAdd(const QString &Name, const QString &ComputerName, const QString &OPCServerName, int UpdateRate,
                         TiOPCGroupCallback *Callback);
    virtual void GroupDelete(int Handle);
    virtual void GroupResume(int Handle);
    virtual void GroupSuspend(int Handle);
    virtual void GroupSetUpdateRate(int Handle, int Rate);

    // ---- Server connections ----
    virtual void CloseAllServerConnections();
    virtual int ServerConnectionGetCount();
    virtual QString ServerConnectionGetName(int Index);

    // ---- Managers ----
    // True for the first manager of the process.
    virtual bool ManagerCreated();
    virtual void ManagerDestroyed();

    // The failure text of the last call; empty when it succeeded (the default).
    virtual QString GetLastCallErrorString();

protected:
    // Raises the missing-function text for `name`.
    [[noreturn]] static void Missing(const char *name);
};

// The calls as the library's users make them.
class TiOPCClient {
public:
    static constexpr const char *LibraryName = "iOPC2.dll";
    static constexpr const char *NotFoundText = "Quorin OPC DLL Not Found.";

    // Installs `library` (nullptr: absent) and returns the one installed before. The caller keeps
    // ownership and must install the previous one again before destroying it.
    static TiOPCClientLibrary *Install(TiOPCClientLibrary *library);
    static bool Present();
    // 'Function "name" not found in "iOPC2.dll".'
    static QString FunctionNotFoundText(const char *name);

    // Each call raises NotFoundText without a library and the library's error text after a
    // failed call.
    static int SignalAdd(const QString &ComputerName, const QString &ServerName, const QString &ItemName,
                         const QString &GroupName, int UpdateRate, bool Suspended, std::uint16_t RequestedType,
                         TiOPCSignalCallback *Callback);
    static void SignalRemove(int Handle);
    static void SignalSuspend(int Handle);
    static void SignalResume(int Handle);
    static void SignalGetDataNow(int Handle);
    static bool SignalGetActive(int Handle);
    static bool SignalGetUpdateSuspended(int Handle);
    static TDateTime SignalGetTimeStamp(int Handle);
    static std::uint16_t SignalGetQuality(int Handle);
    static TiOPCValue SignalGetData(int Handle);
    static void SignalSendData(int Handle, const TiOPCValue &Data);
    static int GroupAdd(const QString &Name, const QString &ComputerName, const QString &OPCServerName, int UpdateRate,
                        TiOPCGroupCallback *Callback);
    static void GroupDelete(int Handle);
    static void GroupResume(int Handle);
    static void GroupSuspend(int Handle);
    static void GroupSetUpdateRate(int Handle, int Rate);
    static void CloseAllServerConnections();
    static int ServerConnectionGetCount();
    static QString ServerConnectionGetName(int Index);
    // Without a library: false, nothing raised.
    static bool ManagerCreated();
    // Without a library: nothing happens.
    static void ManagerDestroyed();
};
