#include "presets/preset_names.h"

#include <array>
#include <string>

namespace kdsp {

namespace {

bool isControl(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b < 0x20 || b == 0x7F;
}

bool isReservedDeviceName(std::string_view name) {
    std::string base(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    for (char& c : base)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    static constexpr std::array<std::string_view, 4> Plain = {"CON", "PRN", "AUX", "NUL"};
    for (std::string_view reserved : Plain)
        if (base == reserved)
            return true;
    return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
           base[3] >= '1' && base[3] <= '9';
}

} // namespace

bool IsAcceptablePresetName(std::string_view name, NameUse use) {
    // ':' is a drive or stream separator on the console's first platform: a
    // name starting "C:" would leave the folder even when opening.
    const std::string_view refused = use == NameUse::Save ? "\\/:*?\"<>|" : "\\/:";
    for (char c : name)
        if (isControl(c) || refused.find(c) != std::string_view::npos)
            return false;
    if (use == NameUse::Open)
        return true;
    return name.find("..") == std::string_view::npos && !isReservedDeviceName(name);
}

} // namespace kdsp
