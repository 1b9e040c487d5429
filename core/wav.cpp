#include "core/wav.h"

#include <QFile>
#include <QtEndian>

#include <cmath>

namespace wav {

namespace {

bool has(QByteArrayView bytes, qsizetype offset, qsizetype size) {
    return offset >= 0 && size >= 0 && offset <= bytes.size() && size <= bytes.size() - offset;
}

std::optional<quint32> u32(QByteArrayView bytes, qsizetype offset) {
    if (!has(bytes, offset, 4))
        return std::nullopt;
    return qFromLittleEndian<quint32>(bytes.data() + offset);
}

std::optional<quint16> u16(QByteArrayView bytes, qsizetype offset) {
    if (!has(bytes, offset, 2))
        return std::nullopt;
    return qFromLittleEndian<quint16>(bytes.data() + offset);
}

bool tagAt(QByteArrayView bytes, qsizetype offset, const char (&tag)[5]) {
    return has(bytes, offset, 4) && bytes.sliced(offset, 4) == QByteArrayView(tag, 4);
}

void put32(QByteArray &out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray &out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

} // namespace

std::optional<HeaderFacts> readHeader(QByteArrayView bytes) {
    if (!tagAt(bytes, 0, "RIFF") || !tagAt(bytes, 8, "WAVE") || !tagAt(bytes, 12, "fmt "))
        return std::nullopt;
    const auto riffSize = u32(bytes, 4);
    const auto channels = u16(bytes, 22);
    const auto rate = u32(bytes, 24);
    const auto perSecond = u32(bytes, 28);
    const auto fmtSize = u32(bytes, 16);
    if (!riffSize || !channels || !rate || !perSecond || !fmtSize)
        return std::nullopt;
    if (*channels != 1 && *channels != 2)
        return std::nullopt;
    HeaderFacts facts;
    facts.channels = *channels;
    facts.sampleRate = *rate;
    facts.bytesPerSecond = *perSecond;
    facts.fileSize = quint64(*riffSize) + 8;
    quint64 headerSize = 0;
    if (tagAt(bytes, 36, "data")) {
        facts.sampleCount = 0;
        headerSize = 44;
    } else {
        if (quint64(*fmtSize) + 32 > quint64(bytes.size()))
            return std::nullopt;
        const auto count = u32(bytes, qsizetype(*fmtSize) + 28);
        if (!count)
            return std::nullopt;
        facts.sampleCount = *count;
        headerSize = quint64(*fmtSize) + 40;
    }
    facts.headerSize = quint32(std::min(headerSize, facts.fileSize));
    return facts;
}

std::optional<HeaderFacts> readHeaderOfFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Enough for any header whose sample count lies in the first chunks.
    return readHeader(file.read(64 * 1024));
}

double lengthSeconds(const HeaderFacts &facts) {
    if (facts.sampleCount == 0 && facts.bytesPerSecond != 0)
        return double(facts.fileSize - facts.headerSize) / facts.bytesPerSecond;
    if (facts.sampleCount > 0 && facts.sampleRate != 0)
        return double(facts.sampleCount) / facts.sampleRate;
    return 0.0;
}

QString lengthText(double seconds, QChar decimalSeparator) {
    const qint64 tenths = std::llround(seconds * 10.0);
    const qint64 whole = tenths / 10;
    QString text = whole == 0 ? QString() : QString::number(whole);
    text.append(decimalSeparator);
    text.append(QChar(u'0' + int(tenths % 10)));
    return text;
}

QString substituteName(const QString &path) {
    QString result = path;
    for (QChar &c : result) {
        if (c == u'?')
            c = u'1';
        else if (c == u'!')
            c = u'2';
        else if (c == u'*')
            c = u'3';
    }
    return result;
}

QString recordingPath(const QString &tempFolder, const QString &expression) {
    QString name = expression;
    name.replace(u'/', u'_');
    name.replace(u'\\', u'_');
    return tempFolder + substituteName(name + QStringLiteral(".wav"));
}

std::optional<Audio> readAudio(QByteArrayView file) {
    if (!tagAt(file, 0, "RIFF") || !tagAt(file, 8, "WAVE"))
        return std::nullopt;
    Audio audio;
    bool haveFormat = false;
    qsizetype offset = 12;
    while (has(file, offset, 8)) {
        const quint32 size = *u32(file, offset + 4);
        const qsizetype body = offset + 8;
        if (tagAt(file, offset, "fmt ")) {
            const auto tag = u16(file, body);
            const auto channels = u16(file, body + 2);
            const auto rate = u32(file, body + 4);
            const auto bits = u16(file, body + 14);
            if (size < 16 || !tag || !channels || !rate || !bits)
                return std::nullopt;
            audio.format = *tag;
            if (audio.format == 0xFFFE) { // extensible: the sub-format's first two bytes
                const auto sub = u16(file, body + 24);
                if (!sub || size < 26)
                    return std::nullopt;
                audio.format = *sub;
            }
            audio.channels = *channels;
            audio.sampleRate = *rate;
            audio.bitsPerSample = *bits;
            haveFormat = true;
        } else if (tagAt(file, offset, "data")) {
            if (!haveFormat)
                return std::nullopt;
            audio.dataOffset = body;
            audio.dataSize = qsizetype(std::min<qint64>(qint64(size), file.size() - body));
            const bool pcm =
                audio.format == 1 && (audio.bitsPerSample == 8 || audio.bitsPerSample == 16 ||
                                      audio.bitsPerSample == 32);
            const bool floating = audio.format == 3 && audio.bitsPerSample == 32;
            if ((!pcm && !floating) || audio.channels == 0 || audio.sampleRate == 0)
                return std::nullopt;
            return audio;
        }
        // Chunks are padded to an even size.
        const qint64 next = qint64(body) + qint64(size) + (size & 1);
        if (next > file.size())
            break;
        offset = qsizetype(next);
    }
    return std::nullopt;
}

QByteArray pcmFile(QByteArrayView samples, quint32 sampleRate, quint16 channels,
                   quint16 bitsPerSample, bool floatingPoint) {
    const quint16 blockAlign = quint16(channels * (bitsPerSample / 8));
    QByteArray out;
    out.reserve(44 + samples.size());
    out.append("RIFF", 4);
    put32(out, quint32(36 + samples.size()));
    out.append("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, floatingPoint ? 3 : 1);
    put16(out, channels);
    put32(out, sampleRate);
    put32(out, sampleRate * blockAlign);
    put16(out, blockAlign);
    put16(out, bitsPerSample);
    out.append("data", 4);
    put32(out, quint32(samples.size()));
    out.append(samples.data(), samples.size());
    return out;
}

} // namespace wav
