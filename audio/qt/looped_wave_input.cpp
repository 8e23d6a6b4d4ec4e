#include "audio/qt/looped_wave_input.h"

#include "audio/pcm_converter.h"
#include "audio/tone.h"
#include "audio/wav_file.h"

#include <algorithm>
#include <span>

namespace kdsp::audio {

namespace {

// Fast enough that a 1024-sample block is never late by more than half.
constexpr int PaceMs = 10;

} // namespace

LoopedWaveInput::LoopedWaveInput(std::vector<std::uint8_t> samples, QObject* parent)
    : QObject(parent), samples_(std::move(samples)) {
    timer_.setInterval(PaceMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LoopedWaveInput::deliver);
}

std::unique_ptr<LoopedWaveInput> LoopedWaveInput::fromWavFile(const std::string& path) {
    std::string error;
    std::optional<std::vector<std::uint8_t>> samples = LoadWavForAnalyser(path, error);
    auto input = std::make_unique<LoopedWaveInput>(samples ? std::move(*samples)
                                                           : std::vector<std::uint8_t>{});
    if (!samples)
        input->loadError_ = error;
    return input;
}

std::unique_ptr<LoopedWaveInput> LoopedWaveInput::tone(double hz, double amplitude) {
    return std::make_unique<LoopedWaveInput>(ToneSecond(hz, amplitude));
}

bool LoopedWaveInput::open(const WaveFormat& format, WaveSink& sink, std::string& error) {
    if (!loadError_.empty()) {
        error = loadError_;
        return false;
    }
    if (samples_.empty()) {
        error = "no sound to play";
        return false;
    }
    const WaveFormat wanted = AudioSettings{}.format();
    if (format != wanted) {
        error = "only 8-bit mono at 48000 Hz is offered";
        return false;
    }
    sink_ = &sink;
    return true;
}

bool LoopedWaveInput::start(std::string& error) {
    if (sink_ == nullptr) {
        error = "not open";
        return false;
    }
    delivered_ = 0;
    clock_.start();
    timer_.start();
    return true;
}

void LoopedWaveInput::stop() {
    timer_.stop();
}

void LoopedWaveInput::close() {
    timer_.stop();
    sink_ = nullptr;
}

void LoopedWaveInput::deliver() {
    if (sink_ == nullptr)
        return;
    const std::int64_t due = clock_.elapsed() * AnalyserLayout.rate / 1000 - delivered_;
    std::int64_t left = due;
    while (left > 0) {
        const auto chunk = static_cast<std::size_t>(
            std::min<std::int64_t>(left, static_cast<std::int64_t>(samples_.size() - position_)));
        sink_->waveData(std::span<const std::uint8_t>(samples_.data() + position_, chunk));
        position_ = (position_ + chunk) % samples_.size();
        left -= static_cast<std::int64_t>(chunk);
    }
    delivered_ += due > 0 ? due : 0;
}

} // namespace kdsp::audio
