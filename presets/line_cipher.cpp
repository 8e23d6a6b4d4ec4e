#include "presets/line_cipher.h"

namespace kdsp {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string ScrambleLine(std::string_view plain) {
    static constexpr char Digits[] = "0123456789ABCDEF";
    std::string line;
    line.reserve(plain.size() * 2);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const auto b = static_cast<std::uint8_t>(static_cast<std::uint8_t>(plain[i]) ^
                                                 LineKey[i % LineKey.size()]);
        line += Digits[b >> 4];
        line += Digits[b & 0x0F];
    }
    return line;
}

std::optional<std::string> UnscrambleLine(std::string_view line) {
    // The writer never leaves half a pair, so an odd length means damage.
    if (line.size() % 2 != 0)
        return std::nullopt;
    std::string plain;
    plain.reserve(line.size() / 2);
    for (std::size_t i = 0; i < line.size(); i += 2) {
        const int high = hexDigit(line[i]);
        const int low = hexDigit(line[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        const auto b =
            static_cast<std::uint8_t>((high << 4 | low) ^ LineKey[(i / 2) % LineKey.size()]);
        plain += static_cast<char>(b);
    }
    return plain;
}

} // namespace kdsp
