#include "cli/cli.h"
#include "link/frame_decoder.h"
#include "link/stream_framer.h"

#include <charconv>
#include <ostream>
#include <sstream>

namespace kdsp::cli {

namespace {

bool parseInRange(const std::string& text, long long low, long long high, long long& value) {
    return ParseInt(text, value) && value >= low && value <= high;
}

int runBuild(std::uint8_t command, Args args, Streams io) {
    if (args.size() != 3)
        return BadUsage(io, "frame write/read takes PAGE SLOT VALUE");
    long long page = 0, slot = 0, value = 0;
    if (!parseInRange(args[0], 0, 255, page))
        return BadUsage(io, "PAGE must be a whole number 0..255, not '" + args[0] + "'");
    if (!parseInRange(args[1], 0, 255, slot))
        return BadUsage(io, "SLOT must be a whole number 0..255, not '" + args[1] + "'");
    if (!parseInRange(args[2], 0, 65535, value))
        return BadUsage(io, "VALUE must be a whole number 0..65535, not '" + args[2] + "'");
    const Tag address = makeTag(static_cast<int>(page), static_cast<int>(slot));
    io.out << FormatHex(BuildValueFrame(command, address, static_cast<std::int32_t>(value)))
           << '\n';
    return ExitOk;
}

// Prints what a decoded block did, one line per effect.
class PrintingEvents : public DecoderEvents {
public:
    explicit PrintingEvents(std::ostream& out) : out_(out) {}

    bool lost() const { return lost_; }

    void acknowledged() override { acknowledged_ = true; }
    void setTransferPhase(TransferPhase) override {}
    void frameLost() override { lost_ = true; }
    void showMessage(std::string_view) override {}
    void pitchChanged(std::int32_t) override {}
    void deviceIdReceived(std::string_view id) override { out_ << "device id " << id << '\n'; }
    void valueStored(int page, int slot, std::int32_t value) override {
        if (page != PageMusic || slot != 3 || !statusFrame_)
            out_ << page << ':' << slot << '=' << value << '\n';
    }
    std::optional<int> outstandingNameRequest(ModeList) const override { return std::nullopt; }

    // Status replies also raise the acknowledge; report them as what they are.
    void decodeFrame(FrameDecoder& decoder, Transport transport, ByteView frame) {
        statusFrame_ = frame.size() > 4 && frame[0] == FrameStart && frame[4] == PageStatus;
        acknowledged_ = false;
        decoder.decode(transport, frame);
        if (acknowledged_) {
            if (statusFrame_ && frame[5] == 0 && frame.size() > 16)
                out_ << "status " << int{frame[16]} << '\n';
            else
                out_ << "ack\n";
        }
    }

private:
    std::ostream& out_;
    bool lost_ = false;
    bool acknowledged_ = false;
    bool statusFrame_ = false;
};

class FramerToDecoder : public FramerListener {
public:
    FramerToDecoder(PrintingEvents& events, FrameDecoder& decoder, Transport transport,
                    std::ostream& out)
        : events_(events), decoder_(decoder), transport_(transport), out_(out) {}
    void frameReceived(ByteView frame) override {
        events_.decodeFrame(decoder_, transport_, frame);
    }
    void acknowledgeReceived() override { out_ << "ack\n"; }

private:
    PrintingEvents& events_;
    FrameDecoder& decoder_;
    Transport transport_;
    std::ostream& out_;
};

bool parseTransport(const std::string& name, Transport& transport) {
    if (name == "serial")
        transport = Transport::Serial;
    else if (name == "tcp")
        transport = Transport::Tcp;
    else if (name == "usb")
        transport = Transport::Usb;
    else
        return false;
    return true;
}

bool parseHexByte(const std::string& text, std::uint8_t& byte) {
    unsigned value = 0;
    const char* last = text.data() + text.size();
    auto [end, ec] = std::from_chars(text.data(), last, value, 16);
    if (text.size() != 2 || ec != std::errc() || end != last)
        return false;
    byte = static_cast<std::uint8_t>(value);
    return true;
}

int runDecode(Args args, Streams io) {
    Transport transport = Transport::Serial;
    if (!args.empty() && args[0] == "--transport") {
        if (args.size() < 2 || !parseTransport(args[1], transport))
            return BadUsage(io, "--transport takes serial, tcp or usb");
        args = args.subspan(2);
    }
    if (args.empty())
        return BadUsage(io, "frame decode needs the received bytes as hex pairs");
    Bytes block;
    for (const auto& text : args) {
        std::uint8_t byte = 0;
        if (!parseHexByte(text, byte))
            return BadUsage(io, "'" + text + "' is not a hex byte such as F5");
        block.push_back(byte);
    }

    ParameterStore store;
    LinkTexts texts;
    std::ostringstream lines;
    PrintingEvents events(lines);
    FrameDecoder decoder(store, texts, events);
    bool incomplete = false;
    if (transport == Transport::Usb) {
        events.decodeFrame(decoder, transport, block);
    } else {
        // A stream carries no frame boundaries; find them as the link does.
        FramerToDecoder listener(events, decoder, transport, lines);
        StreamFramer framer(listener);
        framer.feed(block);
        incomplete = framer.phase() != StreamFramer::Phase::Hunt;
    }
    io.out << lines.str();
    if (events.lost() || incomplete) {
        io.out << "frame lost\n";
        return ExitFailed;
    }
    if (!texts.devicePassword.empty())
        io.out << "password " << texts.devicePassword << '\n';
    if (!texts.systemCode.empty())
        io.out << "system code " << texts.systemCode << '\n';
    return ExitOk;
}

} // namespace

int RunFrameCommand(Args args, Streams io) {
    if (args.empty())
        return BadUsage(io, "frame needs write, read or decode");
    const std::string& sub = args[0];
    if (sub == "write")
        return runBuild(CommandWrite, args.subspan(1), io);
    if (sub == "read")
        return runBuild(CommandRead, args.subspan(1), io);
    if (sub == "decode")
        return runDecode(args.subspan(1), io);
    return BadUsage(io, "unknown frame command '" + sub + "'; use write, read or decode");
}

} // namespace kdsp::cli
