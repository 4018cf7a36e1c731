#pragma once
// Saving and loading the simulated processor's state. The file is a unit file (the 16-byte tag,
// the 18-byte EEPROM header, 31 preset records of 538 bytes each followed by CR LF), so the editor
// can download it and a unit file the editor uploaded can seed the simulator. Behind it the
// simulator appends what a unit file leaves out: the device ID, current preset, lock, current
// program and the last byte of each preset image. A plain unit file loads too; the state it does
// not hold stays as it was.

#include "devsim/Processor.h"

#include <string>

namespace devsim {

bool SaveStateFile(const std::string &path, const ProcessorState &state, std::string *error = nullptr);
bool LoadStateFile(const std::string &path, ProcessorState &state, std::string *error = nullptr);

// The file's bytes, and the state they hold (false when they are no unit file).
Bytes StateFileBytes(const ProcessorState &state);
bool ParseStateFile(const Bytes &file, ProcessorState &state);

}  // namespace devsim
