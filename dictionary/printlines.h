#pragma once

#include "dictionary/slovnik.h"

#include <QStringList>

// The lines the print window builds from dictionary records.
namespace tisk {

struct Parts {
    bool cz = true;
    bool ang = true;
    bool vyslovnost = true;
    // At least two parts make a line.
    bool enough() const { return int(cz) + int(ang) + int(vyslovnost) >= 2; }
};

// One line per record: the chosen parts in the order Czech, foreign, pronunciation,
// joined by " - ".
QStringList lines(const Tpole &records, const Parts &parts);

} // namespace tisk
