#include "exchange/delimited.h"

#include <QHash>

#include <algorithm>
#include <array>

namespace exchange {
namespace {

constexpr std::array<char16_t, 3> kDelimiters{u'\t', u';', u','};
constexpr qsizetype kRowsToDetect = 50;

// Cuts the text into rows; `row` is called for each row that holds something and
// returns false to stop. Returns the line where a quote stayed open (0: none).
template <typename RowFunction>
qsizetype forEachRow(QStringView text, QChar delimiter, qsizetype fieldChars, qsizetype *longField,
                     RowFunction &&row) {
    Row fields;
    QString field;
    bool quoted = false;    // inside quotes
    bool wasQuoted = false; // the field started with a quote
    bool any = false;       // a field of the row holds a character
    qsizetype line = 1;
    qsizetype quoteLine = 0;
    const qsizetype n = text.size();
    const auto endField = [&] {
        if (field.size() > fieldChars && *longField == 0)
            *longField = line;
        fields.append(field);
        field.clear();
        wasQuoted = false;
    };
    const auto endRow = [&] {
        endField();
        bool go = true;
        if (any)
            go = row(fields, line);
        fields.clear();
        any = false;
        return go;
    };
    // A character of a field: the row holds something, even when the field is only an
    // escaped quote; a field beyond the limit keeps no more of them.
    const auto take = [&](QChar c) {
        any = true;
        if (field.size() <= fieldChars)
            field.append(c);
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    take(u'"');
                    ++i;
                } else {
                    quoted = false;
                }
                continue;
            }
            if (c == u'\n' || (c == u'\r' && !(i + 1 < n && text[i + 1] == u'\n')))
                ++line;
            take(c);
            continue;
        }
        if (c == u'"' && field.isEmpty() && !wasQuoted) {
            quoted = wasQuoted = true;
            quoteLine = line;
            continue;
        }
        if (c == delimiter) {
            endField();
            continue;
        }
        if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            if (!endRow())
                return 0;
            ++line;
            continue;
        }
        take(c);
    }
    if (quoted)
        return quoteLine;
    if (!field.isEmpty() || !fields.isEmpty() || any)
        endRow();
    return 0;
}

} // namespace

QChar detectDelimiter(QStringView text) {
    QChar best = u'\t';
    qsizetype bestScore = 0;
    for (const char16_t candidate : kDelimiters) {
        QHash<qsizetype, qsizetype> rowsWithFields;
        qsizetype rows = 0;
        qsizetype longField = 0;
        forEachRow(text, QChar(candidate), 4096, &longField, [&](const Row &row, qsizetype) {
            if (row.size() > 1)
                ++rowsWithFields[row.size()];
            return ++rows < kRowsToDetect;
        });
        qsizetype score = 0;
        for (const qsizetype count : std::as_const(rowsWithFields))
            score = std::max(score, count);
        if (score > bestScore) {
            bestScore = score;
            best = QChar(candidate);
        }
    }
    return best;
}

Result<Table> parseDelimited(QStringView text, QChar delimiter, const TableLimits &limits) {
    Table table;
    QString error;
    qsizetype longField = 0;
    const qsizetype open = forEachRow(
        text, delimiter, limits.fieldChars, &longField, [&](const Row &row, qsizetype line) {
            if (longField != 0) {
                error = QStringLiteral("pole na řádku %1 je delší než %2 znaků")
                            .arg(longField)
                            .arg(limits.fieldChars);
                return false;
            }
            if (row.size() > limits.columns) {
                error =
                    QStringLiteral("řádek %1 má více než %2 sloupců").arg(line).arg(limits.columns);
                return false;
            }
            if (table.size() == limits.rows) {
                error = QStringLiteral("soubor má více než %1 řádků").arg(limits.rows);
                return false;
            }
            table.append(row);
            return true;
        });
    if (error.isEmpty() && longField != 0)
        error = QStringLiteral("pole na řádku %1 je delší než %2 znaků")
                    .arg(longField)
                    .arg(limits.fieldChars);
    if (error.isEmpty() && open != 0)
        error = QStringLiteral("uvozovky otevřené na řádku %1 se už neuzavřou").arg(open);
    if (!error.isEmpty())
        return Failure{error};
    return table;
}

QString delimitedLine(const Row &row, QChar delimiter) {
    QStringList fields;
    fields.reserve(row.size());
    for (const QString &field : row) {
        const bool quote =
            field.contains(delimiter) || field.contains(u'"') || field.contains(u'\r') ||
            field.contains(u'\n') ||
            (!field.isEmpty() && (field.front().isSpace() || field.back().isSpace()));
        if (!quote) {
            fields.append(field);
            continue;
        }
        QString quoted = field;
        quoted.replace(u'"', QStringLiteral("\"\""));
        fields.append(u'"' + quoted + u'"');
    }
    return fields.join(delimiter);
}

QByteArray delimitedBytes(const Table &table, QChar delimiter) {
    QByteArray bytes;
    for (const Row &row : table)
        bytes += delimitedLine(row, delimiter).toUtf8() + "\r\n";
    return bytes;
}

qsizetype columnCount(const Table &table) {
    qsizetype columns = 0;
    for (const Row &row : table)
        columns = std::max(columns, row.size());
    return columns;
}

} // namespace exchange
