#pragma once

#include "dsp/complex.h"
#include "dsp/fft.h"
#include "graph/coordinates.h"

#include <array>
#include <cstdint>
#include <span>

namespace kdsp::graph {

inline constexpr int SpectrumSize = 2048; // FFT length
inline constexpr int SpectrumHigh = 1023; // last sample taken and last bin drawn
inline constexpr int BinHz = 23;          // bin spacing in whole hertz (23.4375 at 48 kHz)

// The row of a bin magnitude on the graph: 0 dB is 128 (a full-scale
// 8-bit sine), levels above 120 count as 120, and everything below the
// floor (-52 dB, or -64 dB with the low trigger) sits at the floor,
// height - 2. Fractional; round where a pixel is needed.
double LevelToY(const GraphScale& scale, bool lowTrigger, double level);

// The compute step of the analyser: one block of captured samples to the
// spectrum of its first 1024 samples, zero-padded to 2048 points.
class SpectrumTransform {
public:
    SpectrumTransform();

    // `capture` holds unsigned 8-bit samples, 128 being silence. Samples a
    // short buffer lacks count as silence; nothing past it is read. The
    // three lowest bins, swamped by the capture's offset and hum, are
    // attenuated by 0, 0.1 and 0.8.
    void compute(std::span<const std::uint8_t> capture);

    // All 2048 bins of the last compute (zero before the first).
    std::span<const dsp::Complex> bins() const { return output_; }

private:
    dsp::FftPlan plan_;
    std::array<dsp::Complex, SpectrumSize> input_{};
    std::array<dsp::Complex, SpectrumSize> output_{};
};

// When the analyser computes and when it paints, from the 10 ms timer:
// it computes on the fifth tick and paints on the eleventh, then starts
// over.
class SpectrumCadence {
public:
    enum class Step { None, Compute, Paint };

    Step tick() {
        const int old = counter_++;
        if (old == 4)
            return Step::Compute;
        if (old >= 10) {
            counter_ = 0;
            return Step::Paint;
        }
        return Step::None;
    }

private:
    int counter_ = 0;
};

} // namespace kdsp::graph
