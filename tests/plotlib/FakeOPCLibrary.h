#pragma once
// A stand-in for the outside OPC client library: it records subscriptions, removals, sent values
// and groups, keeps a value per subscription that the test delivers through the item's callback,
// and can report an error text after the next call. Installed for the lifetime of the object.
// SignalSuspend and SignalResume are left out, as a library without those functions.

#include "plotlib/opc/iOPCClientLibrary.h"

#include <QStringList>

#include <map>
#include <vector>

class FakeOPCLibrary : public TiOPCClientLibrary {
public:
    struct Subscription {
        QString Computer, Server, Item, Group;
        int UpdateRate = 0;
        bool Suspended = false;
        std::uint16_t RequestedType = 0;
        TiOPCSignalCallback *Callback = nullptr;
        TiOPCValue Data;
        std::uint16_t Quality = 0;
        TDateTime TimeStamp = 0;
    };
    struct Group {
        QString Name, Computer, Server;
        int UpdateRate = 0;
        TiOPCGroupCallback *Callback = nullptr;
    };

    FakeOPCLibrary() : previous_(TiOPCClient::Install(this)) {}
    ~FakeOPCLibrary() override { TiOPCClient::Install(previous_); }

    // The subscription's callback receives a value of the given quality.
    void Deliver(int handle, const TiOPCValue &value, std::uint16_t quality = 0xC0)
    {
        Subscription &s = subscriptions.at(handle);
        s.Data = value;
        s.Quality = quality;
        s.TimeStamp = 45000.5;
        s.Callback->DataReady(handle);
    }
    // The handle of the newest subscription (0 when none).
    int Last() const { return subscriptions.empty() ? 0 : subscriptions.rbegin()->first; }
    void FailNextCall(const QString &text) { error_ = text; }

    std::map<int, Subscription> subscriptions;  // live ones, by handle
    int added = 0;
    std::vector<int> removed;
    std::vector<std::pair<int, TiOPCValue>> sent;
    std::map<int, Group> groups;
    std::vector<int> deletedGroups;
    QStringList connections;
    int managersCreated = 0;
    int managersDestroyed = 0;

    int SignalAdd(const QString &ComputerName, const QString &ServerName, const QString &ItemName,
                  const QString &GroupName, int UpdateRate, bool Suspended, std::uint16_t RequestedType,
                  TiOPCSignalCallback *Callback) override
    {
        ++added;
        Subscription &s = subscriptions[nextHandle_];
        s = Subscription{};
        s.Computer = ComputerName;
        s.Server = ServerName;
        s.Item = ItemName;
        s.Group = GroupName;
        s.UpdateRate = UpdateRate;
        s.Suspended = Suspended;
        s.RequestedType = RequestedType;
        s.Callback = Callback;
        return nextHandle_++;
    }
    void SignalRemove(int Handle) override
    {
        removed.push_back(Handle);
        subscriptions.erase(Handle);
    }
    void SignalGetDataNow(int) override {}
    bool SignalGetActive(int Handle) override { return subscriptions.count(Handle) != 0; }
    bool SignalGetUpdateSuspended(int Handle) override { return subscriptions.at(Handle).Suspended; }
    TDateTime SignalGetTimeStamp(int Handle) override { return subscriptions.at(Handle).TimeStamp; }
    std::uint16_t SignalGetQuality(int Handle) override { return subscriptions.at(Handle).Quality; }
    TiOPCValue SignalGetData(int Handle) override { return subscriptions.at(Handle).Data; }
    void SignalSendData(int Handle, const TiOPCValue &Data) override { sent.emplace_back(Handle, Data); }
    int GroupAdd(const QString &Name, const QString &ComputerName, const QString &OPCServerName, int UpdateRate,
                 TiOPCGroupCallback *Callback) override
    {
        groups[nextHandle_] = {Name, ComputerName, OPCServerName, UpdateRate, Callback};
        return nextHandle_++;
    }
    void GroupDelete(int Handle) override
    {
        deletedGroups.push_back(Handle);
        groups.erase(Handle);
    }
    void GroupSetUpdateRate(int Handle, int Rate) override { groups.at(Handle).UpdateRate = Rate; }
    int ServerConnectionGetCount() override { return static_cast<int>(connections.size()); }
    QString ServerConnectionGetName(int Index) override { return connections.at(Index); }
    bool ManagerCreated() override { return ++managersCreated == 1; }
    void ManagerDestroyed() override { ++managersDestroyed; }
    QString GetLastCallErrorString() override { return std::exchange(error_, QString()); }

private:
    TiOPCClientLibrary *previous_;
    int nextHandle_ = 101;
    QString error_;
};
