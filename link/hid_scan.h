#pragma once

#include "link/frame_codec.h"
#include "link/transports.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kdsp {

inline constexpr std::uint16_t BoxVendorId = 0x1984;
inline constexpr std::uint16_t BoxProductId = 0x0419;

// Report ID byte plus 64 data bytes.
inline constexpr std::size_t HidReportSize = 65;

// A device-list line: the product string, then "Device VID=1984 PID=0419",
// then " (自定义HID描述符=SERIAL)" when the device has a serial number.
std::string DeviceLine(const HidDeviceInfo& device);

struct HidScan {
    std::vector<std::string> lines; // one per device of the box's vendor
    // The last listed device that is the box; sends go to it.
    std::optional<HidDeviceInfo> selected;
};

// Releases every device held, then takes and lists every present device of
// the box's vendor.
HidScan ScanHidDevices(HidService& hid);

// The output report for one frame: report ID 0, the frame (its first 64
// bytes), zeros to the end, cut to the device's output report length.
Bytes BuildHidReport(ByteView frame, std::size_t outputReportLength);

// "WRITE ERROR: %s (%x)" and "READ ERROR: %s (%x)" of the history list.
std::string HidErrorLine(std::string_view what, std::string_view message, std::uint32_t code);

} // namespace kdsp
