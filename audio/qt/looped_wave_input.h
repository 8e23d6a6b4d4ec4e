#pragma once

#include "audio/wave_input.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kdsp::audio {

// A capture input that plays a block of the analyser's samples (8-bit mono
// 48 kHz) round and round in real time: a WAV file for users without a
// microphone, a tone for tests. Delivers on the window thread from a
// timer, as much as the clock says has been "recorded" since the start.
class LoopedWaveInput : public QObject, public WaveInput {
    Q_OBJECT
public:
    explicit LoopedWaveInput(std::vector<std::uint8_t> samples, QObject* parent = nullptr);

    // A WAV file of any common PCM layout, converted once. When it cannot
    // be read the input refuses to open, with the reason.
    static std::unique_ptr<LoopedWaveInput> fromWavFile(const std::string& path);
    // A sine of `hz` at `amplitude` (0..1 of full scale).
    static std::unique_ptr<LoopedWaveInput> tone(double hz, double amplitude);

    // Why the file could not be used; empty when it could.
    const std::string& loadError() const { return loadError_; }

    bool open(const WaveFormat& format, WaveSink& sink, std::string& error) override;
    bool start(std::string& error) override;
    void stop() override;
    void close() override;

private:
    void deliver();

    std::vector<std::uint8_t> samples_;
    std::string loadError_;
    WaveSink* sink_ = nullptr;
    QTimer timer_;
    QElapsedTimer clock_;
    std::int64_t delivered_ = 0;
    std::size_t position_ = 0;
};

} // namespace kdsp::audio
