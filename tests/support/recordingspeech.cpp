#include "support/recordingspeech.h"

#include "core/wav.h"

#include <QtEndian>

#include <cmath>

Result<QByteArray> RecordingSpeech::synthesize(const QString &text, const QString &language,
                                               int rate) {
    requests.append({text, language, rate});
    if (!hasVoice(language))
        return Failure{missingVoiceMessage(language)};
    // A tenth of a second of 440 Hz at 22,050 samples a second.
    QByteArray samples(2205 * 2, Qt::Uninitialized);
    for (int i = 0; i < 2205; ++i)
        qToLittleEndian(qint16(8000 * std::sin(2 * M_PI * 440 * i / 22050.0)),
                        samples.data() + 2 * i);
    return wav::pcmFile(samples, 22050, 1, 16);
}
