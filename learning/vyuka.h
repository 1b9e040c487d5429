#pragma once

#include <QString>
#include <QStringView>

// Rules of the learning window that need no window.
namespace lesson {

// The meanings of a field (cut at "+") joined by " ; " for display. Every meaning is
// shown, however many there are; an empty field shows an empty text.
QString meaningsText(QStringView field);

// Milliseconds to the next automatic step: the configured seconds plus the whole
// seconds of the expression's sound (0 without a sound).
int stepInterval(int configuredSeconds, double soundSeconds);

} // namespace lesson
