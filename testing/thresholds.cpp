#include "testing/thresholds.h"

#include <algorithm>

namespace thresholds {

namespace {

Repair clampedRepair(int index, int value) {
    const Range &range = kRanges[std::size_t(index)];
    return {index, std::clamp(value, range.minimum, range.maximum)};
}

} // namespace

std::optional<Repair> nextRepair(const std::array<int, 4> &v) {
    if (v[1] >= v[0])
        return clampedRepair(1, v[0] - 1);
    if (v[2] >= v[0] || v[2] >= v[1])
        return clampedRepair(2, v[1] - 1);
    if (v[3] >= v[0] || v[3] >= v[1] || v[3] >= v[2])
        return clampedRepair(3, v[2] - 1);
    return std::nullopt;
}

std::array<int, 4> repaired(std::array<int, 4> values) {
    // Each repair lowers a field to one below the field above it; with the ranges
    // above, at most a handful of rounds are ever needed. The bound only guards
    // against values outside the ranges.
    for (int round = 0; round < 16; ++round) {
        const std::optional<Repair> repair = nextRepair(values);
        if (!repair || values[std::size_t(repair->index)] == repair->value)
            break;
        values[std::size_t(repair->index)] = repair->value;
    }
    return values;
}

int fromText(const QString &text, int index) {
    const Range &range = kRanges[std::size_t(index)];
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return range.minimum;
    return std::clamp(value, range.minimum, range.maximum);
}

} // namespace thresholds
