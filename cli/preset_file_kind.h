#pragma once

#include "presets/preset_kind.h"
#include "presets/preset_reader.h"

#include <filesystem>
#include <optional>

namespace kdsp::cli {

// The preset kind a file's extension names (".Nddt" or ".EQdt", any case).
std::optional<PresetKind> PresetKindOfFile(const std::filesystem::path& file);

// The console's English message for a file that cannot be loaded.
std::string_view EnglishMessageOf(PresetStatus status);

} // namespace kdsp::cli
