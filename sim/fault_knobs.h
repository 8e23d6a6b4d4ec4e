#pragma once

#include "link/frame_codec.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace kdsp {

// Ways to make the simulated box misbehave, all off until set. A reply is
// one acknowledge or one frame.
class FaultKnobs {
public:
    // One-shot faults on the n-th reply produced after the call (n = 1 is
    // the next reply; n = 0 arms nothing). Several may be armed at once and
    // may hit the same reply; a drop then wins.
    void dropReply(std::size_t n);
    // Inverts the last byte: a frame's checksum, an acknowledge's code.
    void corruptReply(std::size_t n);
    // The reply loses its last `bytes` bytes (all of it when it is shorter).
    void cutReply(std::size_t n, std::size_t bytes);

    // Periodic faults: every n-th reply from now on (0 turns it off). A
    // download still completes through them because the console repeats a
    // lost request.
    void dropEvery(std::size_t n) { dropEvery_ = n; }
    void corruptEvery(std::size_t n) { corruptEvery_ = n; }
    void cutEvery(std::size_t n, std::size_t bytes) { cutEvery_ = n, cutEveryBytes_ = bytes; }

    // Serial and TCP only. Splitting re-cuts everything taken in one go into
    // chunks of `chunkBytes` regardless of reply boundaries (0 turns it off);
    // coalescing hands everything taken in one go over as a single chunk.
    void splitOutput(std::size_t chunkBytes) { splitBytes_ = chunkBytes; }
    void coalesceOutput(bool on) { coalesce_ = on; }

    // A silent box still sees the frames on its input (they are logged) but
    // neither acts on them nor answers.
    void setSilent(bool on) { silent_ = on; }

    // Replies wait this many ticks before they can be taken; 0 sends at once.
    void setReplyDelay(std::size_t ticks) { delayTicks_ = ticks; }

    // Everything off, armed faults forgotten.
    void clear();

    std::size_t splitBytes() const { return splitBytes_; }
    bool coalesce() const { return coalesce_; }
    bool silent() const { return silent_; }
    std::size_t replyDelay() const { return delayTicks_; }

    // Counts one reply against the armed faults and returns it as it leaves
    // the box, or nothing when it is dropped or cut away entirely.
    std::optional<Bytes> apply(Bytes reply);

private:
    enum class Kind { Drop, Corrupt, Cut };
    struct Armed {
        Kind kind;
        std::size_t remaining; // replies until it strikes, this one included
        std::size_t bytes;     // for Cut
    };

    void arm(Kind kind, std::size_t n, std::size_t bytes);

    static bool strikes(std::size_t every, std::size_t count) {
        return every != 0 && count % every == 0;
    }

    std::vector<Armed> armed_;
    std::size_t dropEvery_ = 0;
    std::size_t corruptEvery_ = 0;
    std::size_t cutEvery_ = 0;
    std::size_t cutEveryBytes_ = 0;
    std::size_t repliesSeen_ = 0;
    std::size_t splitBytes_ = 0;
    bool coalesce_ = false;
    bool silent_ = false;
    std::size_t delayTicks_ = 0;
};

} // namespace kdsp
