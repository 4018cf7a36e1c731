#include "plotlib/opc/iOPCClientLibrary.h"

#include "platform/runtime/Exception.h"
#include "platform/runtime/SysUtils.h"

#include <type_traits>

// ---- Values ----------------------------------------------------------------------------------------

QString TiOPCValue::ToText() const
{
    struct Visitor {
        QString operator()(std::monostate) const { return QString(); }
        QString operator()(bool v) const { return BoolToStr(v, true); }
        QString operator()(std::int64_t v) const { return IntToStr(v); }
        QString operator()(double v) const { return FloatToStr(v); }
        QString operator()(const QString &v) const { return v; }
    };
    return std::visit(Visitor{}, Value);
}

// ---- What a library without a function answers ----------------------------------------------------

void TiOPCClientLibrary::Missing(const char *name)
{
    throw Exception(TiOPCClient::FunctionNotFoundText(name));
}

int TiOPCClientLibrary::SignalAdd(const QString &, const QString &, const QString &, const QString &, int, bool,
                                  std::uint16_t, TiOPCSignalCallback *)
{
    Missing("SignalAdd");
}
void TiOPCClientLibrary::SignalRemove(int)
{
    Missing("SignalRemove");
}
void TiOPCClientLibrary::SignalSuspend(int)
{
    Missing("SignalSuspend");
}
void TiOPCClientLibrary::SignalResume(int)
{
    Missing("SignalResume");
}
void TiOPCClientLibrary::SignalGetDataNow(int)
{
    Missing("SignalGetDataNow");
}
bool TiOPCClientLibrary::SignalGetActive(int)
{
    Missing("SignalGetActive");
}
bool TiOPCClientLibrary::SignalGetUpdateSuspended(int)
{
    Missing("SignalGetUpdateSuspended");
}
TDateTime TiOPCClientLibrary::SignalGetTimeStamp(int)
{
    Missing("SignalGetTimeStamp");
}
std::uint16_t TiOPCClientLibrary::SignalGetQuality(int)
{
    Missing("SignalGetQuality");
}
TiOPCValue TiOPCClientLibrary::SignalGetData(int)
{
    Missing("SignalGetData");
}
void TiOPCClientLibrary::SignalSendData(int, const TiOPCValue &)
{
    Missing("SignalSendData");
}
int TiOPCClientLibrary::GroupAdd(const QString &, const QString &, const QString &, int, TiOPCGroupCallback *)
{
    Missing("GroupAdd");
}
void TiOPCClientLibrary::GroupDelete(int)
{
    Missing("GroupDelete");
}
void TiOPCClientLibrary::GroupResume(int)
{
    Missing("GroupResume");
}
void TiOPCClientLibrary::GroupSuspend(int)
{
    Missing("GroupSuspend");
}
void TiOPCClientLibrary::GroupSetUpdateRate(int, int)
{
    Missing("GroupSetUpdateRate");
}
void TiOPCClientLibrary::CloseAllServerConnections()
{
    Missing("CloseAllServerConnections");
}
int TiOPCClientLibrary::ServerConnectionGetCount()
{
    Missing("ServerConnectionGetCount");
}
QString TiOPCClientLibrary::ServerConnectionGetName(int)
{
    Missing("ServerConnectionGetName");
}
bool TiOPCClientLibrary::ManagerCreated()
{
    Missing("ManagerCreated");
}
void TiOPCClientLibrary::ManagerDestroyed()
{
    Missing("ManagerDestroyed");
}
QString TiOPCClientLibrary::GetLastCallErrorString()
{
    return QString();
}

// ---- The calls -------------------------------------------------------------------------------------

namespace {

TiOPCClientLibrary *&Installed()
{
    static TiOPCClientLibrary *library = nullptr;
    return library;
}

// Runs one call of the installed library and raises its error text, if it reports one.
template <class F>
auto Call(F call)
{
    TiOPCClientLibrary *library = Installed();
    if (!library)
        throw Exception(QString::fromLatin1(TiOPCClient::NotFoundText));
    const auto check = [library] {
        if (const QString error = library->GetLastCallErrorString(); !error.isEmpty())
            throw Exception(error);
    };
    if constexpr (std::is_void_v<decltype(call(*library))>) {
        call(*library);
        check();
    }
    else {
        auto result = call(*library);
        check();
        return result;
    }
}

}  // namespace

TiOPCClientLibrary *TiOPCClient::Install(TiOPCClientLibrary *library)
{
    TiOPCClientLibrary *previous = Installed();
    Installed() = library;
    return previous;
}

bool TiOPCClient::Present()
{
    return Installed() != nullptr;
}

QString TiOPCClient::FunctionNotFoundText(const char *name)
{
    return QStringLiteral("Function \"%1\" not found in \"%2\".")
        .arg(QString::fromLatin1(name), QString::fromLatin1(LibraryName));
}

int TiOPCClient::SignalAdd(const QString &ComputerName, const QString &ServerName, const QString &ItemName,
                           const QString &GroupName, int UpdateRate, bool Suspended, std::uint16_t RequestedType,
                           TiOPCSignalCallback *Callback)
{
    return Call([&](TiOPCClientLibrary &l) {
        return l.SignalAdd(ComputerName, ServerName, ItemName, GroupName, UpdateRate, Suspended, RequestedType,
                           Callback);
    });
}

void TiOPCClient::SignalRemove(int Handle)
{
    Call([&](TiOPCClientLibrary &l) { l.SignalRemove(Handle); });
}

void TiOPCClient::SignalSuspend(int Handle)
{
    Call([&](TiOPCClientLibrary &l) { l.SignalSuspend(Handle); });
}

void TiOPCClient::SignalResume(int Handle)
{
    Call([&](TiOPCClientLibrary &l) { l.SignalResume(Handle); });
}

void TiOPCClient::SignalGetDataNow(int Handle)
{
    Call([&](TiOPCClientLibrary &l) { l.SignalGetDataNow(Handle); });
}

bool TiOPCClient::SignalGetActive(int Handle)
{
    return Call([&](TiOPCClientLibrary &l) { return l.SignalGetActive(Handle); });
}

bool TiOPCClient::SignalGetUpdateSuspended(int Handle)
{
    return Call([&](TiOPCClientLibrary &l) { return l.SignalGetUpdateSuspended(Handle); });
}

TDateTime TiOPCClient::SignalGetTimeStamp(int Handle)
{
    return Call([&](TiOPCClientLibrary &l) { return l.SignalGetTimeStamp(Handle); });
}

std::uint16_t TiOPCClient::SignalGetQuality(int Handle)
{
    return Call([&](TiOPCClientLibrary &l) { return l.SignalGetQuality(Handle); });
}

TiOPCValue TiOPCClient::SignalGetData(int Handle)
{
    return Call([&](TiOPCClientLibrary &l) { return l.SignalGetData(Handle); });
}

void TiOPCClient::SignalSendData(int Handle, const TiOPCValue &Data)
{
    Call([&](TiOPCClientLibrary &l) { l.SignalSendData(Handle, Data); });
}

int TiOPCClient::GroupAdd(const QString &Name, const QString &ComputerName, const QString &OPCServerName,
                          int UpdateRate, TiOPCGroupCallback *Callback)
{
    return Call(
        [&](TiOPCClientLibrary &l) { return l.GroupAdd(Name, ComputerName, OPCServerName, UpdateRate, Callback); });
}

void TiOPCClient::GroupDelete(int Handle)
{
    Call([&](TiOPCClientLibrary &l) { l.GroupDelete(Handle); });
}

void TiOPCClient::GroupResume(int Handle)
{
    Call([&](TiOPCClientLibrary &l) { l.GroupResume(Handle); });
}

void TiOPCClient::GroupSuspend(int Handle)
{
    Call([&](TiOPCClientLibrary &l) { l.GroupSuspend(Handle); });
}

void TiOPCClient::GroupSetUpdateRate(int Handle, int Rate)
{
    Call([&](TiOPCClientLibrary &l) { l.GroupSetUpdateRate(Handle, Rate); });
}

void TiOPCClient::CloseAllServerConnections()
{
    Call([](TiOPCClientLibrary &l) { l.CloseAllServerConnections(); });
}

int TiOPCClient::ServerConnectionGetCount()
{
    return Call([](TiOPCClientLibrary &l) { return l.ServerConnectionGetCount(); });
}

QString TiOPCClient::ServerConnectionGetName(int Index)
{
    return Call([&](TiOPCClientLibrary &l) { return l.ServerConnectionGetName(Index); });
}

bool TiOPCClient::ManagerCreated()
{
    if (!Present())
        return false;
    return Call([](TiOPCClientLibrary &l) { return l.ManagerCreated(); });
}

void TiOPCClient::ManagerDestroyed()
{
    if (Present())
        Call([](TiOPCClientLibrary &l) { l.ManagerDestroyed(); });
}
