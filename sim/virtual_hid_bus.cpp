#include "sim/virtual_hid_bus.h"

#include <algorithm>

namespace kdsp {

namespace {

constexpr std::uint16_t BoxVendorId = 0x1984;
constexpr std::size_t ReportDataSize = 64;

} // namespace

BoxSimulator& VirtualHidBus::plugBox(const std::string& id, std::string product,
                                     std::string serial, std::uint16_t productId) {
    auto device = std::make_unique<Device>();
    device->info = {id, BoxVendorId, productId, std::move(product), std::move(serial), 65};
    device->box = std::make_unique<BoxSimulator>(Transport::Usb);
    BoxSimulator& box = *device->box;
    devices_.push_back(std::move(device));
    return box;
}

void VirtualHidBus::plugDevice(const HidDeviceInfo& info) {
    auto device = std::make_unique<Device>();
    device->info = info;
    devices_.push_back(std::move(device));
}

void VirtualHidBus::unplug(const std::string& id) {
    std::erase_if(devices_, [&](const auto& d) { return d->info.id == id; });
}

void VirtualHidBus::failWrites(const std::string& id, std::string message, std::uint32_t code) {
    if (Device* device = find(id)) {
        device->failMessage = std::move(message);
        device->failCode = code;
    }
}

VirtualHidBus::Device* VirtualHidBus::find(const std::string& id) {
    for (auto& device : devices_)
        if (device->info.id == id)
            return device.get();
    return nullptr;
}

void VirtualHidBus::pump() {
    for (auto& device : devices_) {
        if (!device->box || !device->taken)
            continue;
        for (const Bytes& report : device->box->takeOutput())
            sink_(device->info.id, report);
    }
}

const std::vector<Bytes>& VirtualHidBus::written(const std::string& id) const {
    static const std::vector<Bytes> none;
    for (const auto& device : devices_)
        if (device->info.id == id)
            return device->written;
    return none;
}

std::vector<HidDeviceInfo> VirtualHidBus::enumerate() {
    std::vector<HidDeviceInfo> infos;
    for (const auto& device : devices_)
        infos.push_back(device->info);
    return infos;
}

bool VirtualHidBus::take(const std::string& id) {
    Device* device = find(id);
    if (!device)
        return false;
    device->taken = true;
    return true;
}

void VirtualHidBus::releaseAll() {
    for (auto& device : devices_)
        device->taken = false;
}

bool VirtualHidBus::writeReport(const std::string& id, ByteView report, std::string& error,
                                std::uint32_t& code) {
    Device* device = find(id);
    if (!device || !device->taken) {
        error = "device not open";
        code = 0;
        return false;
    }
    if (!device->failMessage.empty()) {
        error = device->failMessage;
        code = device->failCode;
        return false;
    }
    device->written.emplace_back(report.begin(), report.end());
    if (device->box && !report.empty()) {
        // The box sees the data after the report ID.
        const ByteView data = report.subspan(1, std::min(report.size() - 1, ReportDataSize));
        device->box->receive(data);
    }
    return true;
}

} // namespace kdsp
