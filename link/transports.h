#pragma once

#include "link/frame_codec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kdsp {

// The three ways to reach the box. Implementations deliver received bytes to
// the link engine on the user-interface thread (LinkEngine::serialReceived,
// tcpReceived, hidReportReceived); none of these calls blocks for long.

// A serial port at 115200 8N1, DTR and RTS on, no flow control.
class SerialPort {
public:
    virtual ~SerialPort() = default;
    // Closes any open port first. False when the port cannot be opened.
    virtual bool open(const std::string& name) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // Writes the whole block; false on a write error.
    virtual bool write(ByteView bytes) = 0;
};

// A non-blocking TCP client. Connection errors are silent: the search simply
// hears no answer.
class ClientSocket {
public:
    virtual ~ClientSocket() = default;
    // Starts connecting (closing any previous connection first).
    virtual void start(const std::string& host, std::uint16_t port) = 0;
    virtual void close() = 0;
    // Sends when connected; dropped otherwise.
    virtual void send(ByteView bytes) = 0;
};

// One HID device as enumeration sees it.
struct HidDeviceInfo {
    std::string id; // stable for as long as the device is present
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string product;
    std::string serialNumber;
    std::size_t outputReportLength = 65; // report ID included
};

// Access to the system's HID devices. Input reports, read errors, removals
// and changes in the set of devices come back through the link engine's
// hid...() entry points.
class HidService {
public:
    virtual ~HidService() = default;
    virtual std::vector<HidDeviceInfo> enumerate() = 0;
    // Takes a device for exclusive use: its input reports start arriving.
    virtual bool take(const std::string& id) = 0;
    // Releases every taken device.
    virtual void releaseAll() = 0;
    // Writes one output report (report ID first). On failure returns false
    // and fills the system's message and error code.
    virtual bool writeReport(const std::string& id, ByteView report, std::string& error,
                             std::uint32_t& code) = 0;
};

} // namespace kdsp
