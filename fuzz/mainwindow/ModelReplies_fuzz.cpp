// The processor's replies as the receive dispatch hands them on: preset flags, preset names,
// program and preset blocks and the EEPROM header into the model, level replies into the meters.
// The input is a run of replies, each a kind byte, a length byte and that many payload bytes.

#include "device/CountingHost.h"
#include "device/LUnitControl.h"
#include "mainwindow/LevelMeter.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::CountingHost host;
    LUnitControl model(host);
    std::size_t at = 0;
    while (at + 2 <= size) {
        const std::uint8_t kind = data[at];
        const std::size_t length = std::min<std::size_t>(data[at + 1], size - at - 2);
        const std::span<const std::uint8_t> payload(data + at + 2, length);
        at += 2 + length;
        switch (kind % 7) {
        case 0: model.SetPresetFlags(payload); break;
        case 1: model.SetPresetListName(kind / 7 % 34, payload); break;  // rows 0 to 33: some beyond the list
        case 2: model.StoreProgramBlock(payload); break;
        case 3: model.StorePresetBlock(kind / 7 % 34, payload); break;
        case 4: model.StoreEepromHeader(payload); break;
        case 5:
            if (const std::optional<LevelDisplay> levels = DecodeLevels(payload))
                for (int position : levels->positions)
                    fuzz::CountingHost::Check(position >= 0);
            break;
        default: model.ApplyPreset(payload); break;
        }
    }
    (void)model.UnitFileBytes();
    return 0;
}
