#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kdsp {

// Every line of a preset file is scrambled with this key, byte i of the
// line with key byte i mod 8.
inline constexpr std::array<std::uint8_t, 8> LineKey = {0x3C, 0xE1, 0x57, 0x0A,
                                                        0xD8, 0x26, 0x9B, 0x71};

// Two upper-case hex digits per byte of `plain`, each byte XOR its key byte.
std::string ScrambleLine(std::string_view plain);

// The plain line, or nothing when `line` is not a whole number of hex pairs
// (either case of digit is read).
std::optional<std::string> UnscrambleLine(std::string_view line);

} // namespace kdsp
