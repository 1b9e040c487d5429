#pragma once

#include "core/textfile.h"

#include <QString>
#include <QStringList>

// Turning two parallel word lists into dictionary lines.
namespace conversion {

// The dictionary line of one pair: Czech ; foreign ; "[]" ; "NENÍ". A ";" inside an
// expression would cut the line into other fields when the dictionary is read back,
// so it becomes "+", as the editor does with a ";" typed into an expression.
QString pairLine(const QString &czech, const QString &foreign);

// One line per Czech line, paired by position: a Czech line without a foreign line of
// the same position gets an empty foreign expression; foreign lines beyond the last
// Czech line are left out. Empty lines are paired like any other.
QStringList pairWordLists(const QStringList &czech, const QStringList &foreign);

// A word list larger than this is refused with a message rather than read.
constexpr qint64 kWordListLimit = qint64(256) << 20;

// The lines of a word list, or the Czech reason it cannot be read.
Result<QStringList> readWordListFile(const QString &path);

// Saves the paired dictionary lines.
Result<void> writePairedFile(const QString &path, const QStringList &lines);

} // namespace conversion
