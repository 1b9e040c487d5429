#include "statistics/practicelog.h"

#include "core/textfile.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace practice {
namespace {

const QByteArray kHeader = "VOKAB-DNY 1";
constexpr int kMostPerDay = 1'000'000;

std::optional<int> countOf(QByteArrayView text) {
    if (text.isEmpty() || text.size() > 7 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = text.toInt();
    return value <= kMostPerDay ? std::optional(value) : std::nullopt;
}

void addDay(Days &days, QDate date, const Day &day) {
    Day &sum = days[date];
    sum.tests = std::min(kMostPerDay, sum.tests + day.tests);
    sum.learning = std::min(kMostPerDay, sum.learning + day.learning);
    sum.reviews = std::min(kMostPerDay, sum.reviews + day.reviews);
}

} // namespace

Result<Days> parse(QByteArrayView bytes, const Limits &limits) {
    if (bytes.size() > limits.fileBytes)
        return Failure{QStringLiteral("soubor je příliš velký")};
    Days days;
    int lines = 0;
    bool headerSeen = false;
    QString refusal;
    textfile::forEachLine(bytes, [&](QByteArrayView line) {
        if (!refusal.isEmpty())
            return;
        if (++lines > limits.lines) {
            refusal = QStringLiteral("soubor má příliš mnoho řádků");
            return;
        }
        if (!headerSeen) {
            headerSeen = true;
            if (line != kHeader)
                refusal = QStringLiteral("chybí záhlaví přehledu cvičení programu Vokab");
            return;
        }
        if (line.isEmpty())
            return;
        const QList<QByteArrayView> fields = [&] {
            QList<QByteArrayView> parts;
            qsizetype start = 0;
            for (qsizetype tab = line.indexOf('\t'); parts.size() < 5;
                 tab = line.indexOf('\t', start)) {
                parts.append(line.sliced(start, (tab < 0 ? line.size() : tab) - start));
                if (tab < 0)
                    break;
                start = tab + 1;
            }
            return parts;
        }();
        const QDate date = fields.size() == 4 && fields[0].size() == 10
                               ? QDate::fromString(QString::fromLatin1(fields[0]), Qt::ISODate)
                               : QDate();
        const auto tests = fields.size() == 4 ? countOf(fields[1]) : std::nullopt;
        const auto learning = fields.size() == 4 ? countOf(fields[2]) : std::nullopt;
        const auto reviews = fields.size() == 4 ? countOf(fields[3]) : std::nullopt;
        if (!date.isValid() || date.year() < 1990 || date.year() > 2200 || !tests || !learning ||
            !reviews) {
            refusal = QStringLiteral("řádek %1 není den přehledu cvičení").arg(lines);
            return;
        }
        addDay(days, date, {*tests, *learning, *reviews});
    });
    if (!refusal.isEmpty())
        return Failure{refusal};
    return days;
}

Result<Days> readFile(const QString &path, const Limits &limits) {
    if (!QFileInfo::exists(path))
        return Days();
    const Result<QByteArray> raw = textfile::readBytes(path, limits.fileBytes);
    Result<Days> read = raw ? parse(*raw, limits) : Result<Days>(Failure{raw.error()});
    if (!read)
        return Failure{QStringLiteral("Přehled cvičení „%1“ nelze načíst: %2")
                           .arg(QDir::toNativeSeparators(path), read.error())};
    return read;
}

QByteArray bytes(const Days &days) {
    QByteArray out = kHeader + "\r\n";
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        out += it.key().toString(Qt::ISODate).toLatin1() + '\t' + QByteArray::number(it->tests) +
               '\t' + QByteArray::number(it->learning) + '\t' + QByteArray::number(it->reviews) +
               "\r\n";
    }
    return out;
}

void add(Days &days, QDate day, Kind kind, int count) {
    Day added;
    added.of(kind) = count;
    addDay(days, day, added);
}

void add(Days &days, const Days &more) {
    for (auto it = more.cbegin(); it != more.cend(); ++it)
        addDay(days, it.key(), *it);
}

Streaks streaks(const Days &days, QDate today) {
    Streaks result;
    int run = 0;
    QDate previous;
    for (auto it = days.cbegin(); it != days.cend(); ++it) {
        if (it->total() == 0 || it.key() > today)
            continue;
        run = previous.isValid() && previous.daysTo(it.key()) == 1 ? run + 1 : 1;
        previous = it.key();
        result.longest = std::max(result.longest, run);
    }
    // The series goes on while today or yesterday has practice.
    if (previous.isValid() && previous.daysTo(today) <= 1)
        result.current = run;
    return result;
}

int totalOfLastDays(const Days &days, QDate today, int count) {
    int total = 0;
    for (auto it = days.lowerBound(today.addDays(1 - count));
         it != days.cend() && it.key() <= today; ++it)
        total += it->total();
    return total;
}

Days withStatistics(const Days &days, const statisticsfile::Table &table) {
    Days result = days;
    const QDate first = days.isEmpty() ? QDate() : days.firstKey();
    for (int i = 0; i < table.rowCount(); ++i) {
        const std::optional<QDate> date = statisticsfile::parseDate(table.cell(i, 1));
        if (!date || (first.isValid() && *date >= first))
            continue;
        const int answers =
            std::max(0, table.cell(i, 3).toInt()) + std::max(0, table.cell(i, 4).toInt());
        add(result, *date,
            table.cell(i, 7) == QStringLiteral("Opakování") ? Kind::Review : Kind::Test,
            std::min(answers, kMostPerDay));
    }
    return result;
}

} // namespace practice
