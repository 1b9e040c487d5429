#include "testing/grade.h"

namespace grade {

Grade fromPercent(double percent, const Thresholds &thresholds) {
    Grade result;
    if (percent >= thresholds.one)
        result.value = 1;
    else if (percent >= thresholds.two)
        result.value = 2;
    else if (percent >= thresholds.three)
        result.value = 3;
    else if (percent >= thresholds.four)
        result.value = 4;
    else
        result.value = 5;
    result.text = QString::number(result.value);
    if (result.value == 1)
        result.colour = kGreen;
    else if (result.value == 5)
        result.colour = kRed;
    return result;
}

} // namespace grade
