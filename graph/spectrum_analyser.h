#pragma once

#include "graph/spectrum_display.h"
#include "graph/spectrum_levels.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

namespace kdsp::graph {

// The analyser behind the graph: which captured blocks it keeps, when it
// computes and paints, and the spectrum of the last block it kept.
//
// record() runs on whatever thread the capture delivers on; everything
// else belongs to the window thread. The kept block is handed across
// under a lock, and the switches record() reads are atomic.
class SpectrumAnalyser {
public:
    // --- window thread ---
    bool audioAvailable() const { return audioAvailable_; }
    void setAudioAvailable(bool available) { audioAvailable_ = available; }

    bool on() const { return on_; }
    void setOn(bool on) { on_ = on; }
    // Blocks are dropped while frozen (the display stands still) and while
    // a graph marker is dragged (the window thread is busy enough).
    void setFrozen(bool frozen) { frozen_ = frozen; }
    void setDragging(bool dragging) { dragging_ = dragging; }

    bool lowTrigger() const { return lowTrigger_; }
    void setLowTrigger(bool low) { lowTrigger_ = low; }
    int kind() const { return kind_; }
    void setKind(int kind) { kind_ = kind; }

    // One 10 ms timer tick while the analyser is on and nothing is
    // dragged: what to do now.
    SpectrumCadence::Step tick() { return cadence_.tick(); }
    // The spectrum of the block kept last (silence before the first).
    void compute();
    std::span<const dsp::Complex> bins() const { return transform_.bins(); }
    // What the display of the current kind draws at `scale`.
    SpectrumDrawing drawing(const GraphScale& scale) const;

    // --- any thread ---
    // A captured block of unsigned 8-bit samples: kept when the analyser
    // is on, not frozen, no drag is under way and the block is not empty.
    void record(std::span<const std::uint8_t> samples);

private:
    bool audioAvailable_ = true;
    std::atomic<bool> on_{false};
    std::atomic<bool> frozen_{false};
    std::atomic<bool> dragging_{false};
    bool lowTrigger_ = false;
    int kind_ = static_cast<int>(SpectrumKind::Bars);
    SpectrumCadence cadence_;
    SpectrumTransform transform_;

    std::mutex captureLock_;
    std::vector<std::uint8_t> capture_; // guarded by captureLock_
    std::vector<std::uint8_t> computing_;
};

} // namespace kdsp::graph
