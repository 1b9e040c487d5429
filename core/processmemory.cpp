#include "core/processmemory.h"

#include <QFile>

long processMemoryKb(QByteArrayView field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field) && line.size() > field.size() && line[field.size()] == ':')
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}
