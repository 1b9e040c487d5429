#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QWidget;

// Files and typing as the tests need them.

// The bytes of a file, or "<missing>" when it cannot be read.
QByteArray bytesOf(const QString &path);
// Text in Windows-1250, as the program's files hold it.
QByteArray cp1250(const QString &text);
// Lines in Windows-1250, each followed by CR LF, as the program writes its files.
QByteArray cp1250Lines(const QStringList &lines);
// Types text into a widget one character at a time, as key events carrying the
// character (so that Czech letters arrive as a keyboard would send them).
void typeText(QWidget *widget, const QString &text);
