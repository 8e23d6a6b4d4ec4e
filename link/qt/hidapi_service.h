#pragma once

#include "link/transports.h"

#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <thread>

struct hid_device_;

namespace kdsp {

class LinkEngine;

// Callbacks of a HID service, all delivered on the UI thread.
struct HidEvents {
    std::function<void()> devicesChanged; // once after start, then on arrival or removal
    std::function<void(const std::string& id, ByteView data)> reportReceived;
    std::function<void(const std::string& message, std::uint32_t code)> readError;
    std::function<void(const HidDeviceInfo& device)> removed;
};

// Events that go to `engine`, which may be built after the service: the
// service only calls once the event loop runs.
HidEvents EngineHidEvents(const std::unique_ptr<LinkEngine>& engine);

// HID devices through hidapi. Each taken device gets a read thread whose
// reports are handed to the UI thread. hidapi has no hot-plug notice, so
// arrival and removal are found by enumerating about once a second.
class HidapiService : public QObject, public HidService {
public:
    explicit HidapiService(HidEvents events, QObject* parent = nullptr);
    ~HidapiService() override;

    std::vector<HidDeviceInfo> enumerate() override;
    bool take(const std::string& id) override;
    void releaseAll() override;
    bool writeReport(const std::string& id, ByteView report, std::string& error,
                     std::uint32_t& code) override;

private:
    struct OpenDevice;

    void rescan();

    HidEvents events_;
    QTimer rescanTimer_;
    std::map<std::string, HidDeviceInfo> present_;
    bool firstScanDone_ = false;
    std::map<std::string, std::unique_ptr<OpenDevice>> open_;
};

} // namespace kdsp
