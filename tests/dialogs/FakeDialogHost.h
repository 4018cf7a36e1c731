#pragma once
// A recording stand-in for the main window behind the dialogs: texts come from the program's real
// language tables, every call is recorded, and a test may run a check inside any call (onCall),
// for example whether a list is still visible when the store request comes.

#include "device/LCmd.h"
#include "dialogs/DialogHost.h"
#include "mainwindow/LanguageTable.h"
#include "platform/os/CodePage.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

class FakeDialogHost : public DialogHost {
public:
    struct Sent {
        BSTM frame;
        std::uint8_t keepDuplicates;
    };
    struct Stored {
        int index;
        std::string name;
    };

    // "English" or "ChineseGB", as the main window names its languages.
    QString language = QStringLiteral("English");
    int deviceId = 1;
    bool connected = false;
    bool controlsUpdating = false;
    std::uint32_t ipAddress = 0xC0A80165;
    int autoIpSetting = 0;
    // Command codes that still wait in the send queue.
    std::set<std::uint8_t> waiting;

    std::vector<std::string> calls;
    std::vector<Sent> sent;
    std::vector<int> closeAllowed;
    std::vector<int> deviceIds;
    std::vector<std::string> clientAddresses;
    std::vector<Stored> stores;
    std::vector<int> recalls;
    std::vector<int> stepValues;
    std::vector<int> peqResets;
    std::function<void(const std::string &call)> onCall;

    int Count(const std::string &call) const
    {
        int n = 0;
        for (const std::string &c : calls)
            n += c == call;
        return n;
    }

    QString GetLangText(const QString &key) const override
    {
        const LanguageTable &table =
            language == QLatin1String("English") ? LanguageTable::English() : LanguageTable::Simplified();
        return table.Lookup(key);
    }
    std::string WideToAnsi(const QString &text) const override { return os::UnicodeToAnsi(text.toStdU16String()); }
    int GetDeviceId() const override { return deviceId; }
    bool IsControlsUpdating() const override { return controlsUpdating; }
    void SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed) override
    {
        sent.push_back({command.ToBytes(framed), keepDuplicates});
        Record("SendCommand");
    }
    bool IsCommandWaiting(std::uint8_t command) const override { return waiting.count(command) != 0; }
    void SetCloseAllowed(std::uint8_t value) override
    {
        closeAllowed.push_back(value);
        Record("SetCloseAllowed");
    }
    void CloseMainWindow() override { Record("CloseMainWindow"); }
    bool IsConnected() const override { return connected; }
    void DisconnectLink() override
    {
        connected = false;
        Record("DisconnectLink");
    }
    void SetDeviceId(int id) override
    {
        deviceIds.push_back(id);
        if (id >= 1 && id <= 254)
            deviceId = id;
        Record("SetDeviceId");
    }
    std::uint32_t GetIpAddress() const override { return ipAddress; }
    void SetIpAddress(std::uint32_t address) override
    {
        ipAddress = address;
        Record("SetIpAddress");
    }
    void SetAutoIpSetting(int value) override
    {
        autoIpSetting = value;
        Record("SetAutoIpSetting");
    }
    void SetClientAddress(const std::string &dotted) override
    {
        clientAddresses.push_back(dotted);
        Record("SetClientAddress");
    }
    void StorePreset(int index, const std::string &name) override
    {
        stores.push_back({index, name});
        Record("StorePreset");
    }
    void RecallPreset(int index) override
    {
        recalls.push_back(index);
        Record("RecallPreset");
    }
    void SetStepValue(int value) override
    {
        stepValues.push_back(value);
        Record("SetStepValue");
    }
    void StartFactoryReset() override { Record("StartFactoryReset"); }
    void SendPeqReset(int channel) override
    {
        peqResets.push_back(channel);
        Record("SendPeqReset");
    }

private:
    void Record(const std::string &call)
    {
        calls.push_back(call);
        if (onCall)
            onCall(call);
    }
};
