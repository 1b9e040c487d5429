#include "exchange/textencoding.h"

#include "core/win1250.h"

#include <QStringDecoder>

#include <uchardet/uchardet.h>

#include <array>
#include <memory>

namespace exchange {
namespace {

// ISO 8859-2 from 0xA0 to 0xBF, where it differs from Windows-1250; below 0xA0 it is
// ASCII and the C1 control characters, from 0xC0 on it equals Windows-1250.
constexpr std::array<char16_t, 32> kLatin2A0 = {
    0x00A0, 0x0104, 0x02D8, 0x0141, 0x00A4, 0x013D, 0x015A, 0x00A7, 0x00A8, 0x0160, 0x015E,
    0x0164, 0x0179, 0x00AD, 0x017D, 0x017B, 0x00B0, 0x0105, 0x02DB, 0x0142, 0x00B4, 0x013E,
    0x015B, 0x02C7, 0x00B8, 0x0161, 0x015F, 0x0165, 0x017A, 0x02DD, 0x017E, 0x017C,
};

const QString kNoTextMessage = QStringLiteral("soubor obsahuje nulové bajty, není to text");

// Whether every surrogate of the text is one half of a pair (UTF-16 decoding lets a
// lone one through).
bool surrogatesPaired(QStringView text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}

bool hasC1Bytes(QByteArrayView bytes) {
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F)
            return true;
    }
    return false;
}

std::optional<Encoding> encodingFromBom(QByteArrayView bytes, qsizetype *bomSize) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        *bomSize = 3;
        return Encoding::Utf8;
    }
    if (bytes.startsWith("\xFF\xFE")) {
        *bomSize = 2;
        return Encoding::Utf16LittleEndian;
    }
    if (bytes.startsWith("\xFE\xFF")) {
        *bomSize = 2;
        return Encoding::Utf16BigEndian;
    }
    *bomSize = 0;
    return std::nullopt;
}

// What uchardet makes of the bytes, when it is one of the two single-byte code pages.
std::optional<Encoding> detectedCodePage(QByteArrayView bytes) {
    const std::unique_ptr<uchardet, decltype(&uchardet_delete)> detector(uchardet_new(),
                                                                         &uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), bytes.data(), size_t(bytes.size())) != 0)
        return std::nullopt;
    uchardet_data_end(detector.get());
    const QByteArray charset = QByteArray(uchardet_get_charset(detector.get())).toUpper();
    if (charset == "WINDOWS-1250")
        return Encoding::Windows1250;
    if (charset == "ISO-8859-2")
        return Encoding::Iso8859_2;
    return std::nullopt;
}

} // namespace

QString encodingName(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Utf16LittleEndian:
    case Encoding::Utf16BigEndian:
        return QStringLiteral("UTF-16");
    case Encoding::Windows1250:
        return QStringLiteral("Windows-1250");
    case Encoding::Iso8859_2:
        return QStringLiteral("ISO 8859-2");
    }
    return {};
}

QString decodeIso8859_2(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0xA0)
            *out++ = QChar(b);
        else if (b < 0xC0)
            *out++ = QChar(kLatin2A0[b - 0xA0]);
        else
            *out++ = win1250::decode(QByteArrayView(&c, 1)).at(0);
    }
    return text;
}

Result<DecodedText> decodeTextAs(QByteArrayView bytes, Encoding encoding) {
    DecodedText result;
    result.encoding = encoding;
    qsizetype bomSize = 0;
    const std::optional<Encoding> bom = encodingFromBom(bytes, &bomSize);
    if (bom == encoding) {
        result.byteOrderMark = true;
        bytes = bytes.sliced(bomSize);
    }
    const bool utf16 =
        encoding == Encoding::Utf16LittleEndian || encoding == Encoding::Utf16BigEndian;
    if (!utf16 && bytes.contains('\0'))
        return Failure{kNoTextMessage};
    switch (encoding) {
    case Encoding::Utf8:
    case Encoding::Utf16LittleEndian:
    case Encoding::Utf16BigEndian: {
        const auto kind = encoding == Encoding::Utf8                ? QStringDecoder::Utf8
                          : encoding == Encoding::Utf16LittleEndian ? QStringDecoder::Utf16LE
                                                                    : QStringDecoder::Utf16BE;
        QStringDecoder decoder(kind, QStringDecoder::Flag::Stateless);
        QString text = decoder.decode(bytes);
        if (decoder.hasError() || (utf16 && bytes.size() % 2 != 0) || !surrogatesPaired(text))
            return Failure{QStringLiteral("soubor není v kódování %1").arg(encodingName(encoding))};
        if (utf16 && text.contains(QChar(0)))
            return Failure{kNoTextMessage};
        result.text = std::move(text);
        break;
    }
    case Encoding::Windows1250:
        result.text = win1250::decode(bytes);
        break;
    case Encoding::Iso8859_2:
        result.text = decodeIso8859_2(bytes);
        break;
    }
    return result;
}

Result<DecodedText> decodeText(QByteArrayView bytes) {
    qsizetype bomSize = 0;
    if (const std::optional<Encoding> bom = encodingFromBom(bytes, &bomSize))
        return decodeTextAs(bytes, *bom);
    if (bytes.contains('\0'))
        return Failure{kNoTextMessage};
    Result<DecodedText> utf8 = decodeTextAs(bytes, Encoding::Utf8);
    if (utf8)
        return utf8;
    std::optional<Encoding> codePage = detectedCodePage(bytes);
    if (!codePage || hasC1Bytes(bytes))
        codePage = Encoding::Windows1250;
    return decodeTextAs(bytes, *codePage);
}

} // namespace exchange
