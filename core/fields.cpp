#include "core/fields.h"

trozdelenenac rozreteznac(QStringView text, QChar separator) {
    // The list is made as long as it will be at once: growing it piece by piece cost more
    // than the pieces themselves for a million lines.
    qsizetype separators = 0;
    for (const QChar c : text)
        separators += c == separator ? 1 : 0;
    trozdelenenac pieces;
    pieces.reserve(separators + 1);
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == separator) {
            pieces.append(text.mid(start, i - start).toString());
            start = i + 1;
        }
    }
    pieces.append(text.mid(start).toString());
    return pieces;
}
