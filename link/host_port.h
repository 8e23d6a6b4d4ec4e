#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kdsp {

struct HostPort {
    std::string host; // without the brackets of an IPv6 address
    int port = 0;
};

// Splits "HOST:PORT" (or "[IPv6]:PORT") at its last colon. Nothing when the
// host is empty or the port is not a whole number 0..65535.
std::optional<HostPort> ParseHostPort(std::string_view text);

} // namespace kdsp
