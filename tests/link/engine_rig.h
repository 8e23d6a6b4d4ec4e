#pragma once

#include "link/link_engine.h"
#include "link/link_host.h"
#include "link/transports.h"
#include "sim/box_simulator.h"

#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace kdsp::test {

// A short name for a frame the console sends: "connect", "poll",
// "read page 3 from 25", "system name 4", "read 1E15", "write 0003=9",
// "upload page 0 from 75 x 21", "write 1E05 +4 bytes".
inline std::string Describe(ByteView frame) {
    if (frame.size() < 7)
        return FormatHex(frame);
    const std::uint8_t command = frame[3];
    const Tag address = makeTag(frame[4], frame[5]);
    const ByteView payload = frame.subspan(6, frame.size() - 7);
    const int value = payload.size() >= 2 ? payload[0] + 256 * payload[1] : -1;
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(address));
    if (command == CommandWrite && address == command::Connection)
        return value == command::ConnectValue      ? "connect"
               : value == command::DisconnectValue ? "disconnect"
                                                   : "connection " + std::to_string(value);
    if (command == CommandRead && address == command::BlockRequest)
        return value == command::StatusPollValue ? "poll"
                                                 : "read page " + std::to_string(value & 0xFF) +
                                                       " from " + std::to_string(value >> 8);
    if (command == CommandWrite && address == command::BlockUpload && payload.size() >= 2)
        return "upload page " + std::to_string(payload[0]) + " from " + std::to_string(payload[1]) +
               " x " + std::to_string((payload.size() - 2) / 2);
    if (command == CommandRead && address == command::SystemModeName)
        return "system name " + std::to_string(value);
    if (command == CommandRead && address == command::HintModeName)
        return "hint name " + std::to_string(value);
    if (command == CommandRead)
        return std::string("read ") + hex;
    if (payload.size() == 2)
        return std::string("write ") + hex + "=" + std::to_string(value);
    return std::string("write ") + hex + " +" + std::to_string(payload.size()) + " bytes";
}

inline std::vector<std::string> Describe(const std::vector<Bytes>& frames) {
    std::vector<std::string> names;
    for (const Bytes& frame : frames)
        names.push_back(Describe(frame));
    return names;
}

// What the console around the engine would have shown. The events a user
// or the box would notice also go to the shared trace.
struct RecordingHost : LinkHost {
    explicit RecordingHost(std::vector<std::string>& trace) : trace_(trace) {}

    std::vector<std::string> ports;
    int selected = -1;
    TcpEndpoint endpoint{"127.0.0.1", "8899"};

    std::map<LinkTimer, int> intervals;
    std::string status = "Off Line";
    Rgb colour{};
    LinkButtonLook buttons = LinkButtonLook::Disconnected;
    bool dialogVisible = false;
    std::vector<int> percents;
    std::string portLabel;
    std::vector<std::string> prompts; // "chinese/english"
    std::vector<std::string> messages;
    std::vector<std::string> history;
    std::vector<std::string> deviceList;
    int onlineRefreshes = 0;
    std::vector<ModeList> rebuiltLists;
    std::vector<std::pair<Tag, std::int32_t>> shownValues;
    std::string deviceId;

    void startTimer(LinkTimer timer, int intervalMs) override { intervals[timer] = intervalMs; }
    void stopTimer(LinkTimer) override {}
    void showLinkStatus(std::string_view, std::string_view english) override {
        status = english;
        trace_.push_back("status " + status);
    }
    void setLinkLabelColour(Rgb c) override { colour = c; }
    void setLinkButtons(LinkButtonLook look) override { buttons = look; }
    void updateStatusDialog(int percent, bool visible) override {
        percents.push_back(percent);
        dialogVisible = visible;
    }
    void setPortLabel(std::string_view text) override { portLabel = text; }
    void showPrompt(std::string_view chinese, std::string_view english) override {
        prompts.push_back(std::string(chinese) + "/" + std::string(english));
        trace_.push_back("prompt " + prompts.back());
    }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    void linkOnline() override { ++onlineRefreshes; }
    void rebuildModeBoxes(ModeList list, const std::array<std::string, ModesPerList>&) override {
        rebuiltLists.push_back(list);
    }
    void showStoredValue(Tag tag, std::int32_t value) override {
        shownValues.emplace_back(tag, value);
    }
    void setDeviceIdCaption(std::string_view id) override { deviceId = id; }
    std::vector<std::string> serialPortNames() override { return ports; }
    int selectedSerialPort() override { return selected; }
    void selectSerialPort(int index) override {
        selected = index >= 0 && static_cast<std::size_t>(index) < ports.size() ? index : -1;
    }
    TcpEndpoint tcpEndpoint() override { return endpoint; }
    void addHistoryLine(std::string_view line) override {
        history.emplace_back(line);
        trace_.push_back("history " + history.back());
    }
    void showDeviceList(const std::vector<std::string>& lines) override { deviceList = lines; }

private:
    std::vector<std::string>& trace_;
};

// Serial ports by name; a listed name may have a simulated box behind it
// (nullptr: the port opens but nothing answers).
struct FakeSerialPort : SerialPort {
    explicit FakeSerialPort(std::vector<std::string>& trace) : trace_(trace) {}

    std::map<std::string, BoxSimulator*> boxes;
    std::string openName;
    bool failWrites = false;

    bool open(const std::string& name) override {
        close();
        if (!boxes.contains(name))
            return false;
        openName = name;
        trace_.push_back("open " + name);
        return true;
    }
    void close() override { openName.clear(); }
    bool isOpen() const override { return !openName.empty(); }
    bool write(ByteView bytes) override {
        if (failWrites)
            return false;
        trace_.push_back(openName + " " + Describe(bytes));
        if (BoxSimulator* box = boxes[openName])
            box->receive(bytes);
        return true;
    }

private:
    std::vector<std::string>& trace_;
};

// A TCP client that reaches `box` when started on 127.0.0.1:8899.
struct FakeSocket : ClientSocket {
    explicit FakeSocket(std::vector<std::string>& trace) : trace_(trace) {}

    BoxSimulator* box = nullptr;
    bool connected = false;
    std::vector<std::string> starts;

    void start(const std::string& host, std::uint16_t port) override {
        connected = false;
        starts.push_back(host + ":" + std::to_string(port));
        trace_.push_back("tcp start " + starts.back());
        connected = box != nullptr && host == "127.0.0.1" && port == 8899;
    }
    void close() override {
        connected = false;
        trace_.push_back("tcp close");
    }
    void send(ByteView bytes) override {
        trace_.push_back("tcp " + Describe(bytes));
        if (connected)
            box->receive(bytes);
    }

private:
    std::vector<std::string>& trace_;
};

// HID devices, each optionally a simulated box in USB mode.
struct FakeHid : HidService {
    explicit FakeHid(std::vector<std::string>& trace) : trace_(trace) {}

    struct Device {
        HidDeviceInfo info;
        BoxSimulator* box = nullptr;
    };
    std::vector<Device> devices;
    std::set<std::string> taken;
    bool failWrites = false;
    std::vector<std::pair<std::string, Bytes>> reports;

    std::vector<HidDeviceInfo> enumerate() override {
        std::vector<HidDeviceInfo> infos;
        for (const Device& d : devices)
            infos.push_back(d.info);
        return infos;
    }
    bool take(const std::string& id) override {
        taken.insert(id);
        return true;
    }
    void releaseAll() override { taken.clear(); }
    bool writeReport(const std::string& id, ByteView report, std::string& error,
                     std::uint32_t& code) override {
        reports.emplace_back(id, Bytes(report.begin(), report.end()));
        if (failWrites) {
            error = "The device is not connected.";
            code = 0x48F;
            return false;
        }
        trace_.push_back(id + " " + Describe(report.subspan(1)));
        for (const Device& d : devices)
            if (d.info.id == id && d.box)
                d.box->receive(report.subspan(1));
        return true;
    }

private:
    std::vector<std::string>& trace_;
};

inline HidDeviceInfo BoxDevice(std::string id, std::string serial = "") {
    return {std::move(id), 0x1984, 0x0419, "KDSP", std::move(serial), 65};
}

// The engine wired to fakes and simulated boxes. Nothing moves by itself:
// a test calls the ticks, and pump() hands what the boxes sent to the
// engine the way the transports would.
struct Rig {
    std::vector<std::string> trace;
    ParameterStore store = StartupStore();
    RecordingHost host{trace};
    FakeSerialPort serial{trace};
    FakeSocket tcp{trace};
    FakeHid hid{trace};
    LinkEngine engine{store, host, serial, tcp, hid};
    std::vector<std::unique_ptr<BoxSimulator>> boxes;

    BoxSimulator& addBox(Transport transport) {
        boxes.push_back(std::make_unique<BoxSimulator>(transport));
        return *boxes.back();
    }

    // The usual set-up: one box on `transport` (USB device "usb", serial
    // port "COM3" or TCP), the others empty.
    BoxSimulator& boxOn(Transport transport) {
        BoxSimulator& box = addBox(transport);
        if (transport == Transport::Usb)
            hid.devices.push_back({BoxDevice("usb"), &box});
        if (transport == Transport::Serial)
            listPorts({"COM3"}, {{"COM3", &box}});
        if (transport == Transport::Tcp)
            tcp.box = &box;
        return box;
    }

    void listPorts(std::vector<std::string> names, std::map<std::string, BoxSimulator*> attached) {
        host.ports = names;
        host.selected = names.empty() ? -1 : 0;
        for (const std::string& name : names)
            serial.boxes[name] = attached.contains(name) ? attached[name] : nullptr;
    }

    void pump() {
        for (auto& [name, box] : serial.boxes) {
            if (!box)
                continue;
            for (const Bytes& chunk : box->takeOutput())
                if (serial.openName == name)
                    engine.serialReceived(chunk);
        }
        if (tcp.box)
            for (const Bytes& chunk : tcp.box->takeOutput())
                if (tcp.connected)
                    engine.tcpReceived(chunk);
        for (const FakeHid::Device& d : hid.devices) {
            if (!d.box)
                continue;
            for (const Bytes& block : d.box->takeOutput())
                if (hid.taken.contains(d.info.id))
                    engine.hidReportReceived(d.info.id, block);
        }
    }

    // What each tick did, as trace lines joined by ", ".
    template <typename Tick> std::vector<std::string> traceTicks(int count, Tick tick) {
        std::vector<std::string> perTick;
        for (int i = 0; i < count; ++i) {
            trace.clear();
            tick();
            pump();
            std::string line;
            for (const std::string& event : trace)
                line += (line.empty() ? "" : ", ") + event;
            perTick.push_back(line);
        }
        trace.clear();
        return perTick;
    }

    void searchTicks(int count) {
        for (int i = 0; i < count; ++i) {
            engine.searchTick();
            pump();
        }
    }
    void pacingTicks(int count) {
        for (int i = 0; i < count; ++i) {
            engine.pacingTick();
            pump();
        }
    }
    // Transfer ticks until the transfer timer stops; returns how many ran.
    int runTransfer(int limit = 1000) {
        int ticks = 0;
        while (engine.timerRunning(LinkTimer::Transfer) && ticks < limit) {
            engine.transferTick();
            pump();
            ++ticks;
        }
        return ticks;
    }

    // The first device scan starts the search by itself; search ticks run
    // until the handshake has started the download.
    void searchUntilLinking(int limit = 30) {
        engine.hidDevicesChanged();
        pump();
        for (int i = 0; i < limit && !engine.timerRunning(LinkTimer::Transfer); ++i) {
            engine.searchTick();
            pump();
        }
    }

    // Search, handshake and full download: the link ends online.
    void linkUp() {
        searchUntilLinking();
        runTransfer();
    }
};

} // namespace kdsp::test
