#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

// Speaking an expression that has no recording: speech synthesis into a WAV file in
// memory, in the format of the recordings (PCM, 16-bit, mono), so that the program plays
// it through its SoundPlayer like any recording and can save it as one.
//
// Linux: espeak-ng's library (platform/espeakspeech.cpp). Windows: the system's voices
// through SAPI 5, ISpVoice speaking into a stream in memory (platform/sapispeech.cpp).
// Nothing above this interface knows which one runs.
struct Voice {
    QString language; // "en", "en-gb", "cs", ...
    QString name;     // as the synthesizer calls it
    friend bool operator==(const Voice &, const Voice &) = default;
};

class SpeechSynthesizer {
public:
    // Words per minute: the usual pace and the range a setting may choose from.
    static constexpr int kNormalRate = 175;
    static constexpr int kSlowestRate = 80;
    static constexpr int kFastestRate = 450;
    // The longest text spoken; a longer one is cut (an expression is far shorter).
    static constexpr qsizetype kLongestText = 1000;

    virtual ~SpeechSynthesizer() = default;
    // Every voice there is, one per language it speaks.
    virtual QList<Voice> voices() const = 0;
    // Whether a voice speaks the language ("en" also finds "en-gb" and the reverse).
    bool hasVoice(const QString &language) const;
    // The text spoken by the language's voice at `rate` words per minute (kept within
    // kSlowestRate .. kFastestRate) as the bytes of a WAV file; a Czech message when there
    // is no such voice or the synthesis fails. The text is only spoken: no markup or
    // phoneme code in it is obeyed.
    virtual Result<QByteArray> synthesize(const QString &text, const QString &language,
                                          int rate) = 0;
};

// Whether two language codes name the same language: "en" matches "en-gb" and the
// reverse, case and "_" or "-" do not matter.
bool sameLanguage(const QString &a, const QString &b);
// The voice for a language: the one of exactly that language, else the first of the
// same language; nothing when there is none.
std::optional<Voice> voiceFor(const QList<Voice> &voices, const QString &language);

// The Czech message for a language without a voice.
QString missingVoiceMessage(const QString &language);

std::unique_ptr<SpeechSynthesizer> makeSpeechSynthesizer();
