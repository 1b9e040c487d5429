#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Files as the tests need them (QtCore only: the logic tests use them too).

// The bytes of a file, or "<missing>" when it cannot be read.
QByteArray bytesOf(const QString &path);
// Text in Windows-1250, as the program's files hold it.
QByteArray cp1250(const QString &text);
// Lines in Windows-1250, each followed by CR LF, as the program writes its files.
QByteArray cp1250Lines(const QStringList &lines);
// The source tree (VOKAB_SOURCE_DIR, set by CTest).
QString sourceDir();
