// The sound of the desktop on Qt Multimedia: QAudioSink plays WAV files, QAudioSource
// records from the default input device into a PCM WAV file.
#include "platform/sound.h"

#include "core/textfile.h"
#include "core/wav.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>

namespace {

const QString kNoOutput = QStringLiteral(
    "Zvuk nelze přehrát: v počítači nebylo nalezeno žádné zařízení pro přehrávání zvuku.");
const QString kNoInput = QStringLiteral(
    "Nahrávání nelze spustit: v počítači nebylo nalezeno žádné zařízení pro nahrávání zvuku "
    "(mikrofon).");

QAudioFormat::SampleFormat sampleFormatOf(const wav::Audio &audio) {
    if (audio.format == 3)
        return QAudioFormat::Float;
    switch (audio.bitsPerSample) {
    case 8:
        return QAudioFormat::UInt8;
    case 16:
        return QAudioFormat::Int16;
    default:
        return QAudioFormat::Int32;
    }
}

class QtSoundPlayer final : public SoundPlayer {
public:
    void play(const QString &wavFile) override {
        stop();
        m_error.clear();
        QFile file(wavFile);
        if (!file.open(QIODevice::ReadOnly)) {
            m_error = QStringLiteral("Zvukový soubor „%1“ nelze otevřít.").arg(wavFile);
            return;
        }
        playBytes(file.readAll(), wavFile);
    }

    void playBytes(const QByteArray &bytes, const QString &name) override {
        stop();
        m_error.clear();
        const std::optional<wav::Audio> audio = wav::readAudio(bytes);
        if (!audio) {
            m_error = QStringLiteral("Soubor „%1“ není zvukový soubor WAV, který umím přehrát.")
                          .arg(name);
            return;
        }
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull()) {
            m_error = kNoOutput;
            return;
        }
        QAudioFormat format;
        format.setSampleRate(int(audio->sampleRate));
        format.setChannelCount(audio->channels);
        format.setSampleFormat(sampleFormatOf(*audio));
        m_samples = bytes.mid(audio->dataOffset, audio->dataSize);
        m_buffer = std::make_unique<QBuffer>(&m_samples);
        m_buffer->open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(device, format);
        QObject::connect(m_sink.get(), &QAudioSink::stateChanged, m_sink.get(),
                         [this](QAudio::State state) {
                             if (state == QAudio::IdleState && m_sink)
                                 m_sink->stop();
                         });
        m_sink->start(m_buffer.get());
        if (m_sink->error() != QAudio::NoError) {
            m_error = QStringLiteral("Zvuk „%1“ nelze přehrát na zařízení „%2“.")
                          .arg(name, device.description());
            stop();
        }
    }

    void stop() override {
        if (m_sink) {
            m_sink->stop();
            m_sink.reset();
        }
        m_buffer.reset();
        m_samples.clear();
    }

    QString lastError() const override { return m_error; }

    bool isPlaying() const override {
        return m_sink && (m_sink->state() == QAudio::ActiveState ||
                          (m_sink->state() == QAudio::IdleState && !m_buffer->atEnd()));
    }

    ~QtSoundPlayer() override { stop(); }

private:
    QByteArray m_samples;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
    QString m_error;
};

class QtSoundRecorder final : public SoundRecorder {
public:
    Result<void> start(const QString &wavFile) override {
        stop(false);
        const QAudioDevice device = QMediaDevices::defaultAudioInput();
        if (device.isNull()) {
            return Failure{kNoInput};
        }
        // Integer samples of the device's own rate and channels; its own format when the
        // device takes no 16-bit samples.
        QAudioFormat format = device.preferredFormat();
        format.setSampleFormat(QAudioFormat::Int16);
        if (format.channelCount() > 2)
            format.setChannelCount(2);
        if (!device.isFormatSupported(format))
            format = device.preferredFormat();
        // An empty, valid WAV file at the path from the start: a path that cannot be
        // written is reported now, before anything is recorded.
        const Result<void> prepared = textfile::saveFile(wavFile, fileOf({}, format));
        if (!prepared)
            return Failure{prepared.error()};
        m_samples.clear();
        m_buffer = std::make_unique<QBuffer>(&m_samples);
        m_buffer->open(QIODevice::WriteOnly);
        m_source = std::make_unique<QAudioSource>(device, format);
        m_source->start(m_buffer.get());
        if (m_source->error() != QAudio::NoError || m_source->state() == QAudio::StoppedState) {
            m_source.reset();
            m_buffer.reset();
            return Failure{QStringLiteral("Nahrávání ze zařízení „%1“ nelze spustit.")
                               .arg(device.description())};
        }
        m_format = format;
        m_path = wavFile;
        return {};
    }

    Result<void> stop(bool save) override {
        if (!m_source)
            return {};
        m_source->stop();
        m_source.reset();
        m_buffer.reset();
        Result<void> result;
        if (save) {
            const Result<void> saved = textfile::saveFile(m_path, fileOf(m_samples, m_format));
            if (!saved)
                result = Failure{saved.error()};
        }
        m_samples.clear();
        return result;
    }

    bool isRecording() const override { return m_source != nullptr; }

    ~QtSoundRecorder() override { stop(false); }

private:
    static QByteArray fileOf(const QByteArray &samples, const QAudioFormat &format) {
        const int bytes = format.bytesPerSample();
        const QByteArrayView whole(samples.constData(),
                                   samples.size() -
                                       samples.size() % std::max(1, format.bytesPerFrame()));
        return wav::pcmFile(whole, quint32(format.sampleRate()), quint16(format.channelCount()),
                            quint16(bytes * 8), format.sampleFormat() == QAudioFormat::Float);
    }

    QByteArray m_samples;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSource> m_source;
    QAudioFormat m_format;
    QString m_path;
};

} // namespace

std::unique_ptr<SoundPlayer> makeSoundPlayer() {
    return std::make_unique<QtSoundPlayer>();
}

std::unique_ptr<SoundRecorder> makeSoundRecorder() {
    return std::make_unique<QtSoundRecorder>();
}
