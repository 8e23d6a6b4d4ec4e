#pragma once

#include "audio/pcm_converter.h"
#include "audio/wave_input.h"

#include <QObject>
#include <memory>
#include <optional>
#include <vector>

class QAudioSource;
class QIODevice;

namespace kdsp::audio {

// The system's default sound input through Qt Multimedia. It asks the
// device for the recorder's format and converts when the device offers
// only another one; blocks arrive on the window thread.
class QtWaveInput : public QObject, public WaveInput {
    Q_OBJECT
public:
    explicit QtWaveInput(QObject* parent = nullptr);
    ~QtWaveInput() override;

    bool open(const WaveFormat& format, WaveSink& sink, std::string& error) override;
    bool start(std::string& error) override;
    void stop() override;
    void close() override;

private:
    void readAvailable();

    WaveSink* sink_ = nullptr;
    std::unique_ptr<QAudioSource> source_;
    QIODevice* stream_ = nullptr;
    std::optional<PcmConverter> converter_; // when the device's format is not the one asked for
    std::vector<std::uint8_t> converted_;
};

} // namespace kdsp::audio
