#pragma once

#include "link/transports.h"

namespace kdsp {

// A HID bus with nothing on it: for a link that reaches the box another way,
// so the search goes straight on to the serial ports and TCP.
class EmptyHidService : public HidService {
public:
    std::vector<HidDeviceInfo> enumerate() override { return {}; }
    bool take(const std::string&) override { return false; }
    void releaseAll() override {}
    bool writeReport(const std::string&, ByteView, std::string& error,
                     std::uint32_t& code) override {
        error = "no device";
        code = 0;
        return false;
    }
};

} // namespace kdsp
