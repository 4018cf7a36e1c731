#pragma once
// A recording stand-in for the main window behind the dialogs: texts come from the program's real
// language tables, every call is recorded, and a test may run a check inside any call (onCall),
// for example whether a list is still visible when the store request comes. The calls into the
// channel pages are recorded with their arguments ("CopyChannel(2,4,false)"); the channel names
// and link masks are a small model of their own that the setters change.

#include "device/LCmd.h"
#include "dialogs/DialogHost.h"
#include "mainwindow/LanguageTable.h"
#include "platform/os/CodePage.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
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

    // The model's channel names (8 bytes each) and link masks (every channel heads itself).
    std::array<std::string, 6> channelNames{Name8("Input1"),  Name8("Input2"),  Name8("Output1"),
                                            Name8("Output2"), Name8("Output3"), Name8("Output4")};
    std::array<int, 6> linkMasks{0b01, 0b10, 0b0001, 0b0010, 0b0100, 0b1000};
    std::vector<std::pair<int, std::string>> namesSent;

    // The text filled up with zero bytes to 8.
    static std::string Name8(const std::string &text)
    {
        std::string name = text;
        name.resize(8, '\0');
        return name;
    }

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
    std::string GetChannelName(int channel) const override { return channelNames.at(channel); }
    void SetChannelName(int channel, const std::string &name) override
    {
        channelNames.at(channel) = name;
        namesSent.push_back({channel, name});
        Record(Call("SetChannelName", channel));
    }
    void CopyChannel(int source, int destination, bool refresh) override
    {
        Record(Call("CopyChannel", source, destination, refresh ? "true" : "false"));
    }
    int GetChannelLinkMask(int channel) const override { return linkMasks.at(channel); }
    void SetChannelLink(int channel, int mask) override
    {
        linkMasks.at(channel) = mask;
        Record(Call("SetChannelLink", channel, mask));
    }
    void SetChannelButtonCaption(int head, int channel) override
    {
        Record(Call("SetChannelButtonCaption", head, channel));
    }
    void SetOverlayButtonsVisible(int channel, bool visible) override
    {
        Record(Call("SetOverlayButtonsVisible", channel, visible ? "true" : "false"));
    }
    void ReloadAllParameters() override { Record("ReloadAllParameters"); }
    void ShowGainPage() override { Record("ShowGainPage"); }

    // "Name(a,b,...)".
    template <class... Args>
    static std::string Call(const std::string &name, const Args &...args)
    {
        std::string text = name + "(";
        bool first = true;
        ((text += (first ? "" : ",") + Text(args), first = false), ...);
        return text + ")";
    }

private:
    static std::string Text(int value) { return std::to_string(value); }
    static std::string Text(const char *value) { return value; }

    void Record(const std::string &call)
    {
        calls.push_back(call);
        if (onCall)
            onCall(call);
    }
};
