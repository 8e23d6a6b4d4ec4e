#include "presets/preset_format.h"

#include "presets/line_cipher.h"

namespace kdsp {

std::int32_t PresetChecksum(std::int32_t sum) {
    // Wraps exactly as the 32-bit integers of the files' first writer did.
    const auto flipped =
        static_cast<std::int32_t>((static_cast<std::uint32_t>(sum) ^ 0xFFFFu) + 1u);
    return flipped % 256;
}

std::vector<std::string> PresetPlainLines(PresetKind kind, const PageTable& store) {
    const PresetKindInfo& info = InfoOf(kind);
    std::vector<std::string> lines;
    lines.push_back(std::string(info.headerWord) +
                    std::to_string(HeaderFirstNumber ^ info.headerMask));
    lines.push_back(std::string(VersionWord) +
                    std::to_string(HeaderSecondNumber ^ info.headerMask));

    std::uint32_t sum = 0;
    for (int page = info.firstPageWritten; page <= info.lastPageWritten; ++page) {
        for (int slot = 0; slot < SlotCount[static_cast<std::size_t>(page)]; ++slot) {
            const auto k = static_cast<std::int32_t>(lines.size());
            const std::int32_t value = store.value(page, slot);
            sum += static_cast<std::uint32_t>(value);
            lines.push_back(std::to_string(makeTag(page, slot) ^ k) + ' ' +
                            std::to_string(value ^ k));
        }
    }
    lines.push_back(std::string(LineCountWord) + std::to_string(lines.size()));
    lines.push_back(std::string(ChecksumWord) +
                    std::to_string(PresetChecksum(static_cast<std::int32_t>(sum))));
    return lines;
}

std::string EncodePresetFile(PresetKind kind, const PageTable& store) {
    std::string file;
    for (const std::string& plain : PresetPlainLines(kind, store)) {
        file += ScrambleLine(plain);
        file += PresetLineEnd;
    }
    return file;
}

} // namespace kdsp
