#pragma once

#include "link/frame_codec.h"

#include <sstream>
#include <string>

namespace kdsp::test {

// "F5 C0 06" -> bytes; whitespace between pairs is optional.
inline Bytes hex(const std::string& text) {
    Bytes bytes;
    std::string digits;
    for (char c : text)
        if (c != ' ')
            digits += c;
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(digits.substr(i, 2), nullptr, 16)));
    return bytes;
}

} // namespace kdsp::test
