#pragma once
// The dialogs' host over a real device session, as the main window provides it: sending, the
// link and the send queue of the open transport; the rest is recorded or ignored.

#include "dialogs/DialogHost.h"
#include "mainwindow/DeviceSession.h"

#include <string>

class SessionDialogHost : public DialogHost {
public:
    explicit SessionDialogHost(DeviceSession &session) : session_(session) {}

    QString GetLangText(const QString &key) const override { return session_.GetLangText(key); }
    std::string WideToAnsi(const QString &text) const override
    {
        return DeviceSession::WideToAnsi(text.toStdU16String()).data();
    }
    int GetDeviceId() const override { return session_.GetDeviceId(); }
    bool IsControlsUpdating() const override { return session_.IsControlsUpdating(); }
    void SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed) override
    {
        session_.SendCommand(command, keepDuplicates, framed);
    }
    bool IsCommandWaiting(std::uint8_t command) const override { return session_.IsCommandWaiting(command); }
    void SetCloseAllowed(std::uint8_t value) override { session_.SetCloseAllowed(value); }
    void CloseMainWindow() override {}
    bool IsConnected() const override { return session_.IsConnected(); }
    void DisconnectLink() override
    {
        ++disconnects;
        session_.DisconnectLink();
    }
    void SetDeviceId(int id) override { session_.SetDeviceId(id); }
    std::uint32_t GetIpAddress() const override { return session_.GetIpAddress(); }
    void SetIpAddress(std::uint32_t address) override { session_.SetIpAddress(address); }
    void SetAutoIpSetting(int value) override { session_.SetAutoIpSetting(value); }
    void SetClientAddress(const std::string &) override {}
    void StorePreset(int, const std::string &) override {}
    void RecallPreset(int) override {}
    void SetStepValue(int value) override { session_.SetStepValue(value); }
    void StartFactoryReset() override {}
    void SendPeqReset(int) override {}
    std::string GetChannelName(int) const override { return std::string(8, '\0'); }
    void SetChannelName(int, const std::string &) override {}
    void CopyChannel(int, int, bool) override {}
    int GetChannelLinkMask(int) const override { return 0; }
    void SetChannelLink(int, int) override {}
    void SetChannelButtonCaption(int, int) override {}
    void SetOverlayButtonsVisible(int, bool) override {}
    void ReloadAllParameters() override {}
    void ShowGainPage() override {}

    int disconnects = 0;

private:
    DeviceSession &session_;
};
