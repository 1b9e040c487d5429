#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The school grade of a test result: "1" (best) to "5" (worst) from the success rate
// in percent and the four thresholds of the general settings.
namespace grade {

// Whole percentages needed for the grades 1 to 4, strictly decreasing.
struct Thresholds {
    int one = 80;
    int two = 60;
    int three = 50;
    int four = 30;
};

struct Grade {
    int value = 5; // 1 .. 5
    QString text;  // "1" .. "5"
    // 0x00BBGGRR: green for "1", red for "5"; nothing for the others, which keep the
    // label's normal text colour.
    std::optional<quint32> colour;
};

// A percentage exactly on a threshold earns that threshold's grade. A rate that is
// not a number earns "5".
Grade fromPercent(double percent, const Thresholds &thresholds);

inline constexpr quint32 kGreen = 0x008000;
inline constexpr quint32 kRed = 0x0000FF;

} // namespace grade
