#pragma once

#include "link/frame_codec.h"
#include "link/frame_decoder.h"
#include "link/stream_framer.h"
#include "model/parameter_store.h"
#include "sim/box_simulator.h"

#include <cctype>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kdsp::test {

// The console's receive path as the link wires it: over serial and TCP the
// stream framer, then the decoder; over USB the decoder per report. What
// the decoder reports is counted here, and what it stores lands in a
// console-side store and texts.
class ConsoleSide : public DecoderEvents, public FramerListener {
public:
    explicit ConsoleSide(Transport transport) : transport_(transport) {}

    ParameterStore store = StartupStore();
    LinkTexts texts;
    int acks = 0;
    int framesLost = 0;
    std::vector<std::string> messages;
    std::vector<int> pitches;
    std::string shownDeviceId;
    // The name requests the transfer would have outstanding.
    std::optional<int> systemNameRequest;
    std::optional<int> hintNameRequest;

    void receive(const std::vector<Bytes>& blocks) {
        for (const Bytes& block : blocks) {
            if (transport_ == Transport::Usb)
                decoder_.decode(transport_, block);
            else
                framer_.feed(block);
        }
    }

    // DecoderEvents
    void acknowledged() override { ++acks; }
    void setTransferPhase(TransferPhase) override {}
    void frameLost() override { ++framesLost; }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
    void pitchChanged(std::int32_t pitch) override { pitches.push_back(pitch); }
    void deviceIdReceived(std::string_view id) override { shownDeviceId = id; }
    std::optional<int> outstandingNameRequest(ModeList list) const override {
        return list == ModeList::System ? systemNameRequest : hintNameRequest;
    }

    // FramerListener
    void frameReceived(ByteView frame) override { decoder_.decode(transport_, frame); }
    void acknowledgeReceived() override { ++acks; }

private:
    Transport transport_;
    FrameDecoder decoder_{store, texts, *this};
    StreamFramer framer_{*this};
};

// Hands `frame` to the box as the console's transport would: over USB in a
// 64-byte report padded with zeros, otherwise as written to the stream.
inline void sendToBox(BoxSimulator& box, const Bytes& frame) {
    if (box.transport() != Transport::Usb) {
        box.receive(frame);
        return;
    }
    Bytes report = frame;
    report.resize(UsbBlockSize, 0);
    box.receive(report);
}

// One request and everything the box answers to it, fed to the console.
inline std::vector<Bytes> exchange(BoxSimulator& box, ConsoleSide& console, const Bytes& frame) {
    sendToBox(box, frame);
    std::vector<Bytes> out = box.takeOutput();
    console.receive(out);
    return out;
}

// Requests as the console builds them.
inline Bytes connectRequest() {
    return BuildValueFrame(CommandWrite, command::Connection, command::ConnectValue);
}
inline Bytes statusPoll() {
    return BuildValueFrame(CommandRead, command::BlockRequest, command::StatusPollValue);
}
inline Bytes pageRead(int page, int firstSlot) {
    return BuildValueFrame(CommandRead, command::BlockRequest, page + 256 * firstSlot);
}
inline Bytes infoRead(Tag address) {
    return BuildBlockFrame(CommandRead, address, {});
}
inline Bytes nameRead(ModeList list, int index) {
    const std::uint8_t payload[] = {static_cast<std::uint8_t>(index), 0};
    return BuildBlockFrame(
        CommandRead, list == ModeList::System ? command::SystemModeName : command::HintModeName,
        payload);
}
inline Bytes blockUpload(int page, int firstSlot, const std::vector<int>& values) {
    Bytes payload = {static_cast<std::uint8_t>(page), static_cast<std::uint8_t>(firstSlot)};
    for (int v : values) {
        payload.push_back(static_cast<std::uint8_t>(v & 0xFF));
        payload.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    return BuildBlockFrame(CommandWrite, command::BlockUpload, payload);
}

// Both transports that carry a byte stream, and USB.
inline constexpr Transport AllTransports[] = {Transport::Serial, Transport::Tcp, Transport::Usb};

// Names a table case's test after its `name` field, letters and digits only.
struct CaseName {
    template <typename Info> std::string operator()(const Info& info) const {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    }
};

inline std::string transportName(Transport transport) {
    switch (transport) {
    case Transport::Usb:
        return "Usb";
    case Transport::Serial:
        return "Serial";
    case Transport::Tcp:
        return "Tcp";
    }
    return "?";
}

struct TransportName {
    template <typename Info> std::string operator()(const Info& info) const {
        return transportName(info.param);
    }
};

} // namespace kdsp::test

namespace kdsp {

// Test listings show a transport or a table case by name, not as raw bytes.
inline void PrintTo(Transport transport, std::ostream* os) {
    *os << test::transportName(transport);
}

// The table cases live in each test file's unnamed namespace; only a
// printer declared there is found for them.
namespace {

template <typename Case>
requires requires(const Case& c) {
    std::string_view(c.name);
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

} // namespace

} // namespace kdsp
