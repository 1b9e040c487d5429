#pragma once

#include "ui/generalsettings.h"

#include <QObject>
#include <QString>

#include <optional>

class QWidget;
struct Platform;

// What a window plays for an expression: its recording when the sound field names a file
// that exists, else, when the settings ask for it, the foreign text spoken by the speech
// synthesizer through the same player (so stopping and the audio device are the same).
// A missing voice or a failing audio device is told once each time the window is shown,
// not for every expression.
class ExpressionSound : public QObject {
public:
    ExpressionSound(QWidget *window, Platform &platform);

    // Whether the sound field ("NENÍ" or a path) names a file that exists.
    static bool hasRecording(const QString &soundField);
    // The text given to the voice for an expression: its meanings (joined by "+") one
    // after another, in lower case (a voice may spell a word in capitals out as an
    // abbreviation).
    static QString spokenText(const QString &expression);
    // Plays the recording or speaks the foreign text (its meanings joined by "+" spoken
    // one after another): the length in seconds of the sound started (0 when its file
    // tells none), nothing when nothing plays.
    std::optional<double> play(const QString &soundField, const QString &foreignText,
                               const SpeechSettings &settings);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report(const QString &error);

    Platform &m_platform;
    bool m_reported = false;
};
