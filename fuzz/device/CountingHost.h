#pragma once
// The main window as the fuzz targets of the device model stand it in: device ID 1, no controls;
// it counts the commands sent and aborts (a finding) on a preset-list row outside the lists.

#include "device/DeviceHost.h"
#include "device/ParameterImage.h"

#include <cstdlib>

namespace fuzz {

class CountingHost : public DeviceHost {
public:
    int GetDeviceId() const override { return 1; }
    bool IsControlsUpdating() const override { return false; }
    void SendCommand(const LCmd &, std::uint8_t, std::uint8_t) override { ++sent; }
    void MarkCurveChanged(int) override {}
    void SetStorePresetRowName(int row, const std::string &) override { Check(row >= 0 && row < PresetCount); }
    void SetRecallPresetRowName(int row, const std::string &) override { Check(row >= 1 && row <= PresetCount); }
    bool ExecuteSaveUnitDialog(std::string &) override { return false; }

    static void Check(bool holds)
    {
        if (!holds)
            std::abort();
    }

    int sent = 0;
};

}  // namespace fuzz
