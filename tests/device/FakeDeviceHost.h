#pragma once
// A DeviceHost that records every call, for tests of the device layer.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "device/DeviceHost.h"
#include "device/LCmd.h"

class FakeDeviceHost : public DeviceHost {
public:
    struct SentCommand {
        LCmd Command;
        std::uint8_t KeepDuplicates;
        std::uint8_t Framed;
    };

    int DeviceId = 1;
    bool ControlsUpdating = false;
    std::vector<SentCommand> Sent;
    std::vector<int> CurveMarks;
    std::map<int, std::string> StoreRows;
    std::map<int, std::string> RecallRows;
    std::optional<std::string> SaveDialogAnswer;  // nullopt: the user cancels
    int SaveDialogCalls = 0;

    int GetDeviceId() const override { return DeviceId; }
    bool IsControlsUpdating() const override { return ControlsUpdating; }
    void SendCommand(const LCmd &command, std::uint8_t keepDuplicates, std::uint8_t framed) override
    {
        Sent.push_back({command, keepDuplicates, framed});
    }
    void MarkCurveChanged(int channel) override { CurveMarks.push_back(channel); }
    void SetStorePresetRowName(int row, const std::string &name) override { StoreRows[row] = name; }
    void SetRecallPresetRowName(int row, const std::string &name) override { RecallRows[row] = name; }
    bool ExecuteSaveUnitDialog(std::string &path) override
    {
        ++SaveDialogCalls;
        if (!SaveDialogAnswer)
            return false;
        path = *SaveDialogAnswer;
        return true;
    }

    // The framed bytes of the i-th command sent.
    BSTM Frame(std::size_t i) const { return Sent.at(i).Command.ToBytes(1); }
    void Clear()
    {
        Sent.clear();
        CurveMarks.clear();
    }
};
