// Speech synthesis on Linux: espeak-ng's library, synthesising into memory.
#include "platform/speech.h"

#include "core/wav.h"

#include <QMutex>

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// espeak-ng keeps one global state: every call goes through this lock.
QMutex &espeakLock() {
    static QMutex lock;
    return lock;
}

QString languageKey(const QString &language) {
    return language.trimmed().toLower().replace(u'_', u'-');
}

bool sameLanguage(const QString &a, const QString &b) {
    const QString x = languageKey(a);
    const QString y = languageKey(b);
    return x == y || x.startsWith(y + u'-') || y.startsWith(x + u'-');
}

int collectSamples(short *samples, int count, espeak_EVENT *events) {
    if (samples && count > 0 && events && events->user_data) {
        auto *out = static_cast<QByteArray *>(events->user_data);
        out->append(reinterpret_cast<const char *>(samples), qsizetype(count) * 2);
    }
    return 0;
}

QString statusText(espeak_ng_STATUS status) {
    char buffer[256] = {};
    espeak_ng_GetStatusCodeMessage(status, buffer, sizeof buffer);
    return QString::fromLocal8Bit(buffer);
}

class EspeakSynthesizer final : public SpeechSynthesizer {
public:
    EspeakSynthesizer() {
        // The voices are listed from the data folder alone; the synthesis itself (its
        // phoneme data, about 2 MB) starts with the first text spoken.
        QMutexLocker locker(&espeakLock());
        espeak_ng_InitializePath(nullptr);
    }

    QList<Voice> voices() const override {
        QList<Voice> list;
        if (!m_failure.isEmpty())
            return list;
        QMutexLocker locker(&espeakLock());
        const espeak_VOICE **all = espeak_ListVoices(nullptr);
        for (; all && *all; ++all) {
            const espeak_VOICE *voice = *all;
            // Languages: a priority byte, then the language, ended by a zero byte.
            for (const char *p = voice->languages; p && *p; p += std::strlen(p + 1) + 2)
                list.append({QString::fromLatin1(p + 1), QString::fromUtf8(voice->name)});
        }
        return list;
    }

    std::optional<QByteArray> synthesize(const QString &text, const QString &language, int rate,
                                         QString *error) override {
        if (!start()) {
            *error = QStringLiteral("Řeč nelze vytvořit: syntéza řeči se nespustila (%1).")
                         .arg(m_failure);
            return std::nullopt;
        }
        QString voiceName;
        for (const Voice &voice : voices()) {
            if (languageKey(voice.language) == languageKey(language)) {
                voiceName = voice.language;
                break;
            }
            if (voiceName.isEmpty() && sameLanguage(voice.language, language))
                voiceName = voice.language;
        }
        if (voiceName.isEmpty()) {
            *error = missingVoiceMessage(language);
            return std::nullopt;
        }
        QMutexLocker locker(&espeakLock());
        const QByteArray languageCode = voiceName.toLatin1();
        espeak_VOICE wanted{};
        wanted.languages = languageCode.constData();
        if (espeak_ng_SetVoiceByProperties(&wanted) != ENS_OK) {
            *error = missingVoiceMessage(language);
            return std::nullopt;
        }
        espeak_ng_SetParameter(espeakRATE, std::clamp(rate, int(kSlowestRate), int(kFastestRate)),
                               0);
        const QByteArray utf8 = text.left(kLongestText).toUtf8();
        QByteArray samples;
        // espeakCHARS_UTF8 only: neither SSML nor phoneme codes in a dictionary's text.
        espeak_ng_STATUS status =
            espeak_ng_Synthesize(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                 espeakCHARS_UTF8, nullptr, &samples);
        if (status == ENS_OK)
            status = espeak_ng_Synchronize();
        if (status != ENS_OK) {
            *error = QStringLiteral("Řeč nelze vytvořit: %1.").arg(statusText(status));
            return std::nullopt;
        }
        return wav::pcmFile(samples, quint32(m_sampleRate), 1, 16);
    }

private:
    // Starts the synthesis once; false when it cannot start (m_failure says why).
    bool start() {
        QMutexLocker locker(&espeakLock());
        if (std::exchange(m_started, true))
            return m_failure.isEmpty();
        espeak_ng_ERROR_CONTEXT context = nullptr;
        espeak_ng_STATUS status = espeak_ng_Initialize(&context);
        if (status == ENS_OK)
            status = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
        espeak_ng_ClearErrorContext(&context);
        if (status != ENS_OK) {
            m_failure = statusText(status);
            qWarning("espeak-ng: %s", qPrintable(m_failure));
            return false;
        }
        espeak_SetSynthCallback(collectSamples);
        m_sampleRate = espeak_ng_GetSampleRate();
        return true;
    }

    bool m_started = false;
    QString m_failure;
    int m_sampleRate = 22050;
};

} // namespace

bool SpeechSynthesizer::hasVoice(const QString &language) const {
    const QList<Voice> all = voices();
    return std::any_of(all.cbegin(), all.cend(),
                       [&](const Voice &voice) { return sameLanguage(voice.language, language); });
}

QString missingVoiceMessage(const QString &language) {
    return QStringLiteral("Pro jazyk „%1“ není nainstalován žádný hlas, výraz nelze vyslovit.")
        .arg(language);
}

std::unique_ptr<SpeechSynthesizer> makeSpeechSynthesizer() {
    return std::make_unique<EspeakSynthesizer>();
}
