#include "presets/preset_file_io.h"

#include "presets/preset_format.h"

#include <fstream>
#include <string>
#include <system_error>

namespace kdsp {

namespace fs = std::filesystem;

namespace {

// The temporary name carries neither extension, so a file left by a crash
// never shows up in a preset list.
fs::path freeTemporaryPath(const fs::path& folder) {
    for (unsigned n = 0;; ++n) {
        fs::path candidate = folder / (".kdsp-save-" + std::to_string(n) + ".tmp");
        std::error_code error;
        if (!fs::exists(candidate, error) && !error)
            return candidate;
        if (error)
            return {};
    }
}

} // namespace

PresetReadResult ReadPresetFile(const fs::path& file, PresetKind kind) {
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open())
        return {PresetStatus::CannotOpen, {}};
    std::string bytes(MaxPresetFileSize + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad())
        return {PresetStatus::CannotOpen, {}};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return DecodePresetFile(kind, bytes);
}

bool WritePresetFile(const fs::path& file, PresetKind kind, const PageTable& store) {
    const fs::path temporary = freeTemporaryPath(file.parent_path());
    if (temporary.empty())
        return false;
    const std::string content = EncodePresetFile(kind, store);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    fs::rename(temporary, file, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

} // namespace kdsp
