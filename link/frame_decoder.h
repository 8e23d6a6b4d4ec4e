#pragma once

#include "link/frame_codec.h"
#include "link/link_texts.h"
#include "model/parameter_store.h"

#include <optional>
#include <string_view>

namespace kdsp {

enum class TransferPhase { Idle, Acknowledged, Data, Waiting, WaitedOnce, WaitedTwice };

// What a received block means to the rest of the link.
class DecoderEvents {
public:
    virtual ~DecoderEvents() = default;
    // The box answered and is ready for the next write.
    virtual void acknowledged() = 0;
    // A long frame (Data) or an acknowledge or status reply (Acknowledged) arrived.
    virtual void setTransferPhase(TransferPhase phase) = 0;
    // A reply was short or damaged; the transfer repeats its last request.
    virtual void frameLost() = 0;
    // A plain modal message, always in this wording.
    virtual void showMessage(std::string_view text) = 0;
    // The status reply carried a new pitch, already stored in page 0 slot 3;
    // it is shown as if refreshed, not sent back.
    virtual void pitchChanged(std::int32_t pitch) = 0;
    // Caption for the device ID label.
    virtual void deviceIdReceived(std::string_view id) = 0;
    // A value was written to the store (the pitch of a status reply included).
    virtual void valueStored(int page, int slot, std::int32_t value) {
        (void)page, (void)slot, (void)value;
    }
    // Index of the name request of `list` awaiting its reply, if any.
    virtual std::optional<int> outstandingNameRequest(ModeList list) const = 0;
};

inline constexpr std::string_view ShortFrameMessage = "数据包丢失数据";
inline constexpr std::string_view BadChecksumMessage = "数据包丢失数据 校验字不正确！";

// Turns one received block into store updates, link texts and events. Over
// USB the block is a whole report, padding included; over serial and TCP it
// is one frame from the stream framer. Nothing outside the 31 x 165 store is
// ever written.
class FrameDecoder {
public:
    FrameDecoder(ParameterStore& store, LinkTexts& texts, DecoderEvents& events)
        : store_(store), texts_(texts), events_(events) {}

    void decode(Transport transport, ByteView block);

private:
    void store(int page, int slot, std::int32_t value);
    void storePageValues(ByteView frame);
    void handleStatus(ByteView frame, std::size_t frameLength);
    void handleCommandReply(ByteView frame);

    ParameterStore& store_;
    LinkTexts& texts_;
    DecoderEvents& events_;
};

} // namespace kdsp
