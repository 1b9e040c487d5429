#pragma once

#include "platform/speech.h"

#include <QList>

// Speech for window tests: records what it was asked to speak and answers with a short
// tone as a WAV file, or the missing voice's message for a language not in `installed`.
class RecordingSpeech final : public SpeechSynthesizer {
public:
    struct Request {
        QString text;
        QString language;
        int rate = 0;
    };

    QList<Voice> installed{{QStringLiteral("en"), QStringLiteral("English")},
                           {QStringLiteral("cs"), QStringLiteral("Czech")}};
    QList<Request> requests;

    QList<Voice> voices() const override { return installed; }
    Result<QByteArray> synthesize(const QString &text, const QString &language, int rate) override;
};
