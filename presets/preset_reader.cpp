#include "presets/preset_reader.h"

#include "presets/line_cipher.h"
#include "presets/preset_format.h"

#include <charconv>
#include <optional>
#include <string>

namespace kdsp {

namespace {

// Lines as a text-file reader sees them: CR LF, LF or a lone CR ends a
// line, and a line end at the very end opens no further line.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back(bytes.substr(start));
    return lines;
}

// A whole decimal integer, optionally negative, that fits 32 bits.
std::optional<std::int32_t> parseInteger(std::string_view text) {
    if (text.empty() || text.front() == '+')
        return std::nullopt;
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// The number after the first space of a line, up to the next space.
std::optional<std::int32_t> numberAfterFirstSpace(std::string_view line) {
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos)
        return std::nullopt;
    std::string_view rest = line.substr(space + 1);
    rest = rest.substr(0, rest.find(' '));
    return parseInteger(rest);
}

bool headerHolds(std::string_view line, int mask, int expected) {
    const auto number = numberAfterFirstSpace(line);
    return number && (*number ^ mask) == expected;
}

PresetReadResult failed(PresetStatus status) {
    return {status, {}};
}

} // namespace

PresetReadResult DecodePresetFile(PresetKind kind, std::string_view bytes) {
    if (bytes.size() > MaxPresetFileSize)
        return failed(PresetStatus::Corrupted);

    std::vector<std::string> lines;
    for (std::string_view line : splitLines(bytes)) {
        auto plain = UnscrambleLine(line);
        if (!plain)
            return failed(PresetStatus::Corrupted);
        lines.push_back(std::move(*plain));
    }

    const PresetKindInfo& info = InfoOf(kind);
    if (lines.size() < 2)
        return failed(PresetStatus::Corrupted);
    if (!headerHolds(lines[0], info.headerMask, HeaderFirstNumber) ||
        !headerHolds(lines[1], info.headerMask, HeaderSecondNumber))
        return failed(PresetStatus::FormatError);
    if (lines.size() < 4)
        return failed(PresetStatus::Corrupted);

    const std::size_t last = lines.size() - 1;
    const auto lineCount = numberAfterFirstSpace(lines[last - 1]);
    if (!lineCount || *lineCount < 0 || static_cast<std::size_t>(*lineCount) != last - 1)
        return failed(PresetStatus::Corrupted);

    PresetReadResult result{PresetStatus::Ok, {}};
    std::uint32_t sum = 0;
    for (std::size_t k = 2; k + 1 < last; ++k) {
        const std::string_view line = lines[k];
        const std::size_t space = line.find(' ');
        if (space == std::string_view::npos)
            return failed(PresetStatus::Corrupted);
        const auto address = parseInteger(line.substr(0, space));
        const auto value = parseInteger(line.substr(space + 1));
        if (!address || !value)
            return failed(PresetStatus::Corrupted);

        const auto key = static_cast<std::int32_t>(k);
        const Tag tag = *address ^ key;
        const std::int32_t v = *value ^ key;
        sum += static_cast<std::uint32_t>(v);

        // A negative address names no slot; the first reader would have
        // written in front of the page.
        const int page = pageOf(tag);
        const int slot = slotOf(tag);
        if (tag >= 0 && page >= info.firstPageAccepted && page <= info.lastPageAccepted &&
            slot < SlotCount[static_cast<std::size_t>(page)])
            result.values.push_back({tag, v});
    }

    const auto checksum = numberAfterFirstSpace(lines[last]);
    if (!checksum || *checksum != PresetChecksum(static_cast<std::int32_t>(sum)))
        return failed(PresetStatus::Corrupted);
    return result;
}

void ApplyPresetValues(std::span<const PresetValue> values, PageTable& store) {
    for (const PresetValue& v : values)
        store.setValue(v.tag, v.value);
}

} // namespace kdsp
