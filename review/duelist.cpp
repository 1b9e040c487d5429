#include "review/duelist.h"

#include <algorithm>
#include <future>
#include <vector>

namespace review {
namespace {

// Below this many expressions a second thread does not pay for itself.
constexpr qsizetype kSharedLookUpsFrom = 20'000;

// The plan's entry of each expression of the dictionary (-1: a new one). A large
// dictionary's look-ups are shared with a second thread (the plan is only read).
QList<qsizetype> entriesOf(const Tpole &dictionary, const Plan &plan) {
    QList<qsizetype> entries(dictionary.size());
    qsizetype *const entry = entries.data();
    const auto lookUp = [&dictionary, &plan, entry](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i)
            entry[i] = plan.indexOf(dictionary[i].ang, dictionary[i].cz);
    };
    const qsizetype half = dictionary.size() / 2;
    if (dictionary.size() < kSharedLookUpsFrom) {
        lookUp(0, dictionary.size());
        return entries;
    }
    std::future<void> secondHalf = std::async(std::launch::async, lookUp, half, dictionary.size());
    lookUp(0, half);
    secondHalf.get();
    return entries;
}

// The indexes of the due expressions, the earliest due day first and in file order
// among equals (`due` is in file order): a count per day, then each index in its place.
QList<qsizetype> inDueOrder(const QList<std::pair<QDate, qsizetype>> &due) {
    if (due.isEmpty())
        return {};
    qint64 first = due.first().first.toJulianDay(), last = first;
    for (const auto &[day, index] : due) {
        first = std::min(first, day.toJulianDay());
        last = std::max(last, day.toJulianDay());
    }
    std::vector<qsizetype> place(size_t(last - first + 2), 0);
    for (const auto &[day, index] : due)
        ++place[size_t(day.toJulianDay() - first + 1)];
    for (size_t d = 1; d < place.size(); ++d)
        place[d] += place[d - 1];
    QList<qsizetype> order(due.size());
    for (const auto &[day, index] : due)
        order[place[size_t(day.toJulianDay() - first)]++] = index;
    return order;
}

} // namespace

Overview overview(const Tpole &dictionary, const Plan &plan, QDate today, int newPerDay) {
    Overview result;
    QList<std::pair<QDate, qsizetype>> due;
    QList<qsizetype> fresh;
    // An expression the plan knows is found once by its entry; only new ones need a set
    // to be counted once.
    result.inDictionary.fill(false, plan.entries().size());
    QSet<Key> freshSeen;
    StateCounts &counts = result.counts;
    const QList<qsizetype> entries = entriesOf(dictionary, plan);
    for (qsizetype i = 0; i < dictionary.size(); ++i) {
        const qsizetype entry = entries[i];
        if (entry < 0) {
            Key key = keyOf(dictionary[i]);
            if (freshSeen.contains(key))
                continue;
            freshSeen.insert(std::move(key));
            ++counts.fresh;
            fresh.append(i);
            continue;
        }
        if (std::exchange(result.inDictionary[entry], true))
            continue;
        const Memory &memory = plan.entries()[entry].memory;
        if (memory.state == State::Learning)
            ++counts.learning;
        else
            ++counts.known;
        // Set aside: counted, never asked.
        if (plan.entries()[entry].suspended)
            continue;
        if (isDue(memory, today)) {
            ++counts.dueToday;
            due.append({memory.due, i});
        }
        const qint64 day = std::max(qint64(0), today.daysTo(memory.due));
        if (day < kForecastDays)
            ++result.forecast[size_t(day)];
    }
    // The longest due first, file order among equals: counted out by day, once for all the
    // due ones, instead of sorted.
    const QList<qsizetype> dueOrder = inDueOrder(due);
    qsizetype startedToday = 0;
    for (const Entry &entry : plan.entries())
        startedToday += entry.memory.firstReview == today ? 1 : 0;
    const qsizetype newOnes =
        std::clamp(qsizetype(newPerDay) - startedToday, qsizetype(0), fresh.size());
    result.queue.reserve(due.size() + newOnes);
    result.queue.append(dueOrder);
    result.queue.append(fresh.first(newOnes));
    return result;
}

} // namespace review
