#pragma once

#include "model/parameter_store.h"
#include "presets/preset_kind.h"
#include "presets/preset_reader.h"

#include <filesystem>

namespace kdsp {

// Reads and checks a preset file (DecodePresetFile); a file that cannot be
// opened or read gives CannotOpen. Never reads more than one byte past
// MaxPresetFileSize.
PresetReadResult ReadPresetFile(const std::filesystem::path& file, PresetKind kind);

// Writes the store as a preset file of `kind`. The content goes to a
// temporary file in the target's folder first and is then renamed over the
// target, so the target is either the old file or the complete new one.
// False when anything failed; no temporary file is left behind.
bool WritePresetFile(const std::filesystem::path& file, PresetKind kind, const PageTable& store);

} // namespace kdsp
