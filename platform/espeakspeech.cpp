// Speech synthesis on Linux: espeak-ng's library, synthesising into memory. The library
// (with the sound libraries it brings) is loaded when a voice is first asked for, not
// at start: most runs never speak.
#include "platform/speech.h"

#include "core/wav.h"

#include <QLibrary>
#include <QMutex>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>

namespace {

// espeak-ng keeps one global state: every call goes through this lock.
QMutex &espeakLock() {
    static QMutex lock;
    return lock;
}

// The library's functions, each found by its name in the loaded library.
class Espeak {
public:
    explicit Espeak(QLibrary &library) : m_library(&library) {}
    // Whether the library has every function this program calls.
    bool complete() const { return m_complete; }

private:
    QLibrary *m_library;
    bool m_complete = true;

    template <typename Function> Function find(const char *name) {
        const auto function = reinterpret_cast<Function>(m_library->resolve(name));
        m_complete = m_complete && function;
        return function;
    }

public:
    // Found in the order of declaration, after the members above.
    decltype(&espeak_ng_InitializePath) initializePath =
        find<decltype(initializePath)>("espeak_ng_InitializePath");
    decltype(&espeak_ListVoices) listVoices = find<decltype(listVoices)>("espeak_ListVoices");
    decltype(&espeak_ng_Initialize) initialize = find<decltype(initialize)>("espeak_ng_Initialize");
    decltype(&espeak_ng_InitializeOutput) initializeOutput =
        find<decltype(initializeOutput)>("espeak_ng_InitializeOutput");
    decltype(&espeak_ng_ClearErrorContext) clearErrorContext =
        find<decltype(clearErrorContext)>("espeak_ng_ClearErrorContext");
    decltype(&espeak_ng_GetStatusCodeMessage) statusCodeMessage =
        find<decltype(statusCodeMessage)>("espeak_ng_GetStatusCodeMessage");
    decltype(&espeak_SetSynthCallback) setSynthCallback =
        find<decltype(setSynthCallback)>("espeak_SetSynthCallback");
    decltype(&espeak_ng_GetSampleRate) sampleRate =
        find<decltype(sampleRate)>("espeak_ng_GetSampleRate");
    decltype(&espeak_ng_SetVoiceByProperties) setVoiceByProperties =
        find<decltype(setVoiceByProperties)>("espeak_ng_SetVoiceByProperties");
    decltype(&espeak_ng_SetParameter) setParameter =
        find<decltype(setParameter)>("espeak_ng_SetParameter");
    decltype(&espeak_ng_Synthesize) synthesize = find<decltype(synthesize)>("espeak_ng_Synthesize");
    decltype(&espeak_ng_Synchronize) synchronize =
        find<decltype(synchronize)>("espeak_ng_Synchronize");
};

// Loads the library and finds its functions; nothing, with the reason, when it cannot.
std::optional<Espeak> loadEspeak(QString *failure) {
    // Kept loaded to the end (the object is not unloaded when it goes): espeak-ng holds its
    // state in the library.
    static QLibrary library(QStringLiteral("espeak-ng"), 1);
    if (!library.load()) {
        qWarning("espeak-ng: %s", qPrintable(library.errorString()));
        *failure = QStringLiteral("knihovna espeak-ng není nainstalována");
        return std::nullopt;
    }
    std::optional<Espeak> espeak(std::in_place, library);
    if (!espeak->complete()) {
        qWarning("espeak-ng: the library lacks a function this program calls");
        *failure = QStringLiteral("knihovna espeak-ng je jiné verze");
        return std::nullopt;
    }
    return espeak;
}

int collectSamples(short *samples, int count, espeak_EVENT *events) {
    if (samples && count > 0 && events && events->user_data) {
        auto *out = static_cast<QByteArray *>(events->user_data);
        out->append(reinterpret_cast<const char *>(samples), qsizetype(count) * 2);
    }
    return 0;
}

class EspeakSynthesizer final : public SpeechSynthesizer {
public:
    QList<Voice> voices() const override {
        QList<Voice> list;
        QMutexLocker locker(&espeakLock());
        if (!loaded() || !m_failure.isEmpty())
            return list;
        const espeak_VOICE **all = m_espeak->listVoices(nullptr);
        for (; all && *all; ++all) {
            const espeak_VOICE *voice = *all;
            // Languages: a priority byte, then the language, ended by a zero byte.
            for (const char *p = voice->languages; p && *p; p += std::strlen(p + 1) + 2)
                list.append({QString::fromLatin1(p + 1), QString::fromUtf8(voice->name)});
        }
        return list;
    }

    Result<QByteArray> synthesize(const QString &text, const QString &language, int rate) override {
        if (!start()) {
            return Failure{QStringLiteral("Řeč nelze vytvořit: syntéza řeči se nespustila (%1).")
                               .arg(m_failure)};
        }
        const std::optional<Voice> voice = voiceFor(voices(), language);
        if (!voice) {
            return Failure{missingVoiceMessage(language)};
        }
        const QString voiceName = voice->language;
        QMutexLocker locker(&espeakLock());
        const QByteArray languageCode = voiceName.toLatin1();
        espeak_VOICE wanted{};
        wanted.languages = languageCode.constData();
        if (m_espeak->setVoiceByProperties(&wanted) != ENS_OK) {
            return Failure{missingVoiceMessage(language)};
        }
        m_espeak->setParameter(espeakRATE, std::clamp(rate, int(kSlowestRate), int(kFastestRate)),
                               0);
        const QByteArray utf8 = text.left(kLongestText).toUtf8();
        QByteArray samples;
        // espeakCHARS_UTF8 only: neither SSML nor phoneme codes in a dictionary's text.
        espeak_ng_STATUS status =
            m_espeak->synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                 espeakCHARS_UTF8, nullptr, &samples);
        if (status == ENS_OK)
            status = m_espeak->synchronize();
        if (status != ENS_OK) {
            return Failure{QStringLiteral("Řeč nelze vytvořit: %1.").arg(statusText(status))};
        }
        return wav::pcmFile(samples, quint32(m_sampleRate), 1, 16);
    }

private:
    // Loads the library once (under the lock); false when it cannot be loaded (m_failure
    // says why). The voices are listed from the data folder alone; the synthesis itself
    // (its phoneme data, about 2 MB) starts with the first text spoken.
    bool loaded() const {
        if (!std::exchange(m_loadTried, true)) {
            m_espeak = loadEspeak(&m_failure);
            if (m_espeak)
                m_espeak->initializePath(nullptr);
        }
        return m_espeak.has_value();
    }

    QString statusText(espeak_ng_STATUS status) const {
        char buffer[256] = {};
        m_espeak->statusCodeMessage(status, buffer, sizeof buffer);
        return QString::fromLocal8Bit(buffer);
    }

    // Starts the synthesis once; false when it cannot start (m_failure says why).
    bool start() {
        QMutexLocker locker(&espeakLock());
        if (!loaded())
            return false;
        if (std::exchange(m_started, true))
            return m_failure.isEmpty();
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = m_espeak->initialize(&context);
        if (status == ENS_OK)
            status = m_espeak->initializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        m_espeak->clearErrorContext(&context);
        if (status != ENS_OK) {
            m_failure = statusText(status);
            qWarning("espeak-ng: %s", qPrintable(m_failure));
            return false;
        }
        m_espeak->setSynthCallback(collectSamples);
        m_sampleRate = m_espeak->sampleRate();
        return true;
    }

    mutable bool m_loadTried = false;
    mutable std::optional<Espeak> m_espeak;
    mutable QString m_failure;
    bool m_started = false;
    int m_sampleRate = 22050;
};

} // namespace

std::unique_ptr<SpeechSynthesizer> makeSpeechSynthesizer() {
    return std::make_unique<EspeakSynthesizer>();
}
