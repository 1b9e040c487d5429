#include "dictionary/printlines.h"

namespace tisk {

QStringList lines(const Tpole &records, const Parts &parts) {
    QStringList result;
    result.reserve(records.size());
    for (const Tslovniky &record : records) {
        QStringList pieces;
        if (parts.cz)
            pieces.append(record.cz);
        if (parts.ang)
            pieces.append(record.ang);
        if (parts.vyslovnost)
            pieces.append(record.vyslovnost);
        result.append(pieces.join(QStringLiteral(" - ")));
    }
    return result;
}

} // namespace tisk
