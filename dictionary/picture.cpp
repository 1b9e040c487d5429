#include "dictionary/picture.h"

#include "core/textfile.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>

namespace pictures {
namespace {

const QString kNoPicture =
    QStringLiteral("Soubor není obrázek ve formátu PNG, JPEG, WebP nebo GIF.");

// The reader's limit: a picture of 16384 × 16384 pixels, 4 bytes each.
constexpr int kAllocationMegabytes = 1024;

bool allowed(const QByteArray &format) {
    return format == "png" || format == "jpeg" || format == "jpg" || format == "webp" ||
           format == "gif";
}

QSize scaledToFit(QSize size, QSize box) {
    if (size.width() <= box.width() && size.height() <= box.height())
        return size;
    return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

Result<Encoded> encode(const QImage &image, const QByteArray &format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (format == "jpg")
        writer.setQuality(90);
    if (!writer.write(image))
        return Failure{QStringLiteral("Obrázek se nepodařilo převést.")};
    return Encoded{bytes, QString::fromLatin1(format)};
}

} // namespace

QStringList readableFormats() {
    QStringList formats;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        if (allowed(format))
            formats.append(QString::fromLatin1(format));
    return formats;
}

Result<Encoded> fromBytes(const QByteArray &bytes) {
    if (bytes.size() > kLargestFile)
        return Failure{QStringLiteral("Obrázek je příliš velký.")};
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kAllocationMegabytes);
    const QByteArray format = reader.format();
    if (!allowed(format))
        return Failure{kNoPicture};
    const QSize size = reader.size();
    const bool large =
        !size.isValid() || size.width() > kLongestSide || size.height() > kLongestSide;
    if (!large && format != "gif") {
        // Read once to know that it is whole; the file itself is kept.
        if (reader.read().isNull())
            return Failure{kNoPicture};
        return Encoded{bytes,
                       format == "jpeg" ? QStringLiteral("jpg") : QString::fromLatin1(format)};
    }
    if (size.isValid())
        reader.setScaledSize(scaledToFit(size, {kLongestSide, kLongestSide}));
    QImage image = reader.read();
    if (image.isNull())
        return Failure{kNoPicture};
    if (image.width() > kLongestSide || image.height() > kLongestSide)
        image =
            image.scaled(kLongestSide, kLongestSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // A photograph stays a JPEG; a drawing (and anything with transparency) becomes a PNG.
    return encode(image, format == "jpeg" && !image.hasAlphaChannel() ? "jpg" : "png");
}

Result<Encoded> fromFile(const QString &path) {
    const Result<QByteArray> bytes = textfile::readBytes(path, kLargestFile);
    if (!bytes)
        return Failure{bytes.error()};
    Result<Encoded> picture = fromBytes(*bytes);
    if (!picture)
        return Failure{
            QStringLiteral("„%1“: %2").arg(QDir::toNativeSeparators(path), picture.error())};
    return picture;
}

Result<Encoded> fromImage(const QImage &image) {
    if (image.isNull())
        return Failure{QStringLiteral("Ve schránce není obrázek.")};
    QImage scaled = image;
    if (image.width() > kLongestSide || image.height() > kLongestSide)
        scaled =
            image.scaled(kLongestSide, kLongestSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return encode(scaled, "png");
}

namespace {

QImage readFitted(QImageReader &reader, QSize box) {
    reader.setAllocationLimit(kAllocationMegabytes);
    if (!allowed(reader.format()))
        return {};
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(scaledToFit(size, box));
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > box.width() || image.height() > box.height()))
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

QImage fitted(const QString &path, QSize box) {
    QImageReader reader(path);
    return readFitted(reader, box);
}

QImage fitted(const QByteArray &bytes, QSize box) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return readFitted(reader, box);
}

} // namespace pictures
