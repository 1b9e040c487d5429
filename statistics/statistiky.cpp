#include "statistics/statistiky.h"

#include "dictionary/slovnik.h"

#include <QSet>

#include <algorithm>
#include <climits>

namespace statistiky {

const QStringList &headings() {
    static const QStringList titles{
        QStringLiteral("Název slovníku"), QStringLiteral("Datum"),  QStringLiteral("Čas"),
        QStringLiteral("Správně"),        QStringLiteral("Špatně"), QStringLiteral("Úspěšnost[%]"),
        QStringLiteral("Dokončeno"),      QStringLiteral("Způsob")};
    return titles;
}

namespace {

QString withoutExtension(const QString &fileName) {
    return fileName.size() <= 4 ? QString() : fileName.left(fileName.size() - 4);
}

} // namespace

QString dictionaryName(const QString &path) {
    const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return withoutExtension(path.mid(slash + 1));
}

int successRate(int correct, int wrong) {
    const qint64 total = qint64(correct) + wrong;
    if (total <= 0)
        return 0;
    return int(qint64(correct) * 100 / total);
}

Table::Table() : m_rows(1) {}

void Table::load(const QStringList &lines) {
    m_rows.clear();
    for (const QString &line : lines) {
        const trozdelenenac fields = rozreteznac(line, u';');
        Row row;
        row.cells[0] = withoutExtension(fields.value(0));
        for (int c = 1; c < kColumns; ++c)
            row.cells[std::size_t(c)] = fields.value(c);
        row.line = line;
        m_rows.append(row);
    }
    if (m_rows.isEmpty())
        m_rows.append(Row{});
}

bool Table::record(const QString &dictionaryPath, int correct, int wrong, const QString &done,
                   const QString &kind, const QDateTime &when) {
    if (correct == 0 && wrong == 0)
        return false;
    // The empty row of a table without statistics takes the first result; a row read
    // from the file is never overwritten, whatever it holds.
    if (m_rows.isEmpty() || !m_rows.last().isEmpty() || m_rows.last().line)
        m_rows.append(Row{});
    Row &row = m_rows.last();
    row.line.reset();
    row.cells = {dictionaryName(dictionaryPath),
                 when.date().toString(kDateFormat),
                 when.time().toString(kTimeFormat),
                 QString::number(correct),
                 QString::number(wrong),
                 QString::number(successRate(correct, wrong)),
                 done,
                 kind};
    return true;
}

QString Table::cell(int row, int column) const {
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= kColumns)
        return {};
    return m_rows[row].cells[std::size_t(column)];
}

QStringList Table::fileLines() const {
    QStringList lines;
    for (const Row &row : m_rows) {
        if (row.line) {
            if (!row.line->isEmpty())
                lines.append(*row.line);
            continue;
        }
        if (row.isEmpty())
            continue;
        QStringList fields(row.cells.begin(), row.cells.end());
        fields[0] += kExtension;
        lines.append(fields.join(u';'));
    }
    return lines;
}

QStringList dictionaryNames(const Table &table) {
    QStringList names;
    QSet<QString> seen;
    for (int r = 0; r < table.rowCount(); ++r) {
        const QString &name = table.row(r).cells[0];
        if (!name.isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            names.append(name);
        }
    }
    return names;
}

QStringList datesOf(const Table &table, const QString &name) {
    QStringList dates;
    QSet<QString> seen;
    for (int r = 0; r < table.rowCount(); ++r) {
        const Row &row = table.row(r);
        if (row.cells[0] == name && !seen.contains(row.cells[1])) {
            seen.insert(row.cells[1]);
            dates.append(row.cells[1]);
        }
    }
    return dates;
}

std::optional<QDate> parseDate(const QString &text) {
    const QDate date = QDate::fromString(text.trimmed(), kDateFormat);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

namespace {

QString notADate(const QString &text) {
    return QStringLiteral("„%1“ není platné datum.").arg(text);
}

QString notANumber(const QString &text) {
    return QStringLiteral("„%1“ není platné celé číslo.").arg(text);
}

std::optional<int> parseNumber(const QString &text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

} // namespace

Chart chart(const Table &table, const QString &name, Quantity quantity, const QString &from,
            const QString &to) {
    static const QString lines[] = {QStringLiteral("Úspěšnost zkoušení v %"),
                                    QStringLiteral("Porovnání počtu správných výrazů"),
                                    QStringLiteral("Porovnání počtu špatných výrazů")};
    const int column = quantity == Quantity::SuccessRate ? 5
                       : quantity == Quantity::Correct   ? 3
                                                         : 4;
    Chart result;

    int largest = 0;
    for (int r = 0; r < table.rowCount(); ++r) {
        const Row &row = table.row(r);
        if (row.cells[0] != name)
            continue;
        result.hasAxis = true;
        // A cell that does not convert is reported where its bar is drawn.
        if (const std::optional<int> value = parseNumber(row.cells[std::size_t(column)]))
            largest = std::max(largest, *value);
    }
    if (result.hasAxis) {
        result.title = QStringLiteral("Vokab slovník: ") + name + u'\n' + lines[int(quantity)];
        if (quantity == Quantity::SuccessRate) {
            result.axisMax = 102;
            result.step = 10;
        } else {
            // A count near the largest integer keeps the axis at that integer.
            result.axisMax = largest > INT_MAX - 2 ? INT_MAX : largest + 2;
            result.step = 2;
        }
    }

    const std::optional<QDate> first = parseDate(from);
    if (!first) {
        result.error = notADate(from);
        return result;
    }
    const std::optional<QDate> last = parseDate(to);
    if (!last) {
        result.error = notADate(to);
        return result;
    }
    for (int r = 0; r < table.rowCount(); ++r) {
        const Row &row = table.row(r);
        if (row.cells[0] != name)
            continue;
        const std::optional<QDate> date = parseDate(row.cells[1]);
        if (!date) {
            result.error = notADate(row.cells[1]);
            return result;
        }
        if (*date < *first || *date > *last)
            continue;
        const QString &text = row.cells[std::size_t(column)];
        const std::optional<int> value = parseNumber(text);
        if (!value) {
            result.error = notANumber(text);
            return result;
        }
        result.bars.append({row.cells[1], *value});
    }
    return result;
}

} // namespace statistiky
