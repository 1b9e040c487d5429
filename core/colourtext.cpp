#include "core/colourtext.h"

namespace colourtext {

namespace {

struct NamedColour {
    const char *name;
    quint32 value;
};

constexpr NamedColour kNamed[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080},     {"clGreen", 0x008000},
    {"clOlive", 0x008080}, {"clNavy", 0x800000},       {"clPurple", 0x800080},
    {"clTeal", 0x808000},  {"clGray", 0x808080},       {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},   {"clLime", 0x00FF00},       {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF},    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF}, {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
};

constexpr quint32 kLargestColour = 0x00FFFFFF;

} // namespace

QString toText(quint32 colour) {
    for (const NamedColour &named : kNamed) {
        if (named.value == colour)
            return QString::fromLatin1(named.name);
    }
    return u'$' + QStringLiteral("%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<quint32> fromText(const QString &text) {
    for (const NamedColour &named : kNamed) {
        if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    }
    if (text.size() < 2 || text.size() > 9 || text.front() != u'$')
        return std::nullopt;
    quint32 value = 0;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const char16_t ch = text.at(i).unicode();
        quint32 digit = 0;
        if (ch >= u'0' && ch <= u'9')
            digit = ch - u'0';
        else if (ch >= u'a' && ch <= u'f')
            digit = ch - u'a' + 10;
        else if (ch >= u'A' && ch <= u'F')
            digit = ch - u'A' + 10;
        else
            return std::nullopt;
        value = value * 16 + digit;
    }
    if (value > kLargestColour)
        return std::nullopt;
    return value;
}

} // namespace colourtext
