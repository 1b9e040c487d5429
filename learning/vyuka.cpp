#include "learning/vyuka.h"

#include "dictionary/slovnik.h"

#include <cmath>

namespace lesson {

QString meaningsText(QStringView field) {
    return dictionaryfile::meanings(field).join(QStringLiteral(" ; "));
}

int stepInterval(int configuredSeconds, double soundSeconds) {
    const double whole = soundSeconds > 0 ? std::floor(soundSeconds) : 0.0;
    // A damaged header can claim days of sound; the wait stays within a day.
    const double capped = std::min(whole, 86400.0);
    return (int(capped) + configuredSeconds) * 1000;
}

} // namespace lesson
