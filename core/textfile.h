#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <optional>
#include <type_traits>

// Reading and writing whole files. Every file the program writes goes through
// saveFile(): the bytes go to a new temporary file beside the target, which replaces the
// target only when every byte was written and flushed to the disk, so a full disk, a
// read-only folder or a crash leaves the old file whole. A link is saved through to the
// file it points to, a file with several names keeps them, and a read-only file is
// refused.
namespace textfile {

// Every failure below is a Czech text naming the file.

// Reads a file of at most `limit` bytes; a larger file, a folder, a device or a pipe is
// refused, and never more than `limit` + 1 bytes are read.
Result<QByteArray> readBytes(const QString &path, qint64 limit = qint64(1) << 31);

// Whether a save waits until its bytes are on the disk. Only a copy of a file that is
// itself on the disk (a backup) is left to the system to write when it will: it is still
// written whole or not at all, but a power cut may take it.
enum class Flush { ToDisk, Later };
Result<void> saveFile(const QString &path, const QByteArray &bytes, Flush flush = Flush::ToDisk);

// The temporary files of saves of `path` that are there now (a save in progress, or
// one that was cut off and is removed by the next save).
QStringList temporariesOf(const QString &path);

// Encodes each line in Windows-1250 followed by CR LF and saves the whole file.
// A character that Windows-1250 cannot hold is reported and nothing is written.
Result<void> saveLines(const QString &path, const QStringList &lines);

// Encodes lines as saveLines() would, without writing.
Result<QByteArray> encodeLines(const QStringList &lines);

// Decoded Windows-1250 text of a file.
Result<QString> readText(const QString &path, qint64 limit = qint64(1) << 31);

// Calls `line` with every line of `text` (a QStringView or a QByteArrayView, whose
// line breaks are the same bytes), without its line break: CR LF, a lone CR and a lone
// LF each end a line; what follows the last line break is a last line only when it is
// not empty.
template <typename View, typename Function> void forEachLine(View text, Function &&line) {
    using Char = std::remove_cvref_t<decltype(text[0])>;
    const qsizetype n = text.size();
    // The next CR and the next LF, each looked for again only once passed.
    const auto next = [&](char c, qsizetype from) {
        const qsizetype found = text.indexOf(Char(c), from);
        return found < 0 ? n : found;
    };
    qsizetype start = 0;
    qsizetype cr = next('\r', 0);
    qsizetype lf = next('\n', 0);
    while (start < n) {
        const qsizetype end = std::min(cr, lf);
        if (end == n)
            break;
        line(text.sliced(start, end - start));
        start = end == cr && lf == end + 1 ? end + 2 : end + 1;
        if (cr < start)
            cr = next('\r', start);
        if (lf < start)
            lf = next('\n', start);
    }
    if (start < n)
        line(text.sliced(start));
}

// The non-empty lines of `bytes` counted against the limits of an untrusted file: their
// number and the first of them; it fails with a Czech reason (without the file's name)
// when a line is longer than `lineBytes` or there are more than `maxLines` of them.
struct LineCount {
    qsizetype count = 0;
    QByteArrayView first;
};
Result<LineCount> countLines(QByteArrayView bytes, qsizetype lineBytes, qsizetype maxLines);

// The file's lines, as forEachLine() finds them.
QStringList splitLines(QStringView text);

// The lines of a Windows-1250 text file of at most `limit` bytes.
Result<QStringList> readLines(const QString &path, qint64 limit = qint64(1) << 31);

} // namespace textfile
