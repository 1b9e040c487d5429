#include "statistics/statistiky.h"

#include "dictionary/slovnik.h"

#include <QFile>
#include <QSet>

#include <algorithm>
#include <climits>

namespace statisticsfile {

const QStringList &headings() {
    static const QStringList titles{
        QStringLiteral("Název slovníku"), QStringLiteral("Datum"),  QStringLiteral("Čas"),
        QStringLiteral("Správně"),        QStringLiteral("Špatně"), QStringLiteral("Úspěšnost[%]"),
        QStringLiteral("Dokončeno"),      QStringLiteral("Způsob")};
    return titles;
}

Result<QStringList> readStatisticsFile(const QString &path) {
    if (!QFile::exists(path))
        return QStringList();
    return textfile::readLines(path);
}

Result<void> writeStatisticsFile(const QString &path, const QStringList &recorded,
                                 QStringList *written) {
    written->clear();
    const Result<QStringList> read = readStatisticsFile(path);
    if (!read)
        return Failure{read.error()};
    QStringList lines;
    for (const QString &line : *read) {
        if (!line.isEmpty())
            lines.append(line);
    }
    lines += recorded;
    if (lines.isEmpty())
        return {};
    Result<void> saved = textfile::saveLines(path, lines);
    if (saved)
        *written = std::move(lines);
    return saved;
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

Row Row::fromLine(QString line) {
    Row row;
    row.m_text = std::move(line);
    row.m_loaded = true;
    const QStringView text(row.m_text);
    const qsizetype size = text.size();
    qsizetype start = 0;
    for (int c = 0; c < kColumns && start <= size; ++c) {
        // Cells are short: a plain walk finds their ends sooner than a search would.
        qsizetype end = start;
        while (end < size && text[end] != u';')
            ++end;
        row.m_pieces[std::size_t(c)] = {quint32(start), quint32(end - start)};
        start = end + 1;
    }
    // Column 0 is the file name without ".slv" (without its last four characters).
    Piece &name = row.m_pieces[0];
    name.length = name.length <= 4 ? 0 : name.length - 4;
    return row;
}

Row Row::fromCells(const std::array<QString, kColumns> &cells) {
    Row row;
    for (int c = 0; c < kColumns; ++c) {
        row.m_pieces[std::size_t(c)] = {quint32(row.m_text.size()),
                                        quint32(cells[std::size_t(c)].size())};
        row.m_text += cells[std::size_t(c)];
    }
    return row;
}

Table::Table() : m_rows(1) {}

void Table::load(QStringList lines) {
    m_rows.clear();
    m_rows.reserve(lines.size());
    // Each line becomes its row's text as it is, without a copy.
    for (QString &line : lines)
        m_rows.append(Row::fromLine(std::move(line)));
    if (m_rows.isEmpty())
        m_rows.append(Row{});
}

bool Table::record(const QString &dictionaryPath, int correct, int wrong, const QString &done,
                   const QString &kind, const QDateTime &when) {
    if (correct == 0 && wrong == 0)
        return false;
    // The empty row of a table without statistics takes the first result; a row read
    // from the file is never overwritten, whatever it holds.
    if (m_rows.isEmpty() || !m_rows.last().isEmpty() || m_rows.last().isLoaded())
        m_rows.append(Row{});
    m_rows.last() = Row::fromCells(
        {dictionaryName(dictionaryPath), when.date().toString(kDateFormat),
         when.time().toString(kTimeFormat), QString::number(correct), QString::number(wrong),
         QString::number(successRate(correct, wrong)), done, kind});
    return true;
}

bool Table::withdrawLast() {
    if (m_rows.isEmpty() || m_rows.last().isLoaded() || m_rows.last().isEmpty())
        return false;
    if (m_rows.size() == 1)
        m_rows.last() = Row{};
    else
        m_rows.removeLast();
    return true;
}

QString Table::cell(int row, int column) const {
    if (row < 0 || row >= m_rows.size() || column < 0 || column >= kColumns)
        return {};
    return m_rows[row].cell(column).toString();
}

namespace {

// The line of a row recorded in this run: the name with ".slv" and the other columns.
QString recordedLine(const Row &row) {
    QString line = row.cell(0).toString() + kExtension;
    for (int c = 1; c < kColumns; ++c) {
        line += u';';
        line += row.cell(c);
    }
    return line;
}

} // namespace

QStringList Table::fileLines() const {
    QStringList lines;
    for (const Row &row : m_rows) {
        if (row.isLoaded()) {
            if (!row.line().isEmpty())
                lines.append(row.line());
        } else if (!row.isEmpty()) {
            lines.append(recordedLine(row));
        }
    }
    return lines;
}

QStringList Table::recordedLines() const {
    QStringList lines;
    for (const Row &row : m_rows) {
        if (!row.isLoaded() && !row.isEmpty())
            lines.append(recordedLine(row));
    }
    return lines;
}

QStringList dictionaryNames(const Table &table) {
    QStringList names;
    QSet<QStringView> seen;
    for (int r = 0; r < table.rowCount(); ++r) {
        const QStringView name = table.row(r).cell(0);
        if (!name.isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            names.append(name.toString());
        }
    }
    return names;
}

QStringList datesOf(const Table &table, const QString &name) {
    QStringList dates;
    QSet<QStringView> seen;
    for (int r = 0; r < table.rowCount(); ++r) {
        const Row &row = table.row(r);
        if (row.cell(0) == name && !seen.contains(row.cell(1))) {
            seen.insert(row.cell(1));
            dates.append(row.cell(1).toString());
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

QString notANumber(QStringView text) {
    return QStringLiteral("„%1“ není platné celé číslo.").arg(text);
}

std::optional<int> parseNumber(QStringView text) {
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
        if (row.cell(0) != name)
            continue;
        result.hasAxis = true;
        // A cell that does not convert is reported where its bar is drawn.
        if (const std::optional<int> value = parseNumber(row.cell(column)))
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
        result.stoppedBy = notADate(from);
        return result;
    }
    const std::optional<QDate> last = parseDate(to);
    if (!last) {
        result.stoppedBy = notADate(to);
        return result;
    }
    for (int r = 0; r < table.rowCount(); ++r) {
        const Row &row = table.row(r);
        if (row.cell(0) != name)
            continue;
        const QString dateText = row.cell(1).toString();
        const std::optional<QDate> date = parseDate(dateText);
        if (!date) {
            result.stoppedBy = notADate(dateText);
            return result;
        }
        if (*date < *first || *date > *last)
            continue;
        const QStringView text = row.cell(column);
        const std::optional<int> value = parseNumber(text);
        if (!value) {
            result.stoppedBy = notANumber(text);
            return result;
        }
        result.bars.append({dateText, *value});
    }
    return result;
}

} // namespace statisticsfile
