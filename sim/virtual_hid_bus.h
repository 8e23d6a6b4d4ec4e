#pragma once

#include "link/transports.h"
#include "sim/box_simulator.h"

#include <functional>
#include <memory>
#include <vector>

namespace kdsp {

// A HID bus in memory: simulated boxes in USB mode, and any other devices a
// test plugs in, behind the same HidService the console uses for hidapi.
// Nothing is delivered until pump() hands the boxes' reports to the sink.
class VirtualHidBus : public HidService {
public:
    using ReportSink = std::function<void(const std::string& id, ByteView data)>;

    explicit VirtualHidBus(ReportSink sink) : sink_(std::move(sink)) {}

    // Plugs in a simulated box (vendor 0x1984, product 0x0419 unless given).
    BoxSimulator& plugBox(const std::string& id, std::string product = "KDSP",
                          std::string serial = "", std::uint16_t productId = 0x0419);
    // Plugs in a device that never answers.
    void plugDevice(const HidDeviceInfo& info);
    void unplug(const std::string& id);
    // Makes writes to a device fail with this message and code.
    void failWrites(const std::string& id, std::string message, std::uint32_t code);

    // Hands every report the boxes have sent to the sink, oldest first, for
    // taken devices only (as a real read thread would).
    void pump();

    // Output reports written to a device, report ID included.
    const std::vector<Bytes>& written(const std::string& id) const;

    std::vector<HidDeviceInfo> enumerate() override;
    bool take(const std::string& id) override;
    void releaseAll() override;
    bool writeReport(const std::string& id, ByteView report, std::string& error,
                     std::uint32_t& code) override;

private:
    struct Device {
        HidDeviceInfo info;
        std::unique_ptr<BoxSimulator> box;
        bool taken = false;
        std::vector<Bytes> written;
        std::string failMessage;
        std::uint32_t failCode = 0;
    };
    Device* find(const std::string& id);

    ReportSink sink_;
    std::vector<std::unique_ptr<Device>> devices_;
};

} // namespace kdsp
