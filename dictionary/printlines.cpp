#include "dictionary/printlines.h"

#include <QStringList>

namespace printlines {

QList<Line> lines(const Tpole &records, const Parts &parts) {
    const QString separator = QStringLiteral(" - ");
    QList<Line> result;
    result.reserve(records.size());
    for (const Tslovniky &record : records) {
        QStringList pieces;
        if (parts.cz)
            pieces.append(record.cz);
        if (parts.ang)
            pieces.append(record.ang);
        Line line{pieces.join(separator), {}};
        if (parts.vyslovnost) {
            line.text += separator;
            line.vyslovnost = record.vyslovnost;
        }
        result.append(line);
    }
    return result;
}

} // namespace printlines
