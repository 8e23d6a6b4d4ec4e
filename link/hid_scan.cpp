#include "link/hid_scan.h"

#include "link/link_engine.h"

#include <algorithm>
#include <cstdio>

namespace kdsp {

namespace {

std::string hex4(std::uint16_t number) {
    char text[8];
    std::snprintf(text, sizeof text, "%.4x", static_cast<unsigned>(number));
    return text;
}

} // namespace

std::string DeviceLine(const HidDeviceInfo& device) {
    std::string line =
        device.product + "Device VID=" + hex4(device.vendorId) + " PID=" + hex4(device.productId);
    if (!device.serialNumber.empty())
        line += " (自定义HID描述符=" + device.serialNumber + ")";
    return line;
}

HidScan ScanHidDevices(HidService& hid) {
    hid.releaseAll();
    HidScan scan;
    for (const HidDeviceInfo& device : hid.enumerate()) {
        if (device.vendorId != BoxVendorId)
            continue;
        // Listed even when it cannot be taken: the user sees what is plugged in.
        hid.take(device.id);
        scan.lines.push_back(DeviceLine(device));
        if (device.productId == BoxProductId)
            scan.selected = device;
    }
    return scan;
}

Bytes BuildHidReport(ByteView frame, std::size_t outputReportLength) {
    Bytes report(HidReportSize, 0);
    const std::size_t copied = std::min(frame.size(), HidReportSize - 1);
    std::copy_n(frame.begin(), copied, report.begin() + 1);
    report.resize(std::min(outputReportLength, HidReportSize));
    return report;
}

std::string HidErrorLine(std::string_view what, std::string_view message, std::uint32_t code) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(code));
    return std::string(what) + ": " + std::string(message) + " (" + hex + ")";
}

// USB entry points of the engine.

void LinkEngine::hidDevicesChanged() {
    HidScan scan = ScanHidDevices(hid_);
    host_.showDeviceList(scan.lines);
    selectedDevice_ = std::move(scan.selected);
    usbPresent_ = selectedDevice_.has_value();

    if (usbPresent_) {
        // A working link is not dropped because some HID device came or went.
        if (online_)
            return;
        transport_ = Transport::Usb;
        pressLinkButton();
        return;
    }
    // Only the first scan without the box acts: at start-up it hands the
    // search to the serial ports, later it notices an unplugged box.
    if (usbMissSeen_)
        return;
    usbMissSeen_ = true;
    if (transport_ != Transport::Usb)
        return;
    if (online_) {
        enterState(link_state::LinkLost);
    } else {
        transport_ = Transport::Serial;
        pressLinkButton();
    }
}

void LinkEngine::hidReportReceived(const std::string& deviceId, ByteView data) {
    if (selectedDevice_ && selectedDevice_->id == deviceId)
        decoder_.decode(Transport::Usb, data);
}

void LinkEngine::hidReadError(std::string_view message, std::uint32_t code) {
    host_.addHistoryLine(HidErrorLine("READ ERROR", message, code));
}

void LinkEngine::hidRemoved(const HidDeviceInfo& device) {
    host_.addHistoryLine("Removal of " + DeviceLine(device));
}

void LinkEngine::sendUsb(ByteView frame) {
    if (!selectedDevice_)
        return;
    const Bytes report = BuildHidReport(frame, selectedDevice_->outputReportLength);
    std::string message;
    std::uint32_t code = 0;
    if (!hid_.writeReport(selectedDevice_->id, report, message, code))
        host_.addHistoryLine(HidErrorLine("WRITE ERROR", message, code));
}

} // namespace kdsp
