#include "dictionary/expressionsound.h"

#include "core/wav.h"
#include "dictionary/slovnik.h"
#include "platform/platform.h"

#include <QEvent>
#include <QFileInfo>
#include <QStringList>
#include <QWidget>

namespace {

double secondsOf(const QByteArray &wavBytes) {
    const std::optional<wav::HeaderFacts> facts = wav::readHeader(wavBytes);
    return facts ? wav::lengthSeconds(*facts) : 0.0;
}

} // namespace

ExpressionSound::ExpressionSound(QWidget *window, Platform &platform)
    : QObject(window), m_platform(platform) {
    window->installEventFilter(this);
}

bool ExpressionSound::hasRecording(const QString &soundField) {
    return soundField != dictionaryfile::kNoSound && !soundField.isEmpty() &&
           QFileInfo(soundField).isFile();
}

QString ExpressionSound::spokenText(const QString &expression) {
    QStringList parts = dictionaryfile::meanings(expression);
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", ")).toLower();
}

std::optional<double> ExpressionSound::play(const QString &soundField, const QString &foreignText,
                                            const SpeechSettings &settings) {
    if (hasRecording(soundField)) {
        m_platform.player->play(soundField);
        report(m_platform.player->lastError());
        const std::optional<wav::HeaderFacts> facts = wav::readHeaderOfFile(soundField);
        return facts ? wav::lengthSeconds(*facts) : 0.0;
    }
    const QString text = spokenText(foreignText);
    if (!settings.speakWithoutRecording || text.trimmed().isEmpty())
        return std::nullopt;
    const Result<QByteArray> speech =
        m_platform.speech->synthesize(text, settings.language, settings.rate);
    if (!speech) {
        report(speech.error());
        return std::nullopt;
    }
    m_platform.player->playBytes(*speech, foreignText);
    const QString failure = m_platform.player->lastError();
    report(failure);
    if (!failure.isEmpty())
        return std::nullopt;
    return secondsOf(*speech);
}

void ExpressionSound::report(const QString &error) {
    if (error.isEmpty() || m_reported)
        return;
    m_reported = true;
    m_platform.dialogs->error(error);
}

bool ExpressionSound::eventFilter(QObject *watched, QEvent *event) {
    // Each opening of the window may tell a failure once more.
    if (event->type() == QEvent::Show && !event->spontaneous())
        m_reported = false;
    return QObject::eventFilter(watched, event);
}
