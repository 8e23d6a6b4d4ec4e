#include "cli/preset_file_kind.h"

#include "presets/preset_messages.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kdsp::cli {

namespace {

std::string lower(std::string_view text) {
    std::string out(text);
    std::ranges::transform(out, out.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

} // namespace

std::optional<PresetKind> PresetKindOfFile(const std::filesystem::path& file) {
    const std::string extension = lower(file.extension().string());
    for (PresetKind kind : PresetKinds)
        if (extension == lower(InfoOf(kind).extension))
            return kind;
    return std::nullopt;
}

std::string_view EnglishMessageOf(PresetStatus status) {
    switch (status) {
    case PresetStatus::CannotOpen:
        return FileNotFoundMessage.english;
    case PresetStatus::FormatError:
        return FileFormatErrorMessage.english;
    default:
        return FileCorruptedMessage.english;
    }
}

} // namespace kdsp::cli
