#include "link/write_pacing.h"

#include "link/link_engine.h"
#include "link/link_state_texts.h"

#include <cassert>

namespace kdsp {

void WriteQueue::put(Tag tag, std::int32_t value) {
    if (empty())
        write_ = next(write_);
    else if (entries_[write_].tag != tag && next(write_) != read_)
        write_ = next(write_);
    // Otherwise the newest entry is replaced: the same parameter changed
    // again, or the queue is full.
    entries_[write_] = {tag, value};
}

QueuedWrite WriteQueue::take() {
    assert(!empty());
    read_ = next(read_);
    return entries_[read_];
}

// The engine's write path and keep-alive.

namespace {

Bytes writeFrame(const QueuedWrite& write) {
    return BuildValueFrame(CommandWrite, write.tag, write.value);
}

} // namespace

void LinkEngine::sendParameter(Tag storeTag, std::int32_t value) {
    if (sendingSuppressed_ || !online_)
        return;
    pollTicks_ = 0;
    if (!acknowledged_ || !queue_.empty()) {
        // A queued recall or store goes out like any write, without a follow-up.
        queue_.put(storeTag, value);
        return;
    }
    switch (storeTag) {
    case command::SystemModeRecall:
    case command::HintModeRecall:
        showStatusText(LoadingStatus.chinese, LoadingStatus.english);
        online_ = false;
        missedPolls_ = 0;
        followUp_ = storeTag == command::SystemModeRecall ? link_state::Loading
                                                          : link_state::LoadingHintPages;
        break;
    case command::SystemModeStore:
        followUp_ = link_state::SystemModeStored;
        break;
    case command::HintModeStore:
        followUp_ = link_state::HintModeStored;
        break;
    default:
        followUp_ = 0;
        break;
    }
    transfer_.setPhase(TransferPhase::Idle);
    queue_.rewind();
    queue_.put(storeTag, value);
    sendValueFrame(writeFrame(queue_.take()));
    acknowledged_ = false;
}

void LinkEngine::sendParameterAndClearAcknowledged(Tag storeTag, std::int32_t value) {
    sendParameter(storeTag, value);
    acknowledged_ = false;
}

void LinkEngine::armFollowUp(int code) {
    followUp_ = code;
}

void LinkEngine::awaitAcknowledgement() {
    online_ = false;
    missedPolls_ = 0;
}

void LinkEngine::pacingTick() {
    if (!timerRunning(LinkTimer::Pacing))
        return;
    if (pollTicks_ > PollPeriodTicks)
        pollTicks_ = PollPeriodTicks;
    else
        ++pollTicks_;

    if (acknowledged_ && followUp_ != 0) {
        // Cleared before the entry, which may show a modal message.
        const int state = followUp_;
        followUp_ = 0;
        missedPolls_ = 0;
        pollTicks_ = 0;
        enterState(state);
    } else if (followUp_ != 0 && pollTicks_ == PollPeriodTicks) {
        pollTicks_ = 0;
        if (++missedPolls_ > MaxFollowUpSeconds) {
            missedPolls_ = 0;
            stopTimer(LinkTimer::Pacing);
            enterState(link_state::LinkLost);
        }
    }

    if (acknowledged_ && !queue_.empty()) {
        missedPolls_ = 0;
        pollTicks_ = 0;
        sendValueFrame(writeFrame(queue_.take()));
        acknowledged_ = false;
    }

    if (online_ && pollTicks_ == PollPeriodTicks) {
        pollTicks_ = 0;
        ++missedPolls_;
        const Bytes poll =
            BuildValueFrame(CommandRead, command::BlockRequest, command::StatusPollValue);
        if (acknowledged_) {
            acknowledged_ = false;
            missedPolls_ = 0;
            sendValueFrame(poll);
        } else if (missedPolls_ % 2 == 0 && queue_.empty()) {
            // A lost write is not resent; polling resumes only once the
            // queue is clear.
            sendValueFrame(poll);
        }
        if (missedPolls_ > MaxMissedPolls) {
            missedPolls_ = 0;
            stopTimer(LinkTimer::Pacing);
            enterState(link_state::LinkLost);
        }
    }
}

} // namespace kdsp
