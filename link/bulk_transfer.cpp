#include "link/bulk_transfer.h"

#include "link/link_engine.h"

#include <algorithm>
#include <array>

namespace kdsp {

namespace {

constexpr int LastPagePosition = 25;
constexpr int FirstSkippedPosition = 26; // 26..29 are never requested
constexpr int SystemNamePosition = 30;
constexpr int HintNamePosition = 37;
constexpr int PartialFirstPage = PageHint; // pages 22..24
constexpr int UsbChunkSlots = 25;
constexpr int FinalReadPage = PageVolume;

// Transfer ticks counted before the waits below give up.
constexpr int FirstWaitTicks = 10;  // more than this: waited once
constexpr int SecondWaitTicks = 20; // more than this: resend
constexpr int LastWaitTicks = 100;  // this many: failure

// The command-page slot read at each position from 30 to 40; the two name
// positions (30, 37) have their own requests.
constexpr std::array<int, 11> InfoSlots = {-1,   0x01, 0x02, 0x03, 0x04, 0x05,
                                           0x15, -1,   0x21, 0x22, 0x14};

Bytes pageRead(int page, int firstSlot) {
    return BuildValueFrame(CommandRead, command::BlockRequest, page + 256 * firstSlot);
}

bool isNamePosition(int step) {
    return step == SystemNamePosition || step == HintNamePosition;
}

} // namespace

void BulkTransfer::start(TransferKind kind, Transport transport, bool restartClock) {
    const bool partial =
        kind == TransferKind::PartialDownload || kind == TransferKind::PartialUpload;
    upload_ = kind == TransferKind::FullUpload || kind == TransferKind::PartialUpload;
    transport_ = transport;
    step_ = partial ? PartialFirstPage : 0;
    end_ = partial ? PartialEnd : (kind == TransferKind::FullUpload ? FullUploadEnd : FullEnd);
    chunk_ = 0;
    // A damaged frame seen before this transfer began says nothing about it.
    frameLost_ = false;
    finalReadSent_ = false;
    running_ = true;
    // Before the request: a reply must never find the clock still to be reset.
    if (restartClock) {
        phase_ = TransferPhase::Idle;
        ticks_ = 0;
    }
    sendRequest();
}

BulkTransfer::Outcome BulkTransfer::tick() {
    if (ticks_ < LastWaitTicks)
        ++ticks_;
    const bool usb = transport_ == Transport::Usb;

    if (phase_ == TransferPhase::Data || (phase_ == TransferPhase::Acknowledged && upload_)) {
        if (step_ >= end_) {
            phase_ = TransferPhase::Idle;
            running_ = false;
            return Outcome::Finished;
        }
        if (frameLost_) {
            frameLost_ = false;
            resend();
        } else {
            advance();
            if (end_ == PartialEnd && step_ == PartialEnd) {
                // Nothing left to ask: finish on the next tick.
                phase_ = TransferPhase::Data;
                ticks_ = 0;
                return Outcome::Running;
            }
            if (step_ >= end_ && upload_) {
                // A read after the last block tells when the box has taken it all.
                finalReadSent_ = true;
                sink_.sendValueFrame(pageRead(FinalReadPage, 0));
            } else {
                sendRequest();
            }
        }
        phase_ = TransferPhase::Waiting;
        ticks_ = 0;
    } else if (phase_ == TransferPhase::Waiting && ticks_ > FirstWaitTicks) {
        // The first two positions wait as long as it takes: the box may still
        // be busy with the handshake.
        if (step_ > 1)
            phase_ = TransferPhase::WaitedOnce;
        else if (!usb)
            resend();
        ticks_ = 0;
    } else if (phase_ == TransferPhase::WaitedOnce && ticks_ > SecondWaitTicks) {
        if (!usb)
            resend();
        phase_ = TransferPhase::WaitedTwice;
        ticks_ = 0;
    } else if (phase_ == TransferPhase::WaitedTwice && ticks_ >= LastWaitTicks) {
        phase_ = TransferPhase::Idle;
        running_ = false;
        return Outcome::Failed;
    }
    return Outcome::Running;
}

std::optional<int> BulkTransfer::outstandingName(ModeList list) const {
    const int position = list == ModeList::System ? SystemNamePosition : HintNamePosition;
    if (!running_ || step_ != position)
        return std::nullopt;
    return nameIndex_;
}

int BulkTransfer::percent() const {
    if (end_ <= 0)
        return 0;
    const int scaled = std::max(step_, 0) * 100;
    int whole = scaled / end_;
    const int twiceRest = 2 * (scaled % end_);
    if (twiceRest > end_ || (twiceRest == end_ && whole % 2 == 1))
        ++whole;
    return std::min(whole, 100);
}

void BulkTransfer::sendRequest() {
    if (step_ <= LastPagePosition) {
        const int page = step_;
        const int first = transport_ == Transport::Usb ? UsbChunkSlots * chunk_ : 0;
        if (!upload_) {
            sink_.sendValueFrame(pageRead(page, first));
            return;
        }
        const int count = SlotCount[static_cast<std::size_t>(page)];
        // Over USB the last chunk of a page also carries the slot just past
        // it, as the box has always been sent.
        int values =
            transport_ == Transport::Usb ? std::min(UsbChunkSlots, count - first + 1) : count;
        values = std::min(values, SlotsPerPage - first);
        Bytes payload = {static_cast<std::uint8_t>(page), static_cast<std::uint8_t>(first)};
        for (int slot = first; slot < first + values; ++slot) {
            const std::int32_t v = store_.value(page, slot);
            payload.push_back(static_cast<std::uint8_t>(v & 0xFF));
            payload.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
        }
        sink_.sendBlockFrame(BuildBlockFrame(CommandWrite, command::BlockUpload, payload));
        return;
    }
    if (isNamePosition(step_)) {
        const Tag address =
            step_ == SystemNamePosition ? command::SystemModeName : command::HintModeName;
        const std::uint8_t payload[] = {static_cast<std::uint8_t>(nameIndex_), 0};
        sink_.sendBlockFrame(BuildBlockFrame(CommandRead, address, payload));
        return;
    }
    const int slot = InfoSlots[static_cast<std::size_t>(step_ - SystemNamePosition)];
    sink_.sendBlockFrame(BuildBlockFrame(CommandRead, makeTag(PageSystem, slot), {}));
}

void BulkTransfer::resend() {
    // The closing read of a full upload is never repeated.
    if (!finalReadSent_)
        sendRequest();
}

void BulkTransfer::advance() {
    const int from = step_;
    if (isNamePosition(step_)) {
        if (++nameIndex_ >= ModesPerList) {
            nameIndex_ = 0;
            ++step_;
        }
    } else if (transport_ == Transport::Usb) {
        if (++chunk_ > lastChunk()) {
            chunk_ = 0;
            ++step_;
        }
    } else {
        ++step_;
    }
    if (step_ == FirstSkippedPosition)
        step_ = SystemNamePosition;
    if (step_ != from && isNamePosition(step_))
        nameIndex_ = 0;
}

int BulkTransfer::lastChunk() const {
    // Information positions are one request each.
    if (step_ > LastPagePosition)
        return 0;
    return (SlotCount[static_cast<std::size_t>(step_)] - 1) / UsbChunkSlots;
}

// The engine's transfer timer.

void LinkEngine::transferTick() {
    if (!timerRunning(LinkTimer::Transfer))
        return;
    showDialog(true);
    switch (transfer_.tick()) {
    case BulkTransfer::Outcome::Running:
        break;
    case BulkTransfer::Outcome::Finished:
        stopTimer(LinkTimer::Transfer);
        enterState(link_state::Online);
        break;
    case BulkTransfer::Outcome::Failed:
        enterState(link_state::Failed);
        break;
    }
}

} // namespace kdsp
