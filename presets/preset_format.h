#pragma once

#include "model/parameter_store.h"
#include "presets/preset_kind.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kdsp {

// Plain lines of a preset file, before scrambling:
//   0        header word, then 192 XOR mask
//   1        "Velor ", then 1 XOR mask
//   2..N+1   "a v": (page * 256 + slot) XOR k and value XOR k, k the line number
//   N+2      "Intoal: ", then N + 2 (the line's own number)
//   N+3      "CCCCK: ", then the checksum of the N values
// Every line, the last included, ends with CR LF.
inline constexpr int HeaderFirstNumber = 192;
inline constexpr int HeaderSecondNumber = 1;
inline constexpr std::string_view VersionWord = "Velor ";
inline constexpr std::string_view LineCountWord = "Intoal: ";
inline constexpr std::string_view ChecksumWord = "CCCCK: ";
inline constexpr std::string_view PresetLineEnd = "\r\n";

// ((sum XOR 0xFFFF) + 1) mod 256 in 32-bit arithmetic that wraps, the
// remainder keeping the sign of the dividend: 0 gives 0, 1 gives 255 and
// -1 gives -255.
std::int32_t PresetChecksum(std::int32_t sum);

// Plain lines of a file of `kind` holding the store's values of the kind's
// pages, slots 0 up to each page's slot count.
std::vector<std::string> PresetPlainLines(PresetKind kind, const PageTable& store);

// The whole file, scrambled, with CR LF line ends.
std::string EncodePresetFile(PresetKind kind, const PageTable& store);

} // namespace kdsp
