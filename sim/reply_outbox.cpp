#include "sim/reply_outbox.h"

#include <algorithm>

namespace kdsp {

void ReplyOutbox::post(Bytes reply) {
    std::optional<Bytes> sent = faults_.apply(std::move(reply));
    if (!sent)
        return;
    // A reply never overtakes one held before it, even when the delay has
    // since been shortened: the stream keeps the box's order.
    held_.push_back({now_ + faults_.replyDelay(), std::move(*sent)});
    releaseDue();
}

void ReplyOutbox::tick() {
    ++now_;
    releaseDue();
}

void ReplyOutbox::releaseHeld() {
    for (Held& held : held_)
        deliver(std::move(held.reply));
    held_.clear();
}

void ReplyOutbox::releaseDue() {
    while (!held_.empty() && held_.front().due <= now_) {
        deliver(std::move(held_.front().reply));
        held_.pop_front();
    }
}

void ReplyOutbox::deliver(Bytes reply) {
    if (transport_ == Transport::Usb)
        reply.resize(UsbBlockSize, 0); // a longer reply would not fit a report
    ready_.push_back(std::move(reply));
}

std::vector<Bytes> ReplyOutbox::take() {
    std::vector<Bytes> out = std::move(ready_);
    ready_.clear();
    const std::size_t split = faults_.splitBytes();
    if (transport_ == Transport::Usb || out.empty() || (split == 0 && !faults_.coalesce()))
        return out;

    Bytes stream;
    for (const Bytes& chunk : out)
        stream.insert(stream.end(), chunk.begin(), chunk.end());
    if (split == 0)
        return {std::move(stream)};

    std::vector<Bytes> chunks;
    for (std::size_t at = 0; at < stream.size(); at += split) {
        const auto first = stream.begin() + static_cast<std::ptrdiff_t>(at);
        const std::size_t size = std::min(split, stream.size() - at);
        chunks.emplace_back(first, first + static_cast<std::ptrdiff_t>(size));
    }
    return chunks;
}

} // namespace kdsp
