#pragma once

#include "link/frame_codec.h"

#include <cstdint>

namespace kdsp {

class FramerListener {
public:
    virtual ~FramerListener() = default;
    // A complete long frame, header checked, checksum not yet.
    virtual void frameReceived(ByteView frame) = 0;
    // EE BB, EE AA or EE CC.
    virtual void acknowledgeReceived() = 0;
};

// Finds frames in a byte stream (serial, TCP): hunts for F5 or EE, checks
// the header, then waits for the whole announced body before handing the
// frame on. Bytes may arrive in any split; every complete frame already
// buffered is delivered before feed() returns.
class StreamFramer {
public:
    explicit StreamFramer(FramerListener& listener) : listener_(listener) {}

    void feed(ByteView bytes);

    // Back to hunting, dropping any partial frame (a new connection starts clean).
    void reset();

    enum class Phase { Hunt, Header, Body };
    Phase phase() const { return phase_; }

private:
    void huntStep();
    void headerStep();
    bool bodyStep();

    FramerListener& listener_;
    Phase phase_ = Phase::Hunt;
    std::size_t need_ = 0;
    Bytes frame_;
    Bytes pending_; // received bytes not yet consumed
    std::size_t next_ = 0;
};

} // namespace kdsp
