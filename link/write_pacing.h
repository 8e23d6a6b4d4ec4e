#pragma once

#include "model/page_catalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kdsp {

struct QueuedWrite {
    Tag tag = 0;
    std::int32_t value = 0;
    friend bool operator==(const QueuedWrite&, const QueuedWrite&) = default;
};

// The parameter writes waiting for the box's next acknowledge: a ring of
// 500 entries, at most 499 of them in use. Consecutive changes of one
// parameter collapse into its newest entry; a full queue keeps its oldest
// writes and overwrites the newest.
class WriteQueue {
public:
    static constexpr std::size_t Capacity = 500;

    bool empty() const { return read_ == write_; }
    std::size_t size() const { return (write_ + Capacity - read_) % Capacity; }

    void put(Tag tag, std::int32_t value);
    // The oldest write; the queue must not be empty.
    QueuedWrite take();

    // Forgets every waiting write.
    void clear() { read_ = write_; }
    // Empty, with both indices back at the start of the ring.
    void rewind() { read_ = write_ = 0; }

private:
    static std::size_t next(std::size_t index) { return (index + 1) % Capacity; }

    std::array<QueuedWrite, Capacity> entries_{};
    std::size_t read_ = 0;
    std::size_t write_ = 0; // the newest entry, when not empty
};

// Pacing ticks (20 ms each) in one second of keep-alive.
inline constexpr int PollPeriodTicks = 50;
// Seconds without an answer before an online link is lost.
inline constexpr int MaxMissedPolls = 4;
// Seconds of waiting for a follow-up's acknowledge before the link is lost.
inline constexpr int MaxFollowUpSeconds = 50;

} // namespace kdsp
