// The live spectrum under the curve, from a WAV file looped as the input,
// and what a console without an input device says.
#include "audio/qt/looped_wave_input.h"
#include "graph/coordinates.h"
#include "tests/app/graph/graph_fixture.h"

#include <QColor>
#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <numbers>
#include <vector>

namespace kdsp::test {
namespace {

const QRgb Blue = qRgb(62, 62, 255);
const QRgb Orange = QColor(255, 102, 0).rgb();

// Half-scale 1 kHz at 44.1 kHz, 16-bit mono: the file is converted on the
// way in.
void WriteToneWav(const std::string& path) {
    const int rate = 44100;
    std::vector<char> pcm;
    for (int n = 0; n < rate; ++n) {
        const auto v = static_cast<std::int16_t>(
            std::lround(16000 * std::sin(2 * std::numbers::pi * 1000.0 * n / rate)));
        pcm.push_back(static_cast<char>(v & 0xFF));
        pcm.push_back(static_cast<char>((v >> 8) & 0xFF));
    }
    const auto le = [](std::ofstream& out, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    std::ofstream out(path, std::ios::binary);
    out.write("RIFF", 4);
    le(out, static_cast<std::uint32_t>(36 + pcm.size()), 4);
    out.write("WAVEfmt ", 8);
    le(out, 16, 4);
    le(out, 1, 2);
    le(out, 1, 2);
    le(out, rate, 4);
    le(out, rate * 2, 4);
    le(out, 2, 2);
    le(out, 16, 2);
    out.write("data", 4);
    le(out, static_cast<std::uint32_t>(pcm.size()), 4);
    out.write(pcm.data(), static_cast<std::streamsize>(pcm.size()));
}

class ToneTest : public GraphTest {
protected:
    std::unique_ptr<audio::WaveInput> makeInput() override {
        EXPECT_TRUE(folder.isValid());
        const std::string path = QDir(folder.path()).filePath("tone.wav").toStdString();
        WriteToneWav(path);
        return audio::LoopedWaveInput::fromWavFile(path);
    }

    // Row of the highest spectrum pixel in column x, or the height.
    int barTop(int x) const {
        for (int y = 0; y < picture().height(); ++y) {
            if (picture().pixel(x, y) == Blue)
                return y;
        }
        return picture().height();
    }

    QTemporaryDir folder;
};

TEST_F(ToneTest, OneKilohertzPeaksAtItsColumnUnderTheCurve) {
    ASSERT_TRUE(graph->analyser().audioAvailable()) << graph->captureError();
    const int column = static_cast<int>(std::lround(graph::FreqToX(graph->canvas().scale(), 1000)));
    get<QPushButton>("PinPPBtn")->click();
    ASSERT_TRUE(pumpUntil([&] { return barTop(column) < 20; }, 5000)) << "no bar at 1 kHz";

    int highest = picture().height();
    std::vector<int> peak;
    for (int x = 0; x < picture().width(); ++x) {
        const int top = barTop(x);
        if (top < highest) {
            highest = top;
            peak.clear();
        }
        if (top == highest)
            peak.push_back(x);
    }
    for (const int x : peak)
        EXPECT_NEAR(x, column, 7) << "one bar either side at most";
    EXPECT_EQ(picture().pixel(column, 89), Orange) << "the curve is drawn over the bars";

    // Switching off repaints the curve on a clean grid.
    get<QPushButton>("PinPPBtn")->click();
    settle();
    for (int x = 0; x < picture().width(); ++x)
        ASSERT_EQ(barTop(x), picture().height()) << x;
}

TEST_F(GraphTest, WithoutAnInputDeviceTheSwitchSaysSo) {
    EXPECT_FALSE(graph->analyser().audioAvailable());
    const QImage before = picture().copy();
    auto* button = get<BitmapButton>("PinPPBtn");
    button->click();
    EXPECT_EQ(prompter.messages, std::vector<std::string>{"没检测到音频设备"});
    EXPECT_EQ(button->hint(), "0") << "the switch stays off";
    EXPECT_FALSE(graph->analyser().on());
    get<ToolButton>("RzToolButton11")->click(); // English
    button->click();
    EXPECT_EQ(prompter.messages.back(), "Audio device is not detected");
    settle(150);
    EXPECT_EQ(picture(), before);
}

} // namespace
} // namespace kdsp::test
