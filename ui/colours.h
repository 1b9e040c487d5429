#pragma once

#include <QColor>

// Colours of the settings and the grade (0x00BBGGRR values: red in the lowest byte)
// as Qt colours, and back.
inline QColor colourFromBgr(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 bgrFromColour(const QColor &colour) {
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}
