#include "link/qt/hidapi_service.h"

#include "link/link_engine.h"

#include <QMetaObject>
#include <QPointer>
#include <cerrno>
#include <cwchar>
#include <hidapi/hidapi.h>

namespace kdsp {

namespace {

constexpr int ReadTimeoutMs = 100;
constexpr int RescanIntervalMs = 1000;
constexpr std::size_t ReportDataSize = 64;

std::string narrow(const wchar_t* text) {
    std::string out;
    if (!text)
        return out;
    for (; *text; ++text)
        out += *text < 0x80 ? static_cast<char>(*text) : '?';
    return out;
}

} // namespace

HidEvents EngineHidEvents(const std::unique_ptr<LinkEngine>& engine) {
    HidEvents events;
    events.devicesChanged = [&engine] { engine->hidDevicesChanged(); };
    events.reportReceived = [&engine](const std::string& id, ByteView data) {
        engine->hidReportReceived(id, data);
    };
    events.readError = [&engine](const std::string& message, std::uint32_t code) {
        engine->hidReadError(message, code);
    };
    events.removed = [&engine](const HidDeviceInfo& device) { engine->hidRemoved(device); };
    return events;
}

struct HidapiService::OpenDevice {
    hid_device* handle = nullptr;
    std::atomic<bool> stop{false};
    std::thread reader;
};

HidapiService::HidapiService(HidEvents events, QObject* parent)
    : QObject(parent), events_(std::move(events)) {
    hid_init();
    rescanTimer_.setInterval(RescanIntervalMs);
    connect(&rescanTimer_, &QTimer::timeout, this, &HidapiService::rescan);
    rescanTimer_.start();
    QMetaObject::invokeMethod(this, &HidapiService::rescan, Qt::QueuedConnection);
}

HidapiService::~HidapiService() {
    releaseAll();
    hid_exit();
}

std::vector<HidDeviceInfo> HidapiService::enumerate() {
    std::vector<HidDeviceInfo> devices;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* d = list; d; d = d->next) {
        HidDeviceInfo info;
        info.id = d->path ? d->path : "";
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        info.product = narrow(d->product_string);
        info.serialNumber = narrow(d->serial_number);
        devices.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return devices;
}

void HidapiService::rescan() {
    std::map<std::string, HidDeviceInfo> now;
    for (auto& device : enumerate())
        now.emplace(device.id, device);
    bool changed = now.size() != present_.size();
    for (const auto& [id, device] : present_) {
        if (now.count(id))
            continue;
        changed = true;
        if (events_.removed)
            events_.removed(device);
    }
    for (const auto& [id, device] : now)
        changed = changed || !present_.count(id);
    present_ = std::move(now);
    if ((changed || !firstScanDone_) && events_.devicesChanged) {
        firstScanDone_ = true;
        events_.devicesChanged();
    }
}

bool HidapiService::take(const std::string& id) {
    if (open_.count(id))
        return true;
    hid_device* handle = hid_open_path(id.c_str());
    if (!handle)
        return false;
    auto device = std::make_unique<OpenDevice>();
    device->handle = handle;
    OpenDevice* raw = device.get();
    QPointer<HidapiService> self(this);
    device->reader = std::thread([raw, id, self] {
        unsigned char buffer[ReportDataSize + 1];
        while (!raw->stop.load()) {
            const int n = hid_read_timeout(raw->handle, buffer, sizeof buffer, ReadTimeoutMs);
            if (n == 0)
                continue;
            if (n < 0) {
                const std::string message = narrow(hid_error(raw->handle));
                const auto code = static_cast<std::uint32_t>(errno);
                QMetaObject::invokeMethod(
                    self,
                    [self, message, code] {
                        if (self && self->events_.readError)
                            self->events_.readError(message, code);
                    },
                    Qt::QueuedConnection);
                break;
            }
            // Linux hands over the report without its ID when the device
            // uses none: that is the data itself.
            Bytes data(buffer, buffer + n);
            QMetaObject::invokeMethod(
                self,
                [self, id, data] {
                    if (self && self->events_.reportReceived)
                        self->events_.reportReceived(id, data);
                },
                Qt::QueuedConnection);
        }
    });
    open_.emplace(id, std::move(device));
    return true;
}

void HidapiService::releaseAll() {
    for (auto& [id, device] : open_) {
        device->stop = true;
        if (device->reader.joinable())
            device->reader.join();
        hid_close(device->handle);
    }
    open_.clear();
}

bool HidapiService::writeReport(const std::string& id, ByteView report, std::string& error,
                                std::uint32_t& code) {
    const auto it = open_.find(id);
    if (it == open_.end()) {
        error = "device not open";
        code = 0;
        return false;
    }
    errno = 0;
    if (hid_write(it->second->handle, report.data(), report.size()) < 0) {
        error = narrow(hid_error(it->second->handle));
        code = static_cast<std::uint32_t>(errno);
        return false;
    }
    return true;
}

} // namespace kdsp
