#pragma once

#include "link/frame_codec.h"
#include "link/stream_framer.h"
#include "model/parameter_store.h"
#include "sim/box_defaults.h"
#include "sim/fault_knobs.h"
#include "sim/mode_bank.h"
#include "sim/reply_outbox.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kdsp {

// The box as the console's link sees it: it takes the console's bytes,
// acts on every request of the box protocol and answers with acknowledges
// (EE BB) and data frames (command 0xB0). It starts with BoxStartStore(),
// BoxStartModes() and the other BoxStart values.
//
// Over serial and TCP the input is a byte stream split anywhere. Over USB
// each receive() is the data of one report: a frame at byte 0, judged by
// its length byte, padding ignored. Input that is not a well-formed frame
// with a good checksum is ignored and counted.
//
// Answers beyond the minimum the console relies on:
// - a page read answers from the first slot up to the page's slot count,
//   over USB at most 25 values; pages 30 and above get an acknowledge only
//   (the status poll, page 48 from slot 0, aside);
// - reads of other command-page slots below 0x30 answer that slot's stored
//   value, reads the box does not know are acknowledged;
// - writes land in the store where it has room, and every write is
//   acknowledged, including ones that change nothing (an out-of-range mode
//   index, a password that is not 4 characters, a system code that is not 6).
class BoxSimulator {
public:
    explicit BoxSimulator(Transport transport);

    BoxSimulator(const BoxSimulator&) = delete;
    BoxSimulator& operator=(const BoxSimulator&) = delete;

    Transport transport() const { return transport_; }

    // Bytes from the console: a stream piece, or one USB report's data.
    void receive(ByteView bytes);

    // What the box has sent since the last call: 64-byte blocks over USB,
    // stream chunks over serial and TCP.
    std::vector<Bytes> takeOutput() { return outbox_.take(); }

    // Advances the reply delay by one tick; releaseHeld() sends every held
    // reply now.
    void tick() { outbox_.tick(); }
    void releaseHeld() { outbox_.releaseHeld(); }
    std::size_t heldReplies() const { return outbox_.heldCount(); }

    FaultKnobs& faults() { return outbox_.faults(); }

    // Every well-formed frame received, as received, oldest first.
    const std::vector<Bytes>& receivedFrames() const { return received_; }
    void clearReceivedFrames() { received_.clear(); }
    // Blocks or frames ignored as malformed or damaged.
    std::size_t rejectedCount() const { return rejected_; }

    // The box's own state, open for tests and a front panel.
    ParameterStore& store() { return store_; }
    const ParameterStore& store() const { return store_; }
    ModeBank& modes() { return modes_; }
    const ModeBank& modes() const { return modes_; }

    const std::string& devicePassword() const { return password_; }
    void setDevicePassword(std::string_view text) { password_ = text; }
    const std::string& systemCode() const { return systemCode_; }
    void setSystemCode(std::string_view text) { systemCode_ = text; }
    const DeviceId& deviceId() const { return deviceId_; }
    void setDeviceId(const DeviceId& id) { deviceId_ = id; }

    // The byte of the status reply: the pitch, page 0 slot 3.
    std::uint8_t statusByte() const;
    void setStatusByte(std::uint8_t pitch);

private:
    class InputListener : public FramerListener {
    public:
        explicit InputListener(BoxSimulator& box) : box_(box) {}
        void frameReceived(ByteView frame) override { box_.acceptFrame(frame); }
        void acknowledgeReceived() override {} // the console never acknowledges
    private:
        BoxSimulator& box_;
    };

    struct Request {
        std::uint8_t command;
        int page;
        int slot;
        ByteView payload;
    };

    void receiveReport(ByteView report);
    void acceptFrame(ByteView frame);

    // box_requests.cpp
    void handle(const Request& request);
    void handleWrite(const Request& request);
    void handleRead(const Request& request);
    void answerBlockRequest(int value);
    void answerName(ModeList list, const Request& request);
    void applyBlock(ByteView payload);
    void storeMode(ModeList list, ByteView payload);
    void acknowledge();
    void reply(Tag address, ByteView payload);
    void replyValue(Tag address, std::int32_t value);

    Transport transport_;
    ParameterStore store_;
    ModeBank modes_;
    std::string password_;
    std::string systemCode_;
    DeviceId deviceId_;

    InputListener listener_{*this};
    StreamFramer framer_{listener_};
    ReplyOutbox outbox_;

    std::vector<Bytes> received_;
    std::size_t rejected_ = 0;
};

} // namespace kdsp
