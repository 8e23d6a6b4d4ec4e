#include "audio/recorder.h"

#include <functional>
#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace kdsp::audio {
namespace {

// A device the test feeds by hand.
struct FakeInput : WaveInput {
    bool opens = true;
    bool starts = true;
    WaveSink* sink = nullptr;
    WaveFormat opened;
    int stops = 0;

    bool open(const WaveFormat& format, WaveSink& s, std::string& error) override {
        if (!opens) {
            error = "no device";
            return false;
        }
        opened = format;
        sink = &s;
        return true;
    }
    bool start(std::string& error) override {
        if (!starts)
            error = "refused";
        return starts;
    }
    void stop() override { ++stops; }
    void close() override { sink = nullptr; }

    void push(const std::vector<std::uint8_t>& bytes) { sink->waveData(bytes); }
};

// A recorder whose re-queue tasks wait until the test runs them, as they
// wait for the window thread.
struct Recording {
    FakeInput input;
    std::vector<std::function<void()>> posted;
    // Before the recorder, which hands its last buffers over as it goes.
    std::vector<std::vector<std::uint8_t>> left;
    std::vector<std::vector<std::uint8_t>> right;
    Recorder recorder{input, [this](std::function<void()> task) { posted.push_back(task); }};

    Recording() {
        recorder.setOnRecord([this](auto l, auto r) {
            left.emplace_back(l.begin(), l.end());
            right.emplace_back(r.begin(), r.end());
        });
    }
    void runPosted() {
        auto tasks = std::move(posted);
        posted.clear();
        for (auto& task : tasks)
            task();
    }
};

std::vector<std::uint8_t> Bytes(std::size_t count, std::uint8_t value) {
    return std::vector<std::uint8_t>(count, value);
}

TEST(AudioSettings, FormatAndBufferSize) {
    struct Case {
        AudioSettings settings;
        WaveFormat format;
        std::uint16_t bufferBytes;
    };
    const Case cases[] = {
        {{}, {1, 1, 48000, 48000, 1, 8, 0}, 1024},
        {{SampleWidth::Bits16, ChannelLayout::Stereo, 44100, 512},
         {1, 2, 44100, 176400, 4, 16, 0},
         2048},
        {{SampleWidth::Bits8, ChannelLayout::Stereo, 8000, 1024},
         {1, 2, 8000, 16000, 2, 8, 0},
         2048},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.settings.format(), c.format);
        EXPECT_EQ(c.settings.bufferBytes(), c.bufferBytes);
    }
}

TEST(Recorder, SettingsThatCannotHold) {
    Recording r;
    r.recorder.setSplitChannels(true);
    EXPECT_FALSE(r.recorder.splitChannels()) << "mono has nothing to split";
    r.recorder.setSettings({SampleWidth::Bits8, ChannelLayout::Stereo, 48000, 1024});
    r.recorder.setSplitChannels(true);
    EXPECT_TRUE(r.recorder.splitChannels());
    r.recorder.setDeviceId(12);
    EXPECT_EQ(r.recorder.deviceId(), DefaultAudioDevice);
    r.recorder.setDeviceId(3);
    EXPECT_EQ(r.recorder.deviceId(), 3);
}

TEST(Recorder, DeliversWholeBuffersInOrder) {
    Recording r;
    ASSERT_TRUE(r.recorder.start());
    EXPECT_EQ(r.input.opened, AudioSettings{}.format());
    std::vector<std::uint8_t> stream(2500);
    std::iota(stream.begin(), stream.end(), std::uint8_t{0});
    // In pieces that do not line up with the buffers.
    for (std::size_t at = 0; at < stream.size(); at += 700) {
        const auto end = std::min(stream.size(), at + 700);
        r.input.push(
            {stream.begin() + static_cast<long>(at), stream.begin() + static_cast<long>(end)});
    }
    ASSERT_EQ(r.left.size(), 2u);
    EXPECT_EQ(r.left[0], std::vector<std::uint8_t>(stream.begin(), stream.begin() + 1024));
    EXPECT_EQ(r.left[1], std::vector<std::uint8_t>(stream.begin() + 1024, stream.begin() + 2048));
    EXPECT_TRUE(r.right[0].empty());
}

TEST(Recorder, WaitsForTheTriggerLevel) {
    Recording r;
    r.recorder.setTrigLevel(200);
    ASSERT_TRUE(r.recorder.start());
    r.input.push(Bytes(1024, 199));
    EXPECT_TRUE(r.left.empty());
    EXPECT_FALSE(r.recorder.triggered());
    std::vector<std::uint8_t> loud = Bytes(1024, 10);
    loud[700] = 200;
    r.input.push(loud);
    r.input.push(Bytes(1024, 0)); // once triggered, everything goes
    ASSERT_EQ(r.left.size(), 2u);
    EXPECT_EQ(r.left[0], loud);
}

TEST(Recorder, SplitsStereoIntoLeftAndRight) {
    Recording r;
    r.recorder.setSettings({SampleWidth::Bits16, ChannelLayout::Stereo, 48000, 256});
    r.recorder.setSplitChannels(true);
    ASSERT_TRUE(r.recorder.start());
    std::vector<std::uint8_t> frames;
    for (int f = 0; f < 256; ++f) {
        frames.insert(frames.end(), {std::uint8_t(f), 0x11, std::uint8_t(f), 0x22});
    }
    r.input.push(frames);
    ASSERT_EQ(r.left.size(), 1u);
    ASSERT_EQ(r.left[0].size(), 512u);
    ASSERT_EQ(r.right[0].size(), 512u);
    for (std::size_t f = 0; f < 256; ++f) {
        EXPECT_EQ(r.left[0][2 * f + 1], 0x11);
        EXPECT_EQ(r.right[0][2 * f + 1], 0x22);
        EXPECT_EQ(r.right[0][2 * f], static_cast<std::uint8_t>(f));
    }
}

// The window thread hands each buffer back; sixteen buffers late, the
// device has nowhere to record.
TEST(Recorder, SixteenBuffersOfHeadroom) {
    Recording r;
    ASSERT_TRUE(r.recorder.start());
    for (int i = 0; i < 17; ++i)
        r.input.push(Bytes(1024, static_cast<std::uint8_t>(i)));
    EXPECT_EQ(r.left.size(), 16u);
    EXPECT_EQ(r.recorder.queuedBuffers(), 0);
    r.runPosted();
    EXPECT_EQ(r.recorder.queuedBuffers(), 16);
    r.input.push(Bytes(1024, 99));
    ASSERT_EQ(r.left.size(), 17u);
    EXPECT_EQ(r.left.back(), Bytes(1024, 99));
}

// A stop hands back every buffer: the one in progress with what it holds,
// the rest empty; empty ones still reach the handler but stay off the ring.
TEST(Recorder, StopReturnsTheBuffersItHeld) {
    Recording r;
    ASSERT_TRUE(r.recorder.start());
    r.input.push(Bytes(1024 + 100, 130));
    r.runPosted();
    ASSERT_TRUE(r.recorder.stop());
    EXPECT_EQ(r.input.stops, 1);
    EXPECT_FALSE(r.recorder.isOpen());
    ASSERT_EQ(r.left.size(), 1u + 16u);
    EXPECT_EQ(r.left[1].size(), 100u);
    for (std::size_t i = 2; i < r.left.size(); ++i)
        EXPECT_TRUE(r.left[i].empty());
    EXPECT_EQ(r.posted.size(), 1u) << "only the partial buffer asks to go back";
}

TEST(Recorder, FailuresSayWhat) {
    Recording closed;
    closed.input.opens = false;
    EXPECT_FALSE(closed.recorder.start());
    EXPECT_EQ(closed.recorder.lastError(),
              "Could not open the input device for recording:  no device");

    Recording refused;
    refused.input.starts = false;
    EXPECT_FALSE(refused.recorder.start());
    EXPECT_EQ(refused.recorder.lastError(), "Error starting wave record: refused");
    EXPECT_FALSE(refused.recorder.isOpen());
}

} // namespace
} // namespace kdsp::audio
