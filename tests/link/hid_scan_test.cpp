#include "engine_rig.h"
#include "hex.h"

#include <functional>
#include <gtest/gtest.h>

namespace kdsp {
namespace {

using test::BoxDevice;
using test::Rig;

HidDeviceInfo keypad(std::string id) {
    return {std::move(id), 0x1984, 0x0420, "Keypad", "", 65};
}

struct ScanCase {
    const char* name;
    std::vector<HidDeviceInfo> devices;
    std::vector<std::string> lines;
    std::string usedDevice; // "" when the box is not among them
};

const ScanCase ScanCases[] = {
    {"one box", {BoxDevice("a")}, {"KDSPDevice VID=1984 PID=0419"}, "a"},
    {"a serial number is shown in brackets",
     {BoxDevice("a", "SN42")},
     {"KDSPDevice VID=1984 PID=0419 (自定义HID描述符=SN42)"},
     "a"},
    {"two boxes: both listed, the last one used",
     {BoxDevice("a", "1"), BoxDevice("b", "2")},
     {"KDSPDevice VID=1984 PID=0419 (自定义HID描述符=1)",
      "KDSPDevice VID=1984 PID=0419 (自定义HID描述符=2)"},
     "b"},
    {"another product of the vendor is listed but never used",
     {keypad("k")},
     {"KeypadDevice VID=1984 PID=0420"},
     ""},
    {"other vendors are not listed", {{"m", 0x046D, 0x0419, "Mouse", "", 65}}, {}, ""},
};

TEST(HidScan, ListsTheVendorsDevicesAndUsesTheLastBox) {
    for (const ScanCase& c : ScanCases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        for (const HidDeviceInfo& device : c.devices)
            rig.hid.devices.push_back({device, nullptr});
        rig.engine.hidDevicesChanged();

        EXPECT_EQ(rig.host.deviceList, c.lines);
        EXPECT_EQ(rig.engine.usbPresent(), !c.usedDevice.empty());
        const auto ticks = rig.traceTicks(1, [&] { rig.engine.searchTick(); });
        if (!c.usedDevice.empty()) {
            EXPECT_EQ(ticks, std::vector<std::string>{c.usedDevice + " connect"});
        } else {
            // The first scan without the box hands the search on at once.
            EXPECT_EQ(rig.engine.transport(), Transport::Tcp);
        }
    }
}

TEST(HidScan, OnlyTheSelectedBoxIsHeard) {
    Rig rig;
    rig.hid.devices = {{BoxDevice("a"), nullptr}, {keypad("k"), nullptr}};
    rig.engine.hidDevicesChanged();
    rig.engine.hidReportReceived("k", test::hex("EE BB"));
    EXPECT_FALSE(rig.engine.answered());
    rig.engine.hidReportReceived("a", test::hex("EE BB"));
    EXPECT_TRUE(rig.engine.answered());
}

TEST(HidScan, ReportsCarryOneFrameAfterReportIdZero) {
    struct Case {
        const char* name;
        std::size_t reportLength;
        std::function<void(LinkEngine&)> send;
        Bytes frame;
    };
    const std::string longName(70, 'x');
    const Bytes longFrame =
        BuildTextCommand(command::HintModeStore, std::string("\x01", 2) + longName);
    const Case cases[] = {
        {"a value frame and 55 zeros", 65, [](LinkEngine& e) { e.searchTick(); },
         test::hex("F5 C0 06 B7 1E 30 11 00 0B")},
        {"cut to a shorter output report", 33, [](LinkEngine& e) { e.searchTick(); },
         test::hex("F5 C0 06 B7 1E 30 11 00 0B")},
        {"a frame longer than a report keeps its first 64 bytes", 65,
         [&](LinkEngine& e) {
             e.sendTextCommand(command::HintModeStore, std::string("\x01", 2) + longName);
         },
         Bytes(longFrame.begin(), longFrame.begin() + 64)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        HidDeviceInfo box = BoxDevice("a");
        box.outputReportLength = c.reportLength;
        rig.hid.devices = {{box, nullptr}};
        rig.engine.hidDevicesChanged();
        c.send(rig.engine);

        ASSERT_EQ(rig.hid.reports.size(), 1u);
        Bytes expected(65, 0);
        std::copy(c.frame.begin(), c.frame.end(), expected.begin() + 1);
        expected.resize(c.reportLength);
        EXPECT_EQ(rig.hid.reports[0].second, expected);
    }
}

TEST(HidScan, TheFirstScanWithoutTheBoxStartsTheSerialSearch) {
    Rig rig;
    rig.listPorts({"COM1"}, {});
    rig.engine.hidDevicesChanged();
    EXPECT_EQ(rig.engine.transport(), Transport::Serial);
    EXPECT_TRUE(rig.engine.timerRunning(LinkTimer::Search));
}

TEST(HidScan, UnpluggingTheLinkedBoxLosesTheLinkOnTheFirstMissOnly) {
    Rig rig;
    rig.boxOn(Transport::Usb);
    const auto plugged = rig.hid.devices;
    rig.linkUp();
    ASSERT_TRUE(rig.engine.online());

    rig.hid.devices.clear();
    rig.engine.hidDevicesChanged();
    EXPECT_FALSE(rig.engine.online());
    EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Pacing));
    EXPECT_EQ(rig.host.prompts, std::vector<std::string>{"已断开连接!/Off Line!"});

    // Plugged in again, the box is found and linked; a later miss is left
    // to the keep-alive.
    rig.hid.devices = plugged;
    rig.linkUp();
    ASSERT_TRUE(rig.engine.online());
    rig.hid.devices.clear();
    rig.engine.hidDevicesChanged();
    EXPECT_TRUE(rig.engine.online());
    EXPECT_EQ(rig.host.prompts.size(), 1u);
}

// Dropping a working link because a HID device came or went would be a fault.
TEST(HidScan, FindingTheBoxWhileOnlineLeavesTheLinkAlone) {
    for (const Transport linked : {Transport::Usb, Transport::Serial}) {
        SCOPED_TRACE(static_cast<int>(linked));
        Rig rig;
        BoxSimulator& box = rig.boxOn(linked);
        rig.linkUp();
        ASSERT_TRUE(rig.engine.online());
        box.clearReceivedFrames();
        if (linked != Transport::Usb)
            rig.hid.devices.push_back({BoxDevice("usb"), nullptr});

        rig.engine.hidDevicesChanged();

        EXPECT_TRUE(rig.engine.online());
        EXPECT_EQ(rig.engine.transport(), linked);
        EXPECT_TRUE(rig.engine.timerRunning(LinkTimer::Pacing));
        EXPECT_FALSE(rig.engine.timerRunning(LinkTimer::Search));
        EXPECT_TRUE(box.receivedFrames().empty());
        rig.pacingTicks(50);
        EXPECT_EQ(test::Describe(box.receivedFrames()), std::vector<std::string>{"poll"});
    }
}

TEST(HidScan, FindingTheBoxDuringASearchStartsItOverUsb) {
    Rig rig;
    rig.listPorts({"COM1"}, {});
    rig.engine.hidDevicesChanged();
    rig.searchTicks(1);
    rig.hid.devices.push_back({BoxDevice("a"), nullptr});
    rig.engine.hidDevicesChanged();
    EXPECT_EQ(rig.traceTicks(1, [&] { rig.engine.searchTick(); }),
              std::vector<std::string>{"a connect"});
}

// Transport errors go to the history list and end nothing.
TEST(LinkHistory, TransportErrorsAreLogged) {
    struct Case {
        const char* name;
        Transport linked;
        std::function<void(Rig&)> action;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"a USB report that cannot be written",
         Transport::Usb,
         [](Rig& rig) {
             rig.hid.failWrites = true;
             rig.engine.sendParameter(makeTag(0, 12), 5);
         },
         {"WRITE ERROR: The device is not connected. (48f)"}},
        {"a USB read error",
         Transport::Usb,
         [](Rig& rig) { rig.engine.hidReadError("Read failed", 0x1F); },
         {"READ ERROR: Read failed (1f)"}},
        {"a HID device leaving",
         Transport::Usb,
         [](Rig& rig) { rig.engine.hidRemoved(BoxDevice("x", "SN1")); },
         {"Removal of KDSPDevice VID=1984 PID=0419 (自定义HID描述符=SN1)"}},
        {"a serial block that cannot be written",
         Transport::Serial,
         [](Rig& rig) {
             rig.serial.failWrites = true;
             rig.engine.sendTextCommand(command::DevicePassword, "1357");
         },
         {"WRITE ERROR: serial port COM3"}},
        {"a serial value frame that cannot be written shows only as a missing answer",
         Transport::Serial,
         [](Rig& rig) {
             rig.serial.failWrites = true;
             rig.engine.sendParameter(makeTag(0, 12), 5);
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.boxOn(c.linked);
        rig.linkUp();
        ASSERT_TRUE(rig.engine.online());
        c.action(rig);
        EXPECT_EQ(rig.host.history, c.lines);
        EXPECT_TRUE(rig.engine.online());
        EXPECT_TRUE(rig.engine.timerRunning(LinkTimer::Pacing));
    }
}

} // namespace
} // namespace kdsp
