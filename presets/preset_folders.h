#pragma once

#include "presets/preset_kind.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kdsp {

// The mode folder "Mode" and its two kind folders, "R9Mode" for whole-setup
// files and "HintMode" for hint-equaliser files.
struct PresetFolders {
    std::filesystem::path mode;
    std::filesystem::path wholeSetup;
    std::filesystem::path hintEq;

    const std::filesystem::path& of(PresetKind kind) const {
        return kind == PresetKind::WholeSetup ? wholeSetup : hintEq;
    }
};

PresetFolders PresetFoldersUnder(const std::filesystem::path& base);

// The folder the mode folder goes in: beside the executable when that folder
// is writable (a portable install keeps its presets with it), otherwise the
// user's data folder.
std::filesystem::path
ChoosePresetBase(const std::filesystem::path& besideExecutable,
                 const std::filesystem::path& userData,
                 const std::function<bool(const std::filesystem::path&)>& writable);

// Creates whichever of the three folders is missing. A failure is not
// reported: saving into a missing folder reports it instead.
void PreparePresetFolders(const PresetFolders& folders);

// Paths and names meet as UTF-8 whatever the platform's narrow encoding.
std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8FromPath(const std::filesystem::path& path);

// folder / (name + extension).
std::filesystem::path PresetPath(const PresetFolders& folders, PresetKind kind,
                                 std::string_view name);

// Whether a file name matches the kind's list pattern ("*.Nddt*" or
// "*.EQdt*": the extension anywhere in the name, in any letter case, as the
// wildcard listing of the console's first platform matched it).
bool MatchesPresetPattern(std::string_view fileName, PresetKind kind);

// The file name without its last "." and the four characters after it,
// when they end the name; other dots stay ("a.b.Nddt" gives "a.b").
std::string StripPresetExtension(std::string_view fileName);

// Room in a kind's name table; files beyond it are not listed.
inline constexpr std::size_t MaxListedPresets = 201;

// The names, without extension, of the regular files in `folder` that match
// the kind's pattern, sorted by file name ignoring letter case, at most
// MaxListedPresets. A missing folder lists nothing.
std::vector<std::string> ListPresetNames(const std::filesystem::path& folder, PresetKind kind);

} // namespace kdsp
