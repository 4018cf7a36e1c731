// A file opened as a preset file and as a unit file, as the File menu reads them: a preset file of
// 544 bytes with the tag goes into the model (every value in range, or nothing changes and nothing
// is sent); any bytes are offered to the unit-file reader of a download.

#include "device/CountingHost.h"
#include "device/LUnitControl.h"
#include "device/ProgramRanges.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    if (size == PresetFileSize && std::memcmp(data, FileMagic.data(), FileMagic.size()) == 0) {
        fuzz::CountingHost host;
        LUnitControl model(host);
        const ParameterImage before = model.GetImage();
        const bool applied = model.ApplyPreset(bytes.subspan(FileMagic.size()));
        if ((!applied && (host.sent != 0 || std::memcmp(&before, &model.GetImage(), sizeof before) != 0)) ||
            (applied && (host.sent != 109 || !PresetFieldsInRange(model.GetImage()))))
            std::abort();
        if (applied && model.ToPresetString() != std::string(reinterpret_cast<const char *>(data), PresetStringSize))
            std::abort();  // what was opened saves again unchanged
    }
    if (const std::optional<UnitFileContents> unit = ReadUnitFileBytes(bytes))
        for (int k = 0; k < PresetCount; ++k) {
            const PresetRecord &record = unit->Records[static_cast<std::size_t>(k)];
            if (record.ImageBytes[0] == 0xFF && record.Number != k + 1)
                std::abort();  // a stored record goes to its own slot only
        }
    return 0;
}
