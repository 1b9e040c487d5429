#pragma once

#include <QString>

class MainWindow;
struct Forms;
struct Platform;

// The main window's part of the update: fetching the version file into WorkDir and
// handing it to the update window.
namespace versioncheck {

// Starts the download of the version file into the main window's `HTTPGet1` (its end
// goes to the main window's handlers) and shows
// the progress window waiting; a failure is reported as "Došlo ke kritické chybě!", a
// WorkDir that cannot be made with its own message.
void start(MainWindow &main, Forms &forms, Platform &platform);
// The version file arrived: the progress window closes and the update window reads it.
void received(Forms &forms, const QString &fileName);
// The download failed: "Aktualizace se nepovedla." with the reason, and the main window
// comes back.
void failed(MainWindow &main, Forms &forms, Platform &platform, const QString &error);

} // namespace versioncheck
