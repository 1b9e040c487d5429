#include "review/duelist.h"

#include <algorithm>

namespace review {

Overview overview(const Tpole &dictionary, const Plan &plan, QDate today, int newPerDay) {
    Overview result;
    QList<std::pair<QDate, qsizetype>> due;
    QList<qsizetype> fresh;
    QSet<Key> seen;
    seen.reserve(dictionary.size());
    for (qsizetype i = 0; i < dictionary.size(); ++i) {
        Key key = keyOf(dictionary[i]);
        if (seen.contains(key))
            continue;
        const Memory memory = plan.memoryOf(key);
        seen.insert(std::move(key));
        StateCounts &counts = result.counts;
        switch (memory.state) {
        case State::New:
            ++counts.fresh;
            fresh.append(i);
            continue;
        case State::Learning:
            ++counts.learning;
            break;
        case State::Known:
            ++counts.known;
            break;
        }
        if (isDue(memory, today)) {
            ++counts.dueToday;
            due.append({memory.due, i});
        }
        const qint64 day = std::max(qint64(0), today.daysTo(memory.due));
        if (day < kForecastDays)
            ++result.forecast[size_t(day)];
    }
    std::stable_sort(due.begin(), due.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    qsizetype startedToday = 0;
    for (const Entry &entry : plan.entries())
        startedToday += entry.memory.firstReview == today ? 1 : 0;
    const qsizetype newOnes =
        std::clamp(qsizetype(newPerDay) - startedToday, qsizetype(0), fresh.size());
    result.queue.reserve(due.size() + newOnes);
    for (const auto &[day, index] : due)
        result.queue.append(index);
    result.queue.append(fresh.first(newOnes));
    result.keys = std::move(seen);
    return result;
}

QList<qsizetype> dueList(const Tpole &dictionary, const Plan &plan, QDate today, int newPerDay) {
    return overview(dictionary, plan, today, newPerDay).queue;
}

StateCounts stateCounts(const Tpole &dictionary, const Plan &plan, QDate today) {
    return overview(dictionary, plan, today, 0).counts;
}

std::array<int, kForecastDays> dueForecast(const Tpole &dictionary, const Plan &plan, QDate today) {
    return overview(dictionary, plan, today, 0).forecast;
}

} // namespace review
