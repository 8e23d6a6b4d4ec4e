#include "link/stream_framer.h"

namespace kdsp {

namespace {

constexpr std::size_t FrameHeaderTail = 3; // address, length, command
constexpr std::size_t AckTail = 1;

} // namespace

void StreamFramer::reset() {
    phase_ = Phase::Hunt;
    need_ = 0;
    frame_.clear();
    pending_.clear();
    next_ = 0;
}

void StreamFramer::feed(ByteView bytes) {
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    while (next_ < pending_.size()) {
        if (phase_ == Phase::Hunt) {
            huntStep();
        } else if (phase_ == Phase::Header) {
            headerStep();
        } else if (!bodyStep()) {
            break; // wait for the rest of the body
        }
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(next_));
    next_ = 0;
}

void StreamFramer::huntStep() {
    const std::uint8_t b = pending_[next_++];
    if (b != FrameStart && b != AckStart)
        return;
    frame_.assign(1, b);
    need_ = b == FrameStart ? FrameHeaderTail : AckTail;
    phase_ = Phase::Header;
}

void StreamFramer::headerStep() {
    frame_.push_back(pending_[next_++]);
    if (frame_.size() < need_ + 1)
        return;

    phase_ = Phase::Hunt;
    if (frame_[0] == AckStart) {
        if (IsAcknowledgeCode(frame_[1]))
            listener_.acknowledgeReceived();
        frame_.clear();
        return;
    }
    const std::uint8_t length = frame_[2];
    const std::uint8_t command = frame_[3];
    // A length below 4 cannot hold page, slot and checksum; such a header
    // would otherwise wait for a body that never completes.
    if (frame_[1] == DeviceAddress && (command == CommandWrite || command == CommandRead) &&
        length >= 4) {
        phase_ = Phase::Body;
        need_ = length - 1u; // page, slot, payload, checksum
    } else {
        frame_.clear();
    }
}

bool StreamFramer::bodyStep() {
    if (pending_.size() - next_ < need_)
        return false;
    const auto first = pending_.begin() + static_cast<std::ptrdiff_t>(next_);
    frame_.insert(frame_.end(), first, first + static_cast<std::ptrdiff_t>(need_));
    next_ += need_;
    phase_ = Phase::Hunt;
    need_ = 0;
    const Bytes frame = std::move(frame_);
    frame_.clear();
    listener_.frameReceived(frame);
    return true;
}

} // namespace kdsp
