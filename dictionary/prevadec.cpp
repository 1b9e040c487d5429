#include "dictionary/prevadec.h"

#include "dictionary/slovnik.h"

namespace conversion {

namespace {
QString expression(QString text) {
    return text.replace(u';', u'+');
}
} // namespace

QString pairLine(const QString &czech, const QString &foreign) {
    return expression(czech) + u';' + expression(foreign) + u';' +
           dictionaryfile::kNoPronunciation + u';' + dictionaryfile::kNoSound;
}

QStringList pairWordLists(const QStringList &czech, const QStringList &foreign) {
    QStringList lines;
    lines.reserve(czech.size());
    for (qsizetype i = 0; i < czech.size(); ++i)
        lines.append(pairLine(czech[i], i < foreign.size() ? foreign[i] : QString()));
    return lines;
}

Result<QStringList> readWordListFile(const QString &path) {
    return textfile::readLines(path, kWordListLimit);
}

Result<void> writePairedFile(const QString &path, const QStringList &lines) {
    return textfile::saveLines(path, lines);
}

} // namespace conversion
