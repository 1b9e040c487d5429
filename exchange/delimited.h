#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Delimited text (.csv, .tsv, .txt) as spreadsheets and other trainers write it: fields
// cut by a tab, a semicolon or a comma; a field in double quotes may hold the delimiter,
// line breaks and doubled quotes (RFC 4180).
namespace exchange {

using Row = QStringList;
using Table = QList<Row>;

// What a delimited file may hold; a file beyond them is refused.
struct TableLimits {
    qint64 fileBytes = qint64(64) << 20;
    qsizetype rows = 2'000'000;
    qsizetype columns = 256;
    qsizetype fieldChars = 4096;
};

// The delimiter of the text: of tab, ";" and ",", the one that cuts most of the first
// rows into the same number (at least two) of fields, counted outside quotes; on a tie
// the earlier of that order. A tab when none cuts anything.
QChar detectDelimiter(QStringView text);

// The rows of the text. Line breaks are CR LF, LF or CR; a row whose fields are all
// empty (an empty line, nothing but delimiters or empty quotes) is no row. A quote inside an
// unquoted field is an ordinary character; text after a closing quote belongs to the same field.
// Refused (Czech, naming the line): a quoted field still open at the end of the text, and
// anything beyond the limits.
Result<Table> parseDelimited(QStringView text, QChar delimiter, const TableLimits &limits = {});

// How many columns the table has: as many as its widest row.
qsizetype columnCount(const Table &table);

// One line of delimited text (without its line break): a field holding the delimiter,
// a quote, a line break or a space at either end is quoted, its quotes doubled.
QString delimitedLine(const Row &row, QChar delimiter);

// The bytes of a file of rows: UTF-8 without a byte-order mark, CR LF after each row.
QByteArray delimitedBytes(const Table &table, QChar delimiter);

} // namespace exchange
