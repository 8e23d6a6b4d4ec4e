#include "sim/box_simulator.h"

namespace kdsp {

namespace {

constexpr std::size_t LengthByte = 2;
constexpr std::size_t CommandByte = 3;
constexpr std::size_t PageByte = 4;
constexpr std::size_t SlotByte = 5;
constexpr std::size_t PayloadByte = 6;
constexpr std::size_t MinLength = 4; // command, page, slot, checksum
constexpr int PitchSlot = 3;

bool isCommand(std::uint8_t b) {
    return b == CommandWrite || b == CommandRead;
}

} // namespace

BoxSimulator::BoxSimulator(Transport transport)
    : transport_(transport), store_(BoxStartStore()), modes_(BoxStartModes()),
      password_(BoxStartPassword), systemCode_(BoxStartSystemCode), deviceId_(BoxStartDeviceId),
      outbox_(transport) {}

std::uint8_t BoxSimulator::statusByte() const {
    return static_cast<std::uint8_t>(store_.value(PageMusic, PitchSlot) & 0xFF);
}

void BoxSimulator::setStatusByte(std::uint8_t pitch) {
    store_.setValue(PageMusic, PitchSlot, pitch);
}

void BoxSimulator::receive(ByteView bytes) {
    if (bytes.empty())
        return;
    if (transport_ == Transport::Usb)
        receiveReport(bytes);
    else
        framer_.feed(bytes);
}

void BoxSimulator::receiveReport(ByteView report) {
    // The frame's own length byte says where it ends; the rest is padding.
    const bool headerOk = report.size() > CommandByte && report[0] == FrameStart &&
                          report[1] == DeviceAddress && isCommand(report[CommandByte]) &&
                          report[LengthByte] >= MinLength;
    const std::size_t frameSize = headerOk ? report[LengthByte] + 3u : 0;
    if (!headerOk || report.size() < frameSize) {
        ++rejected_;
        return;
    }
    acceptFrame(report.first(frameSize));
}

void BoxSimulator::acceptFrame(ByteView frame) {
    if (FrameChecksum(frame) != frame.back()) {
        ++rejected_;
        return;
    }
    received_.emplace_back(frame.begin(), frame.end());
    if (faults().silent())
        return;
    handle({frame[CommandByte], frame[PageByte], frame[SlotByte],
            frame.subspan(PayloadByte, frame.size() - PayloadByte - 1)});
}

} // namespace kdsp
