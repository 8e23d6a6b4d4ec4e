// Feeds arbitrary bytes through the stream framer and the decoder, and
// straight into the decoder as a USB report, checking that every write lands
// inside the 31 x 165 store.
#include "link/frame_decoder.h"
#include "link/stream_framer.h"

#include <cstdlib>

namespace {

using namespace kdsp;

class CheckingEvents : public DecoderEvents {
public:
    void acknowledged() override {}
    void setTransferPhase(TransferPhase) override {}
    void frameLost() override {}
    void showMessage(std::string_view) override {}
    void pitchChanged(std::int32_t) override {}
    void deviceIdReceived(std::string_view id) override {
        if (id.size() != 8)
            std::abort();
    }
    void valueStored(int page, int slot, std::int32_t value) override {
        if (!PageTable::contains(page, slot) || value < 0 || value > 0xFFFF)
            std::abort();
    }
    std::optional<int> outstandingNameRequest(ModeList) const override { return 3; }
};

class Feeder : public FramerListener {
public:
    Feeder(FrameDecoder& decoder, Transport transport) : decoder_(decoder), transport_(transport) {}
    void frameReceived(ByteView frame) override { decoder_.decode(transport_, frame); }
    void acknowledgeReceived() override {}

private:
    FrameDecoder& decoder_;
    Transport transport_;
};

void checkTexts(const LinkTexts& texts) {
    for (const auto* list : {&texts.systemModeNames, &texts.hintModeNames})
        for (const auto& name : *list)
            if (name.size() > 20)
                std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ByteView bytes(data, size);
    ParameterStore store;
    LinkTexts texts;
    CheckingEvents events;
    FrameDecoder decoder(store, texts, events);

    for (Transport transport : {Transport::Serial, Transport::Tcp}) {
        Feeder feeder(decoder, transport);
        StreamFramer framer(feeder);
        // Split the input in two so partial frames carry across feeds.
        const std::size_t half = size / 2;
        framer.feed(bytes.first(half));
        framer.feed(bytes.subspan(half));
    }
    decoder.decode(Transport::Usb, bytes);
    decoder.decode(Transport::Tcp, bytes);
    checkTexts(texts);
    return 0;
}
