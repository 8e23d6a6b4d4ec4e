#include "hex.h"
#include "link/stream_framer.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kdsp {
namespace {

using test::hex;

struct RecordingListener : FramerListener {
    std::vector<std::string> seen; // "ack" or the frame as hex
    void frameReceived(ByteView frame) override { seen.push_back(FormatHex(frame)); }
    void acknowledgeReceived() override { seen.push_back("ack"); }
};

struct FramerCase {
    const char* name;
    std::vector<std::string> chunks; // one feed() each
    std::vector<std::string> seen;
};

const FramerCase Cases[] = {
    {"noise before a frame", {"00 13 F5 C0 06 B0 03 10 34 12 FE"}, {"F5 C0 06 B0 03 10 34 12 FE"}},
    {"frame split after two bytes",
     {"F5 C0", "06 B0 03 10 34 12 FE"},
     {"F5 C0 06 B0 03 10 34 12 FE"}},
    {"body arriving byte by byte",
     {"F5 C0 06 B0", "03", "10 34", "12", "FE"},
     {"F5 C0 06 B0 03 10 34 12 FE"}},
    {"wrong device address", {"F5 C1 06 B7 03 10 34 12 FE"}, {}},
    {"wrong command byte", {"F5 C0 06 B1 03 10 34 12 FE"}, {}},
    {"acknowledges", {"EE BB", "EE", "AA", "EE CC"}, {"ack", "ack", "ack"}},
    {"unknown acknowledge", {"EE 12"}, {}},
    {"acknowledge then frame in one burst",
     {"EE BB F5 C0 04 B0 03 10 B8"},
     {"ack", "F5 C0 04 B0 03 10 B8"}},
    {"every buffered frame is delivered",
     {"F5 C0 04 B0 03 10 B8 F5 C0 04 B0 03 11 B9 EE BB"},
     {"F5 C0 04 B0 03 10 B8", "F5 C0 04 B0 03 11 B9", "ack"}},
    // A length below 4 could never complete; hunting resumes after the header.
    {"length zero", {"F5 C0 00 B0 F5 C0 04 B0 03 10 B8"}, {"F5 C0 04 B0 03 10 B8"}},
    {"length three", {"F5 C0 03 B7 EE BB"}, {"ack"}},
    // The checksum is the decoder's business.
    {"bad checksum still framed", {"F5 C0 04 B0 03 10 00"}, {"F5 C0 04 B0 03 10 00"}},
    {"bytes of a bad header are hunted through", {"F5 C1 06 B7 EE BB"}, {"ack"}},
};

TEST(StreamFramer, FindsFramesInTheStream) {
    for (const auto& c : Cases) {
        RecordingListener listener;
        StreamFramer framer(listener);
        for (const auto& chunk : c.chunks)
            framer.feed(hex(chunk));
        EXPECT_EQ(listener.seen, c.seen) << c.name;
    }
}

TEST(StreamFramer, WaitsForTheWholeBody) {
    RecordingListener listener;
    StreamFramer framer(listener);
    framer.feed(hex("F5 C0 06 B0 03 10"));
    EXPECT_EQ(framer.phase(), StreamFramer::Phase::Body);
    EXPECT_TRUE(listener.seen.empty());
    framer.feed(hex("34 12 FE"));
    EXPECT_EQ(framer.phase(), StreamFramer::Phase::Hunt);
    EXPECT_EQ(listener.seen.size(), 1u);
}

TEST(StreamFramer, ResetDropsAPartialFrame) {
    RecordingListener listener;
    StreamFramer framer(listener);
    framer.feed(hex("F5 C0 06 B0 03"));
    framer.reset();
    framer.feed(hex("10 34 12 FE EE BB"));
    EXPECT_EQ(listener.seen, std::vector<std::string>{"ack"});
}

} // namespace
} // namespace kdsp
