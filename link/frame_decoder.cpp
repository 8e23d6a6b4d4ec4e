#include "link/frame_decoder.h"

#include <algorithm>

namespace kdsp {

namespace {

constexpr std::size_t PageByte = 4;
constexpr std::size_t SlotByte = 5;
constexpr std::size_t PayloadByte = 6;
constexpr std::size_t StatusByte = 16;
constexpr int PitchSlot = 3;

int valueAt(ByteView frame, std::size_t at) {
    return frame[at] + 256 * frame[at + 1];
}

std::string sanitisedName(ByteView payload) {
    std::string name;
    for (std::uint8_t b : payload.first(std::min<std::size_t>(payload.size(), 20)))
        name += (b > 0x7F || b < 0x1E) ? '?' : static_cast<char>(b);
    return name;
}

} // namespace

void FrameDecoder::decode(Transport transport, ByteView block) {
    if (block.empty())
        return;
    if (transport != Transport::Serial) {
        if (block[0] == AckStart) {
            if (block.size() >= 2 && IsAcknowledgeCode(block[1])) {
                events_.acknowledged();
                events_.setTransferPhase(TransferPhase::Acknowledged);
            }
            return;
        }
        if (block[0] != FrameStart)
            return;
        events_.setTransferPhase(TransferPhase::Data);
    }

    const std::size_t length = block.size() >= 3 ? block[2] : 0;
    if (block.size() < length || block.size() < 3) {
        events_.frameLost();
        events_.showMessage(ShortFrameMessage);
        return;
    }
    // A frame a few bytes short of its header's promise, or one too short to
    // hold a header, is as damaged as a bad checksum and is never read past
    // its end.
    if (length < 4 || block.size() < length + 3) {
        events_.frameLost();
        return;
    }

    const std::size_t frameLength = transport == Transport::Usb ? length + 3 : block.size();
    const ByteView frame = block.first(frameLength);
    if (FrameChecksum(frame) != frame.back()) {
        events_.frameLost();
        if (transport == Transport::Usb)
            events_.showMessage(BadChecksumMessage);
        return;
    }

    const int page = frame[PageByte];
    if (page < PageSystem) {
        storePageValues(frame);
    } else if (page == PageStatus) {
        handleStatus(frame, frameLength);
    } else {
        handleCommandReply(frame);
    }
}

void FrameDecoder::store(int page, int slot, std::int32_t value) {
    store_.setValue(page, slot, value);
    events_.valueStored(page, slot, value);
}

void FrameDecoder::storePageValues(ByteView frame) {
    const int page = frame[PageByte];
    const int firstSlot = frame[SlotByte];
    const std::size_t count = (frame[2] - 4u) / 2;
    for (std::size_t i = 0; i < count; ++i) {
        const int slot = firstSlot + static_cast<int>(i);
        if (slot >= SlotsPerPage)
            break; // a page has no room past its last slot
        store(page, slot, valueAt(frame, PayloadByte + 2 * i));
    }
}

void FrameDecoder::handleStatus(ByteView frame, std::size_t frameLength) {
    events_.acknowledged();
    events_.setTransferPhase(TransferPhase::Acknowledged);
    if (frame[SlotByte] != 0 || frameLength <= StatusByte)
        return;
    const int pitch = frame[StatusByte];
    if (pitch == store_.value(PageMusic, PitchSlot))
        return;
    store(PageMusic, PitchSlot, pitch);
    events_.pitchChanged(pitch);
}

void FrameDecoder::handleCommandReply(ByteView frame) {
    const int page = frame[PageByte];
    const int slot = frame[SlotByte];
    const ByteView payload = frame.subspan(PayloadByte, frame[2] - 4u);

    switch (slot) {
    case slotOf(command::SystemModeName):
    case slotOf(command::HintModeName): {
        const ModeList list = slot == 0 ? ModeList::System : ModeList::Hint;
        // A name nobody asked for belongs to no mode.
        if (const auto index = events_.outstandingNameRequest(list);
            index && *index >= 0 && *index < ModesPerList)
            texts_.names(list)[static_cast<std::size_t>(*index)] = sanitisedName(payload);
        return;
    }
    case slotOf(command::DevicePassword):
        texts_.devicePassword.assign(payload.begin(), payload.end());
        return;
    case slotOf(command::SystemCode):
        texts_.systemCode.assign(payload.begin(), payload.end());
        return;
    case slotOf(command::DeviceId):
        if (payload.size() >= 4) {
            texts_.deviceId = FormatHex(payload.first(4));
            std::erase(texts_.deviceId, ' ');
            events_.deviceIdReceived(texts_.deviceId);
        }
        return;
    case 0x0B:
    case 0x0C:
    case slotOf(command::BlockUpload):
    case slotOf(command::BlockRequest):
        return;
    default:
        break;
    }
    // Only the command page itself has a place in the store.
    if (slot >= slotOf(command::Connection) || page != PageSystem || payload.size() < 2)
        return;
    store(page, slot, valueAt(frame, PayloadByte));
}

} // namespace kdsp
