#include "review/duelist.h"

#include <algorithm>

namespace review {
namespace {

// Calls `visit(index, memory)` once for every expression of the dictionary, at its
// first record.
template <typename Visit>
void forEachExpression(const Tpole &dictionary, const Plan &plan, Visit &&visit) {
    QSet<Key> seen;
    seen.reserve(dictionary.size());
    for (qsizetype i = 0; i < dictionary.size(); ++i) {
        Key key = keyOf(dictionary[i]);
        if (seen.contains(key))
            continue;
        const Memory memory = plan.memoryOf(key);
        seen.insert(std::move(key));
        visit(i, memory);
    }
}

} // namespace

QList<qsizetype> dueList(const Tpole &dictionary, const Plan &plan, QDate today, int newPerDay) {
    QList<std::pair<QDate, qsizetype>> due;
    QList<qsizetype> fresh;
    forEachExpression(dictionary, plan, [&](qsizetype index, const Memory &memory) {
        if (memory.state == State::New)
            fresh.append(index);
        else if (isDue(memory, today))
            due.append({memory.due, index});
    });
    std::stable_sort(due.begin(), due.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    qsizetype startedToday = 0;
    for (const Entry &entry : plan.entries())
        startedToday += entry.memory.firstReview == today ? 1 : 0;
    const qsizetype newOnes =
        std::clamp(qsizetype(newPerDay) - startedToday, qsizetype(0), fresh.size());
    QList<qsizetype> list;
    list.reserve(due.size() + newOnes);
    for (const auto &[day, index] : due)
        list.append(index);
    list.append(fresh.first(newOnes));
    return list;
}

StateCounts stateCounts(const Tpole &dictionary, const Plan &plan, QDate today) {
    StateCounts counts;
    forEachExpression(dictionary, plan, [&](qsizetype, const Memory &memory) {
        switch (memory.state) {
        case State::New:
            ++counts.fresh;
            break;
        case State::Learning:
            ++counts.learning;
            break;
        case State::Known:
            ++counts.known;
            break;
        }
        counts.dueToday += isDue(memory, today) ? 1 : 0;
    });
    return counts;
}

std::array<int, kForecastDays> dueForecast(const Tpole &dictionary, const Plan &plan, QDate today) {
    std::array<int, kForecastDays> days{};
    forEachExpression(dictionary, plan, [&](qsizetype, const Memory &memory) {
        if (memory.state == State::New)
            return;
        const qint64 day = std::max(qint64(0), today.daysTo(memory.due));
        if (day < kForecastDays)
            ++days[day];
    });
    return days;
}

} // namespace review
