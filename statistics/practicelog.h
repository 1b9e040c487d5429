#pragma once

#include "core/result.h"
#include "statistics/statistiky.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QMap>
#include <QString>

// How much the learner practised on each day: the answers of the tests, the expressions of
// the learning sessions and the answers of the reviews. Kept in a small file of its own
// beside the statistics (the statistics rows hold tests and reviews only when the settings
// ask for them, and no learning):
//
//   VOKAB-DNY 1
//   2026-12-09 <tab> tests <tab> learning <tab> reviews
//
// UTF-8 (ASCII), CR LF, one line per day in order.
namespace practice {

inline const QString kFileName = QStringLiteral("cviceni.dat");

enum class Kind { Test, Learning, Review };

struct Day {
    int tests = 0;
    int learning = 0;
    int reviews = 0;
    int total() const { return tests + learning + reviews; }
    int &of(Kind kind) {
        return kind == Kind::Test ? tests : kind == Kind::Learning ? learning : reviews;
    }
    int of(Kind kind) const {
        return kind == Kind::Test ? tests : kind == Kind::Learning ? learning : reviews;
    }
    friend bool operator==(const Day &, const Day &) = default;
};

using Days = QMap<QDate, Day>;

// What a practice file may hold; a file beyond them is refused.
struct Limits {
    qint64 fileBytes = qint64(4) << 20;
    int lines = 40'000; // a hundred years of days
};

// Reads a practice file's bytes (untrusted: never throws; refuses what is not ours or
// passes the limits; a day written twice adds up). An empty file holds no days. The
// refusal is Czech.
Result<Days> parse(QByteArrayView bytes, const Limits &limits = {});
QByteArray bytes(const Days &days);
// The same for the file at `path`: no days when there is none; the Czech message names
// the file.
Result<Days> readFile(const QString &path, const Limits &limits = {});

void add(Days &days, QDate day, Kind kind, int count = 1);
// Adds every day of `more` to `days`.
void add(Days &days, const Days &more);

// The days with any practice in a row: the current series (up to today, or up to
// yesterday while today has none yet) and the longest ever.
struct Streaks {
    int current = 0;
    int longest = 0;
    friend bool operator==(const Streaks &, const Streaks &) = default;
};
Streaks streaks(const Days &days, QDate today);

// Everything practised in the `count` days up to today.
int totalOfLastDays(const Days &days, QDate today, int count);

// The days the calendar shows: the practice file's, and before its first day the rows of
// the statistics (the answers of tests and reviews recorded then).
Days withStatistics(const Days &days, const statisticsfile::Table &table);

} // namespace practice
