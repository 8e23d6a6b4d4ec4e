#include "audio/qt/qt_wave_input.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QMediaDevices>
#include <span>

namespace kdsp::audio {

namespace {

std::optional<SampleFormat> FromQt(QAudioFormat::SampleFormat format) {
    switch (format) {
    case QAudioFormat::UInt8:
        return SampleFormat::UInt8;
    case QAudioFormat::Int16:
        return SampleFormat::Int16;
    case QAudioFormat::Int32:
        return SampleFormat::Int32;
    case QAudioFormat::Float:
        return SampleFormat::Float32;
    default:
        return std::nullopt;
    }
}

} // namespace

QtWaveInput::QtWaveInput(QObject* parent) : QObject(parent) {}

QtWaveInput::~QtWaveInput() {
    close();
}

bool QtWaveInput::open(const WaveFormat& format, WaveSink& sink, std::string& error) {
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) {
        error = "no audio input device";
        return false;
    }
    QAudioFormat wanted;
    wanted.setSampleRate(static_cast<int>(format.samplesPerSecond));
    wanted.setChannelCount(format.channels);
    wanted.setSampleFormat(format.bitsPerSample == 16 ? QAudioFormat::Int16 : QAudioFormat::UInt8);

    QAudioFormat used = wanted;
    converter_.reset();
    if (!device.isFormatSupported(wanted)) {
        used = device.preferredFormat();
        const std::optional<SampleFormat> sample = FromQt(used.sampleFormat());
        // Conversion is only to the analyser's own format.
        if (!sample || format != AudioSettings{}.format()) {
            error = "the input offers no usable sample format";
            return false;
        }
        converter_.emplace(PcmLayout{*sample, used.channelCount(), used.sampleRate()},
                           static_cast<int>(format.samplesPerSecond));
    }
    source_ = std::make_unique<QAudioSource>(device, used);
    sink_ = &sink;
    return true;
}

bool QtWaveInput::start(std::string& error) {
    if (!source_) {
        error = "not open";
        return false;
    }
    stream_ = source_->start();
    if (stream_ == nullptr || source_->error() != QAudio::NoError) {
        error = "the input device did not start";
        stream_ = nullptr;
        return false;
    }
    connect(stream_, &QIODevice::readyRead, this, &QtWaveInput::readAvailable);
    return true;
}

void QtWaveInput::stop() {
    if (stream_ != nullptr)
        disconnect(stream_, nullptr, this, nullptr);
    stream_ = nullptr;
    if (source_)
        source_->stop();
}

void QtWaveInput::close() {
    stop();
    source_.reset();
    sink_ = nullptr;
}

void QtWaveInput::readAvailable() {
    if (stream_ == nullptr || sink_ == nullptr)
        return;
    const QByteArray bytes = stream_->readAll();
    const std::span<const std::uint8_t> raw(
        reinterpret_cast<const std::uint8_t*>(bytes.constData()),
        static_cast<std::size_t>(bytes.size()));
    if (!converter_) {
        sink_->waveData(raw);
        return;
    }
    converted_.clear();
    converter_->convert(raw, converted_);
    sink_->waveData(converted_);
}

} // namespace kdsp::audio
