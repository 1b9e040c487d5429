#include "tips/tipysoubor.h"

#include "core/fields.h"
#include "core/textfile.h"

#include <QFileInfo>

namespace tipsfile {

Ttip parseTips(QStringView text) {
    Ttip tips;
    for (const QString &line : textfile::splitLines(text)) {
        if (line.isEmpty())
            continue;
        const trozdelenenac fields = rozreteznac(line, u';');
        Ttipy1 tip;
        tip.numberText = fields.value(0);
        bool whole = false;
        const int number = tip.numberText.toInt(&whole);
        tip.number = whole ? number : 0;
        tip.firstText = fields.value(1);
        tip.secondText = fields.value(2);
        tips.append(tip);
    }
    return tips;
}

QStringList tipLines(const Ttip &tips) {
    QStringList lines;
    lines.reserve(tips.size());
    for (qsizetype i = 0; i < tips.size(); ++i)
        lines.append(QString::number(i + 1) + u';' + tips[i].firstText + u';' + tips[i].secondText);
    return lines;
}

QString paneText(const Ttipy1 &tip) {
    return QStringLiteral("\n") + tip.firstText + QStringLiteral("\n\n\n") + tip.secondText;
}

QString fieldText(QString text) {
    text.replace(u';', u',');
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

Result<Ttip> readTipsFile(const QString &path) {
    // A tips file is a few kilobytes; a larger one is not a tips file.
    const Result<QString> text = textfile::readText(path, 1 << 20);
    if (!text)
        return Failure{text.error()};
    return parseTips(*text);
}

Result<void> writeTipsFile(const QString &path, const Ttip &tips) {
    return textfile::saveLines(path, tipLines(tips));
}

} // namespace tipsfile
