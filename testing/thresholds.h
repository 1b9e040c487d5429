#pragma once

#include <QString>

#include <array>
#include <optional>

// The four grade thresholds of the general settings (percent for the grades 1 to 4)
// kept strictly decreasing: 100 >= first > second > third > fourth >= 1.
namespace thresholds {

struct Range {
    int minimum;
    int maximum;
};

// The ranges of the four fields; they leave room for the strict order.
inline constexpr std::array<Range, 4> kRanges{{{4, 100}, {3, 99}, {2, 98}, {1, 97}}};
inline constexpr std::array<int, 4> kDefaults{80, 60, 50, 30};

// One repair: field `index` (0 .. 3) gets `value` (already clamped to its range).
struct Repair {
    int index;
    int value;
};

// The first check that fails, in order (second against first; third against the two
// above; fourth against the three above), and its repair: one below the field above.
// Nothing when the four are in order.
std::optional<Repair> nextRepair(const std::array<int, 4> &values);

// A threshold as stored: decimal digits; text that is not a whole number reads as the
// field's minimum, a number outside the range is clamped to it.
int fromText(const QString &text, int index);

} // namespace thresholds
