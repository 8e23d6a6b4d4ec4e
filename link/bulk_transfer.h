#pragma once

#include "link/frame_codec.h"
#include "link/frame_decoder.h"
#include "link/link_texts.h"
#include "model/parameter_store.h"

#include <optional>

namespace kdsp {

// Where the transfer's requests go: the link's current transport.
class FrameSink {
public:
    virtual ~FrameSink() = default;
    // A 9-byte value frame (page reads); write errors are not reported.
    virtual void sendValueFrame(ByteView frame) = 0;
    // Any other frame (name and information reads, page uploads).
    virtual void sendBlockFrame(ByteView frame) = 0;
};

enum class TransferKind { FullDownload, PartialDownload, FullUpload, PartialUpload };

// Moves whole pages between the store and the box, one request outstanding
// at a time. Positions 0..25 are the parameter pages, 30 and 37 the two
// mode-name lists (16 requests each), 31..36 and 38..40 information reads.
// Over USB a page goes in chunks of 25 slots. A reply lets the next request
// go on the following tick; silence is met with waits of 11, 21 and 100
// ticks (resending over serial and TCP) and then failure. The first request
// of a transfer is not timed.
class BulkTransfer {
public:
    enum class Outcome { Running, Finished, Failed };

    BulkTransfer(const ParameterStore& store, FrameSink& sink) : store_(store), sink_(sink) {}

    // Sends the first request at once. `restartClock` sets the phase to idle
    // and the tick count to 0 first (the download after the handshake);
    // otherwise the phase is left as the box last set it.
    void start(TransferKind kind, Transport transport, bool restartClock);
    // One transfer timer tick. Finished and Failed end the transfer.
    Outcome tick();
    // The link has left the transfer behind (a connect, disconnect or lost link).
    void abandon() { running_ = false; }
    bool running() const { return running_; }

    // Set from the receive path.
    void setPhase(TransferPhase phase) { phase_ = phase; }
    TransferPhase phase() const { return phase_; }
    void markFrameLost() { frameLost_ = true; }

    // The name request whose reply is awaited, if the transfer is at that list.
    std::optional<int> outstandingName(ModeList list) const;

    // Progress: step / end in percent, to the nearest whole number with a
    // half going to the even neighbour, kept within 0..100.
    int percent() const;
    int step() const { return step_; }
    int end() const { return end_; }
    // The connect and disconnect commands reset the progress bar's scale.
    void setProgress(int step, int end) {
        step_ = step;
        end_ = end;
    }

    static constexpr int FullEnd = 40;
    static constexpr int FullUploadEnd = 29;
    static constexpr int PartialEnd = 25;

private:
    void sendRequest();
    void resend();
    void advance();
    int lastChunk() const;

    const ParameterStore& store_;
    FrameSink& sink_;

    bool running_ = false;
    bool upload_ = false;
    Transport transport_ = Transport::Serial;
    int step_ = 0;
    int end_ = FullEnd;
    int chunk_ = 0;
    int nameIndex_ = 0;
    int ticks_ = 0;
    TransferPhase phase_ = TransferPhase::Idle;
    bool frameLost_ = false;
    bool finalReadSent_ = false;
};

} // namespace kdsp
