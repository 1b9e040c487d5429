#include "core/escapes.h"

namespace escapes {

void append(QByteArray &out, const QString &text) {
    const QByteArray bytes = text.toUtf8();
    for (const char c : bytes) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
}

std::optional<QByteArray> undone(QByteArrayView field) {
    QByteArray result;
    result.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            result += field[i];
            continue;
        }
        if (++i == field.size())
            return std::nullopt;
        switch (field[i]) {
        case '\\':
            result += '\\';
            break;
        case 't':
            result += '\t';
            break;
        case 'r':
            result += '\r';
            break;
        case 'n':
            result += '\n';
            break;
        default:
            return std::nullopt;
        }
    }
    return result;
}

} // namespace escapes
