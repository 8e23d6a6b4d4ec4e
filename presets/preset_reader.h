#pragma once

#include "model/parameter_store.h"
#include "presets/preset_kind.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace kdsp {

enum class PresetStatus {
    Ok,
    CannotOpen,  // the file is missing or unreadable
    FormatError, // the header numbers are not those of the kind
    Corrupted,   // anything else: hex, numbers, line count, checksum, size
};

// Far more than either kind's writer produces (under 80 KB); anything larger
// is not read at all.
inline constexpr std::size_t MaxPresetFileSize = std::size_t{1} << 20;

struct PresetValue {
    Tag tag;
    std::int32_t value;
    friend bool operator==(const PresetValue&, const PresetValue&) = default;
};

struct PresetReadResult {
    PresetStatus status = PresetStatus::Corrupted;
    // The values a load stores, in file order; empty unless status is Ok.
    std::vector<PresetValue> values;
};

// Checks the whole file before anything can be stored: at most
// MaxPresetFileSize bytes; lines (ended by CR LF, LF or CR) of whole hex
// pairs; the two header numbers of `kind` (FormatError); at least four lines;
// the line count; two decimal integers on every data line; the checksum
// over every data line's value. Data lines outside the kind's accepted pages
// or past a page's slot count still count towards the checksum but are
// left out of `values`.
PresetReadResult DecodePresetFile(PresetKind kind, std::string_view bytes);

void ApplyPresetValues(std::span<const PresetValue> values, PageTable& store);

} // namespace kdsp
