#pragma once

#include "core/textfile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// A tip of the day, as the tips file holds it: "number;first text;second text".
struct Ttipy1 {
    int number = 0;     // the number, 0 when the first field is not a whole number
    QString numberText; // the number as written
    QString firstText;  // shown on the second line of the tip pane
    QString secondText; // shown on the fifth line of the tip pane
    friend bool operator==(const Ttipy1 &, const Ttipy1 &) = default;
};

using Ttip = QList<Ttipy1>;

namespace tipsfile {

// Every non-empty line is a tip; missing fields read as empty text and fields after
// the third are ignored. A first field that is not a whole number keeps the tip with
// the number 0 (tips are numbered afresh when they are saved).
Ttip parseTips(QStringView text);

// The lines to save: the tips numbered 1, 2, 3 ... in list order, "N;first;second".
// Reading these lines gives the same tips.
QStringList tipLines(const Ttip &tips);

// The tips of the file at `path`: none when it holds only empty lines. It fails with the
// Czech reason when there is no file or it cannot be read.
Result<Ttip> readTipsFile(const QString &path);

// Saves the tips, numbered as tipLines() numbers them.
Result<void> writeTipsFile(const QString &path, const Ttip &tips);

// The five lines of the tip pane: an empty line, the first text, two empty lines, the
// second text.
QString paneText(const Ttipy1 &tip);

// A text as a tip field can hold it: ";" (the field separator) becomes "," and line
// breaks become blanks.
QString fieldText(QString text);

} // namespace tipsfile
