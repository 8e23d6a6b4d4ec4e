#pragma once

#include "link/frame_codec.h"
#include "sim/fault_knobs.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace kdsp {

// Data bytes of one HID report, after the report ID.
inline constexpr std::size_t UsbBlockSize = 64;

// Turns the box's replies into what the console's transport receives: over
// USB one 64-byte block per reply (reply at byte 0, zeros after); over
// serial and TCP chunks of the byte stream, normally one per reply. The
// fault knobs act here, after the box has decided what to answer.
class ReplyOutbox {
public:
    explicit ReplyOutbox(Transport transport) : transport_(transport) {}

    FaultKnobs& faults() { return faults_; }
    const FaultKnobs& faults() const { return faults_; }

    // One reply as the box produced it.
    void post(Bytes reply);

    // Advances the delay clock by one tick.
    void tick();
    // Lets every held reply go now, in order.
    void releaseHeld();
    std::size_t heldCount() const { return held_.size(); }

    // Everything that has left the box since the last call, oldest first.
    std::vector<Bytes> take();

private:
    struct Held {
        std::uint64_t due;
        Bytes reply;
    };

    void releaseDue();
    void deliver(Bytes reply);

    Transport transport_;
    FaultKnobs faults_;
    std::deque<Held> held_;
    std::uint64_t now_ = 0;
    std::vector<Bytes> ready_;
};

} // namespace kdsp
