#include "audio/pcm_converter.h"
#include "audio/wav_file.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace kdsp::audio {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, unsigned v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, unsigned v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutId(Bytes& b, const char* id) {
    // One byte at a time: GCC 12 at -O2 misreads a range insert into an
    // empty vector as an overflow.
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<std::uint8_t>(id[i]));
}

// RIFF header, a format chunk (with the extensible tail when the tag is
// 0xFFFE, naming `subFormat`), an odd-sized chunk to skip, then data.
Bytes Wav(unsigned tag, unsigned channels, unsigned rate, unsigned bits, const Bytes& pcm,
          unsigned subFormat = 1) {
    Bytes b;
    PutId(b, "RIFF");
    Put32(b, 0); // length fields are not trusted
    PutId(b, "WAVE");
    PutId(b, "fmt ");
    const bool extensible = tag == 0xFFFE;
    Put32(b, extensible ? 40 : 16);
    Put16(b, tag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * channels * bits / 8);
    Put16(b, channels * bits / 8);
    Put16(b, bits);
    if (extensible) {
        Put16(b, 22);
        Put16(b, bits);
        Put32(b, 0);
        Put16(b, subFormat);
        b.insert(b.end(), 14, 0);
    }
    PutId(b, "LIST");
    Put32(b, 3);
    b.insert(b.end(), {'a', 'b', 'c', 0}); // padded to even
    PutId(b, "data");
    Put32(b, static_cast<unsigned>(pcm.size()));
    b.insert(b.end(), pcm.begin(), pcm.end());
    return b;
}

Bytes Analyser(const Bytes& file) {
    std::string error;
    const auto sound = ParseWav(file, error);
    EXPECT_TRUE(sound) << error;
    if (!sound)
        return {};
    Bytes out;
    PcmConverter converter(sound->layout);
    converter.convert(sound->pcm, out);
    return out;
}

TEST(WavFile, LayoutsBecomeEightBitMono) {
    struct Case {
        const char* name;
        Bytes file;
        std::uint8_t sample; // every converted sample
    };
    Bytes stereo16; // left +0.5, right -0.25: the mean is +0.125
    Bytes float32;  // +1.5 clips to full scale
    Bytes int24;    // -0.5
    for (int i = 0; i < 64; ++i) {
        Put16(stereo16, 0x4000);
        Put16(stereo16, 0xE000);
        float32.insert(float32.end(), {0, 0, 0xC0, 0x3F});
        int24.insert(int24.end(), {0, 0, 0xC0});
    }
    const Case cases[] = {
        {"16-bit stereo", Wav(1, 2, 48000, 16, stereo16), 144},
        {"float", Wav(3, 1, 48000, 32, float32), 255},
        {"24-bit", Wav(1, 1, 48000, 24, int24), 64},
        {"extensible 16-bit", Wav(0xFFFE, 2, 48000, 16, stereo16), 144},
        {"8-bit", Wav(1, 1, 48000, 8, Bytes(64, 20)), 20},
    };
    for (const Case& c : cases) {
        const Bytes out = Analyser(c.file);
        ASSERT_FALSE(out.empty()) << c.name;
        for (const std::uint8_t s : out)
            ASSERT_EQ(s, c.sample) << c.name;
    }
}

TEST(WavFile, ChangesTheRateByInterpolation) {
    // A ramp at 24 kHz: twice the samples, the new ones half-way between.
    const Bytes ramp{100, 110, 120, 130};
    const Bytes out = Analyser(Wav(1, 1, 24000, 8, ramp));
    EXPECT_EQ(out, (Bytes{100, 105, 110, 115, 120, 125}));
    EXPECT_EQ(Analyser(Wav(1, 1, 96000, 8, {100, 0, 110, 0, 120, 0})), (Bytes{100, 110, 120}));
}

TEST(WavFile, RefusesWhatItCannotPlay) {
    struct Case {
        const char* name;
        Bytes file;
        const char* error;
    };
    Bytes dataFirst{'R', 'I', 'F', 'F', 0,   0,   0, 0, 'W', 'A',
                    'V', 'E', 'd', 'a', 't', 'a', 0, 0, 0,   0};
    const Case cases[] = {
        {"text", Bytes{'h', 'e', 'l', 'l', 'o'}, "not a WAV file"},
        {"ADPCM", Wav(2, 1, 48000, 4, Bytes(8)), "unsupported sample format"},
        {"12-bit", Wav(1, 1, 48000, 12, Bytes(8)), "unsupported sample format"},
        {"extensible float of 16 bits", Wav(0xFFFE, 1, 48000, 16, Bytes(8), 3),
         "unsupported sample format"},
        {"no channels", Wav(1, 0, 48000, 16, Bytes(8)), "unsupported sample format"},
        {"data first", dataFirst, "data before the format chunk"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(ParseWav(c.file, error)) << c.name;
        EXPECT_EQ(error, c.error) << c.name;
    }
}

TEST(PcmConverter, PiecesCutAnywhereGiveTheSameStream) {
    Bytes pcm;
    for (int i = 0; i < 300; ++i) {
        const double v = std::sin(i * 0.1);
        Put16(pcm, static_cast<unsigned>(static_cast<int>(v * 20000)) & 0xFFFF);
        Put16(pcm, static_cast<unsigned>(static_cast<int>(-v * 10000)) & 0xFFFF);
    }
    const PcmLayout layout{SampleFormat::Int16, 2, 44100};
    Bytes whole;
    PcmConverter(layout).convert(pcm, whole);
    Bytes pieces;
    PcmConverter converter(layout);
    for (std::size_t at = 0; at < pcm.size(); at += 7) {
        const std::size_t end = std::min(pcm.size(), at + 7);
        converter.convert(std::span<const std::uint8_t>(pcm.data() + at, end - at), pieces);
    }
    EXPECT_EQ(pieces, whole);
    EXPECT_NEAR(static_cast<double>(whole.size()), 300 * 48000.0 / 44100, 2.0);
}

TEST(WavFile, LoadsAFile) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("kdsp_wav_test_" + std::to_string(::getpid()) + ".wav");
    {
        const Bytes file = Wav(1, 1, 48000, 8, Bytes(480, 200));
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(file.data()),
                  static_cast<std::streamsize>(file.size()));
    }
    std::string error;
    const auto samples = LoadWavForAnalyser(path.string(), error);
    std::filesystem::remove(path);
    ASSERT_TRUE(samples) << error;
    EXPECT_EQ(samples->size(), 479u);

    EXPECT_FALSE(LoadWavForAnalyser(path.string(), error));
    EXPECT_EQ(error, "cannot open " + path.string());
}

} // namespace
} // namespace kdsp::audio
