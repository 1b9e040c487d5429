#pragma once

#include "core/colourtext.h"

#include <QColor>

// Colours: the windows use QColor; the settings and the logic keep 0x00BBGGRR values (red
// in the lowest byte, core/colourtext.h), turned into Qt colours here and back.
inline QColor colourFromBgr(quint32 value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline quint32 bgrFromColour(const QColor &colour) {
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

inline const QColor kGreen = colourFromBgr(colourtext::kGreen);
inline const QColor kRed = colourFromBgr(colourtext::kRed);
