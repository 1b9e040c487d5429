#include "platform/speech.h"

#include <algorithm>

namespace {

QString languageKey(const QString &language) {
    return language.trimmed().toLower().replace(u'_', u'-');
}

} // namespace

bool sameLanguage(const QString &a, const QString &b) {
    const QString x = languageKey(a);
    const QString y = languageKey(b);
    return x == y || x.startsWith(y + u'-') || y.startsWith(x + u'-');
}

std::optional<Voice> voiceFor(const QList<Voice> &voices, const QString &language) {
    std::optional<Voice> found;
    for (const Voice &voice : voices) {
        if (languageKey(voice.language) == languageKey(language))
            return voice;
        if (!found && sameLanguage(voice.language, language))
            found = voice;
    }
    return found;
}

bool SpeechSynthesizer::hasVoice(const QString &language) const {
    const QList<Voice> all = voices();
    return std::any_of(all.cbegin(), all.cend(),
                       [&](const Voice &voice) { return sameLanguage(voice.language, language); });
}

QString missingVoiceMessage(const QString &language) {
    return QStringLiteral("Pro jazyk „%1“ není nainstalován žádný hlas, výraz nelze vyslovit.")
        .arg(language);
}
