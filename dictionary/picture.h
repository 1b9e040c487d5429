#pragma once

#include "core/result.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// Pictures of expressions as files: what is taken in (a chosen or dropped file, the
// clipboard) becomes a picture of at most kLongestSide pixels on its longer side, kept in
// its own format when it needs no scaling, else as PNG or JPEG; and thumbnails are read
// from the files without decoding more than they need.
namespace pictures {

inline constexpr int kLongestSide = 1024;
// A file larger than this is not taken, nor one whose picture would need more memory.
inline constexpr qint64 kLargestFile = qint64(64) << 20;

struct Encoded {
    QByteArray bytes;
    QString extension; // "png", "jpg", "webp"
};

// The formats a picture may come in, as Qt's readers name them (WebP only where the
// image plugins are installed).
QStringList readableFormats();

// A picture from the bytes of a file (PNG, JPEG, WebP, GIF's first frame), scaled down
// when larger. A Czech message when the bytes are no picture of these.
Result<Encoded> fromBytes(const QByteArray &bytes);
// A picture from a file.
Result<Encoded> fromFile(const QString &path);
// A picture from an image (the clipboard), as PNG.
Result<Encoded> fromImage(const QImage &image);

// The picture of a file or of bytes scaled to fit `box` (never enlarged); a null image
// when it cannot be read.
QImage fitted(const QString &path, QSize box);
QImage fitted(const QByteArray &bytes, QSize box);

} // namespace pictures
