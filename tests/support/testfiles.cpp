#include "support/testfiles.h"

#include "core/win1250.h"

#include <QFile>
#include <QTest>

QByteArray bytesOf(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QByteArray cp1250(const QString &text) {
    QByteArray bytes;
    win1250::encode(text, bytes);
    return bytes;
}

QByteArray cp1250Lines(const QStringList &lines) {
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += cp1250(line) + "\r\n";
    return bytes;
}

QString sourceDir() {
    return QString::fromLocal8Bit(qgetenv("VOKAB_SOURCE_DIR"));
}
