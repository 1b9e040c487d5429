#pragma once

#include <QStringList>

class QCoreApplication;

// Qt's own Czech texts: the buttons and labels of the standard dialogs (files, colours,
// fonts, printing), the message boxes' buttons and the context menu of the edit boxes.
// Loaded at start-up, before any window is built.
namespace qttranslations {

// The folders to look in, in order: Qt's translations folder, then the folder
// "translations" of the program folder (a system without Qt's translations).
QStringList folders(const QString &programDir);

// Installs the first Czech Qt translation found in `folders`; false when none was.
bool install(QCoreApplication &application, const QStringList &folders);

} // namespace qttranslations
