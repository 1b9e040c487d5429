#pragma once

#include "dictionary/slovnik.h"

#include <QList>
#include <QString>

// The lines the print window builds from dictionary records.
namespace printlines {

struct Parts {
    bool cz = true;
    bool ang = true;
    bool vyslovnost = true;
    // At least two parts make a line.
    bool enough() const { return int(cz) + int(ang) + int(vyslovnost) >= 2; }
};

// A line: its text, and the pronunciation that ends it (shown and printed in the phonetic
// font; empty when the line has none).
struct Line {
    QString text;
    QString vyslovnost;
    QString whole() const { return text + vyslovnost; }
    bool operator==(const Line &) const = default;
};

// One line per record: the chosen parts in the order Czech, foreign, pronunciation,
// joined by " - ".
QList<Line> lines(const Tpole &records, const Parts &parts);

} // namespace printlines
