#pragma once

#include "dictionary/slovnik.h"
#include "review/reviewfile.h"

#include <array>

// What a dictionary's review plan asks today, and what it will ask in the coming days.
// Expressions are the dictionary's records; two records with the same foreign and Czech
// text are one expression, counted and asked once (at the first of them).
namespace review {

struct StateCounts {
    int fresh = 0;    // "nové"
    int learning = 0; // "učí se"
    int known = 0;    // "umí"
    int dueToday = 0; // due today or before, whatever the state
    friend bool operator==(const StateCounts &, const StateCounts &) = default;
};
inline constexpr int kForecastDays = 30;

// What the review window shows at once, in one pass over the dictionary.
struct Overview {
    // The expressions to ask today, as indexes into the dictionary: first every due one,
    // the longest due first (file order among equals), then new ones in file order, as
    // many as the daily limit leaves after the new ones already started today.
    QList<qsizetype> queue;
    StateCounts counts;
    // How many expressions come due on each of the next kForecastDays days; the first day
    // (today) also holds every expression due before it.
    std::array<int, kForecastDays> forecast{};
    // For each entry of the plan whether the dictionary holds its expression.
    QList<bool> inDictionary; // one per Plan::entries()
    // Due ones left for the next days by the daily maximum (0: none).
    int postponed = 0;
    // The last day any expression of the dictionary was answered (invalid: never).
    QDate lastPractice;
};
// `maxReviews` (0: no limit): when more are due, the ones most forgotten by today (the
// lowest chance of recall) are asked first and the rest wait for the next days, as many
// a day as the limit leaves; the forecast shows them there. Their planned days do not
// change. Below the limit the due ones are asked in due order, as without one.
Overview overview(const Tpole &dictionary, const Plan &plan, QDate today, int newPerDay,
                  int maxReviews = 0);

} // namespace review
