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

int fromText(const QString &text, int index) {
    const Range &range = kRanges[std::size_t(index)];
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (!ok)
        return range.minimum;
    return std::clamp(value, range.minimum, range.maximum);
}

} // namespace thresholds
