#pragma once

#include "core/colourtext.h"
#include "testing/thresholds.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// The school grade of a test result: "1" (best) to "5" (worst) from the success rate
// in percent and the four thresholds of the general settings.
namespace grade {

// Whole percentages needed for the grades 1 to 4, strictly decreasing.
struct Thresholds {
    int one = thresholds::kDefaults[0];
    int two = thresholds::kDefaults[1];
    int three = thresholds::kDefaults[2];
    int four = thresholds::kDefaults[3];
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

inline constexpr quint32 kGreen = colourtext::kGreen;
inline constexpr quint32 kRed = colourtext::kRed;

} // namespace grade
