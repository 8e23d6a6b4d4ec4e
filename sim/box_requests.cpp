// What the box does with each request, and what it answers.

#include "sim/box_simulator.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kdsp {

namespace {

constexpr std::uint8_t AckCode = 0xBB;
constexpr std::size_t UsbMaxValues = 25; // a 57-byte frame, inside one 64-byte report
constexpr std::size_t StatusPayloadSize = 11;
constexpr std::size_t StatusByteOffset = 10; // frame byte 16
constexpr std::size_t PasswordLength = 4;
constexpr std::size_t SystemCodeLength = 6;
constexpr int FirstUnansweredSlot = 0x30; // connect and above: not values

// Payload bytes 0..1 as a 16-bit little-endian number.
std::optional<int> leadingValue(ByteView payload) {
    if (payload.size() < 2)
        return std::nullopt;
    return payload[0] + 256 * payload[1];
}

std::string_view textOf(ByteView bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

ByteView bytesOf(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

void BoxSimulator::handle(const Request& request) {
    if (request.command == CommandWrite)
        handleWrite(request);
    else
        handleRead(request);
}

void BoxSimulator::handleWrite(const Request& request) {
    const std::optional<int> value = leadingValue(request.payload);
    if (request.page == PageSystem) {
        switch (request.slot) {
        case slotOf(command::Connection):
            acknowledge();
            if (value == command::ConnectValue)
                reply(command::DeviceId, deviceId_);
            return;
        case slotOf(command::BlockUpload):
            applyBlock(request.payload);
            acknowledge();
            return;
        case slotOf(command::SystemModeStore):
            storeMode(ModeList::System, request.payload);
            acknowledge();
            return;
        case slotOf(command::HintModeStore):
            storeMode(ModeList::Hint, request.payload);
            acknowledge();
            return;
        case slotOf(command::SystemModeRecall):
            if (value)
                modes_.recall(ModeList::System, *value, store_);
            acknowledge();
            return;
        case slotOf(command::HintModeRecall):
            if (value)
                modes_.recall(ModeList::Hint, *value, store_);
            acknowledge();
            return;
        case slotOf(command::DevicePassword):
            if (request.payload.size() == PasswordLength)
                password_ = textOf(request.payload);
            acknowledge();
            return;
        case slotOf(command::SystemCode):
            if (request.payload.size() == SystemCodeLength)
                systemCode_ = textOf(request.payload);
            acknowledge();
            return;
        case slotOf(command::SystemModeName):
        case slotOf(command::HintModeName):
        case slotOf(command::BlockRequest):
        case slotOf(command::DeviceId):
            acknowledge(); // read-only commands: nothing to write
            return;
        default:
            break;
        }
    }
    if (value && PageTable::contains(request.page, request.slot))
        store_.setValue(request.page, request.slot, *value);
    acknowledge();
}

void BoxSimulator::handleRead(const Request& request) {
    if (request.page != PageSystem) {
        acknowledge();
        return;
    }
    switch (request.slot) {
    case slotOf(command::BlockRequest):
        if (const std::optional<int> value = leadingValue(request.payload))
            answerBlockRequest(*value);
        else
            acknowledge();
        return;
    case slotOf(command::SystemModeName):
        answerName(ModeList::System, request);
        return;
    case slotOf(command::HintModeName):
        answerName(ModeList::Hint, request);
        return;
    case slotOf(command::DevicePassword):
        reply(command::DevicePassword, bytesOf(password_));
        return;
    case slotOf(command::SystemCode):
        reply(command::SystemCode, bytesOf(systemCode_));
        return;
    case slotOf(command::DeviceId):
        reply(command::DeviceId, deviceId_);
        return;
    default:
        break;
    }
    if (request.slot < FirstUnansweredSlot)
        replyValue(makeTag(PageSystem, request.slot), store_.value(PageSystem, request.slot));
    else
        acknowledge();
}

void BoxSimulator::answerBlockRequest(int value) {
    if (value == command::StatusPollValue) {
        std::array<std::uint8_t, StatusPayloadSize> payload{};
        payload[StatusByteOffset] = statusByte();
        reply(makeTag(PageStatus, 0), payload);
        return;
    }
    const int page = value & 0xFF;
    const int first = value >> 8;
    if (page >= PageSystem) {
        acknowledge(); // no parameter page of that number
        return;
    }
    int end = SlotCount[static_cast<std::size_t>(page)];
    if (transport_ == Transport::Usb)
        end = std::min(end, first + static_cast<int>(UsbMaxValues));
    Bytes payload;
    for (int slot = first; slot < end; ++slot) {
        const std::int32_t v = store_.value(page, slot);
        payload.push_back(static_cast<std::uint8_t>(v & 0xFF));
        payload.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
    }
    reply(makeTag(page, first), payload);
}

void BoxSimulator::answerName(ModeList list, const Request& request) {
    const std::optional<int> index = leadingValue(request.payload);
    if (!index || !ModeBank::validIndex(*index)) {
        acknowledge();
        return;
    }
    const Tag address = list == ModeList::System ? command::SystemModeName : command::HintModeName;
    reply(address, bytesOf(modes_.name(list, *index)));
}

void BoxSimulator::applyBlock(ByteView payload) {
    if (payload.size() < 2)
        return;
    const int page = payload[0];
    const int first = payload[1];
    for (std::size_t i = 0; 2 + 2 * i + 1 < payload.size(); ++i) {
        const int slot = first + static_cast<int>(i);
        if (!PageTable::contains(page, slot))
            break;
        store_.setValue(page, slot, payload[2 + 2 * i] + 256 * payload[3 + 2 * i]);
    }
}

void BoxSimulator::storeMode(ModeList list, ByteView payload) {
    if (const std::optional<int> index = leadingValue(payload))
        modes_.store(list, *index, store_, textOf(payload.subspan(2)));
}

void BoxSimulator::acknowledge() {
    outbox_.post(Bytes{AckStart, AckCode});
}

void BoxSimulator::reply(Tag address, ByteView payload) {
    outbox_.post(BuildBlockFrame(CommandRead, address, payload));
}

void BoxSimulator::replyValue(Tag address, std::int32_t value) {
    const std::array<std::uint8_t, 2> payload = {static_cast<std::uint8_t>(value & 0xFF),
                                                 static_cast<std::uint8_t>((value >> 8) & 0xFF)};
    reply(address, payload);
}

} // namespace kdsp
