#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>

class Download;

// What the subsystems' windows ask of the main window (TForm1, in app/): the start-up puts
// it into the Forms table as `main` too, so that no subsystem includes app/.
class MainWindow {
public:
    // Shows the main window: a mode or a tool that closes goes back to it.
    virtual void showMainWindow() = 0;
    // The same unless a mode window holds the screen (one mode at a time).
    virtual void showUnlessModeOpen() = 0;
    // Closes the main window, which ends the program.
    virtual void closeMainWindow() = 0;
    // Opens a dictionary in the expression editor, shown in place of the main window
    // (after the question whether to save the editor's changes).
    virtual void openInEditor(const QString &path) = 0;

    // The download of the version file (`HTTPGet1`), empty while none runs, and the
    // handlers of its end.
    virtual std::unique_ptr<Download> &versionDownload() = 0;
    virtual void HTTPGet1DoneFile(const QString &fileName, qint64 size) = 0;
    virtual void HTTPGet1Error(const QString &error) = 0;

protected:
    ~MainWindow() = default;
};
