#pragma once

#include "core/textfile.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

// The statistics: one row per recorded test, kept in memory for the whole run, read
// from the statistics file at start; at exit the rows recorded in the run are added to
// what the file then holds.
namespace statisticsfile {

constexpr int kColumns = 8;
inline const QString kFileName = QStringLiteral("statistiky.dat");
// The fixed formats of the date and time columns; they read back as written.
inline const QString kDateFormat = QStringLiteral("d.M.yyyy");
inline const QString kTimeFormat = QStringLiteral("H:mm:ss");
inline const QString kExtension = QStringLiteral(".slv");

// The headings of the eight columns.
const QStringList &headings();

// One row of the table. A row read from the file keeps its line, and its cells are
// pieces of that line: a file of 100,000 rows costs one string per row, not nine.
class Row {
public:
    Row() = default;
    // A line of the statistics file: column 0 is field 0 without its last four
    // characters, columns 1 to 7 are fields 1 to 7; missing fields are empty, further
    // fields are kept only in the line.
    static Row fromLine(QString line);
    // A recorded test.
    static Row fromCells(const std::array<QString, kColumns> &cells);

    QStringView cell(int column) const {
        const Piece &p = m_pieces[std::size_t(column)];
        return QStringView(m_text).mid(p.start, p.length);
    }
    // Column 0 empty: the row counts as no row.
    bool isEmpty() const { return m_pieces[0].length == 0; }
    // The line this row was read from; a loaded row is written back as it was read, so
    // nothing the loader could not take apart is lost.
    bool isLoaded() const { return m_loaded; }
    const QString &line() const { return m_text; }

private:
    // Of a million rows each byte counts: a line is shorter than 4 GB (the file is).
    struct Piece {
        quint32 start = 0;
        quint32 length = 0;
    };
    QString m_text; // the line, or the recorded cells one after another
    std::array<Piece, kColumns> m_pieces{};
    bool m_loaded = false;
};

// The dictionary's name as the statistics keep it: the file name after the last "/"
// or "\" without its last four characters (".slv"); empty when four or fewer remain.
QString dictionaryName(const QString &path);

// The success rate in whole percent, without rounding: 2 of 3 gives 66.
int successRate(int correct, int wrong);

class Table {
public:
    // No statistics yet: one empty data row.
    Table();

    // Replaces the rows by the lines of a statistics file. A line gives one row: column
    // 0 is field 0 without its last four characters, columns 1 to 7 are fields 1 to 7;
    // missing fields stay empty, further fields are kept only in the line. No lines at
    // all leave one empty data row.
    void load(QStringList lines);

    // Records one test. Nothing is recorded when both counts are 0. The first result
    // fills the empty data row; later ones are appended. False when nothing was recorded.
    bool record(const QString &dictionaryPath, int correct, int wrong, const QString &done,
                const QString &kind, const QDateTime &when);

    // Takes back the row recorded last, when it is the table's last row and was recorded in
    // this run (a table left without rows keeps its one empty row). False otherwise.
    bool withdrawLast();

    int rowCount() const { return int(m_rows.size()); } // data rows, from 0
    const Row &row(int index) const { return m_rows[index]; }
    QString cell(int row, int column) const;

    // The lines of the statistics file: every row that is not empty, in order, as
    // name + ".slv" and the other seven columns joined by ";"; a loaded row as it was
    // read. A loaded line whose name the loader cannot use is written back too; only
    // lines with no text at all are dropped.
    QStringList fileLines() const;
    // The lines of the rows recorded in this run (not read from the file), in order.
    QStringList recordedLines() const;

private:
    QList<Row> m_rows;
};

// The lines of the statistics file at `path`: none when there is no file; the error
// when the file is there but cannot be read.
Result<QStringList> readStatisticsFile(const QString &path);

// Writes the statistics at the end of a run. The file is read again and keeps every
// non-empty line it holds now, also those another running program added since the
// start; the lines `recorded` in this run follow. Nothing is written when there is no
// line at all. `written` gets the lines the file holds after a write (empty when
// nothing was written). Fails with a Czech message naming the file when it cannot be
// read or written; the file is then as it was.
Result<void> writeStatisticsFile(const QString &path, const QStringList &recorded,
                                 QStringList *written);

// The distinct non-empty names of column 0, in row order.
QStringList dictionaryNames(const Table &table);
// The distinct dates (column 1) of a dictionary's rows, in row order.
QStringList datesOf(const Table &table, const QString &name);
// A date text in the fixed format; nothing when it is not a valid date.
std::optional<QDate> parseDate(const QString &text);

// The chart of one dictionary's results.
enum class Quantity { SuccessRate = 0, Correct = 1, Wrong = 2 };

struct Bar {
    QString label; // the row's date text
    int value = 0;
};

struct Chart {
    QList<Bar> bars;
    bool hasAxis = false; // at least one row of the dictionary exists
    int axisMax = 0;
    int step = 0;
    QString title; // two lines joined by "\n"
    // Part of the chart, not a failure: the Czech message of a cell or period end that
    // does not convert, where the bars stop; the bars before it stay and are drawn.
    QString stoppedBy;
};

// Bars for the rows of `name` whose date lies between `from` and `to` (date texts)
// inclusive, in row order. The axis runs to 102 in steps of 10 for the success rate,
// otherwise to the largest value of all rows of the dictionary (whatever their dates)
// plus 2 in steps of 2.
Chart chart(const Table &table, const QString &name, Quantity quantity, const QString &from,
            const QString &to);

} // namespace statisticsfile

// A row may be moved in memory as bytes (its text is a QString).
Q_DECLARE_TYPEINFO(statisticsfile::Row, Q_RELOCATABLE_TYPE);
