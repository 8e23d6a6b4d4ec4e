#include "link/host_port.h"

#include <charconv>

namespace kdsp {

std::optional<HostPort> ParseHostPort(std::string_view text) {
    const auto colon = text.rfind(':');
    if (colon == std::string_view::npos || colon == 0)
        return std::nullopt;
    const std::string_view portText = text.substr(colon + 1);
    int port = -1;
    const auto [end, ec] =
        std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (ec != std::errc() || end != portText.data() + portText.size() || portText.empty() ||
        port < 0 || port > 65535)
        return std::nullopt;
    std::string_view host = text.substr(0, colon);
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    if (host.empty())
        return std::nullopt;
    return HostPort{std::string(host), port};
}

} // namespace kdsp
