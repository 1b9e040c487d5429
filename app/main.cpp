#include "app/Unit1.h"
#include "app/Unit22.h"
#include "app/application.h"
#include "app/fonts.h"
#include "app/form.h"
#include "app/startup.h"
#include "platform/platform.h"
#include "platform/programlock.h"

#include <QTimer>

#include <cstdio>

namespace {

// "--benchmark-start": the start-up benchmark's probe. The splash gives way to the main
// window at once instead of after its two seconds; once the main window has been shown
// and painted the program prints "started" and ends.
void probeStartUp(Forms &forms) {
    QTimer::singleShot(0, forms.Form22, [&forms] {
        forms.Form22->SpeedButton1Click();
        forms.Form1->repaint();
        QTimer::singleShot(0, forms.Form1, [&forms] {
            std::printf("started %s\n", forms.Form1->isVisible() ? "visible" : "hidden");
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    });
}

} // namespace

int main(int argc, char **argv) {
    VokabApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vokab"));
    QCoreApplication::setApplicationName(QStringLiteral("Vokab"));
    app.setQuitOnLastWindowClosed(false);

    // One running program per user: a second start brings the first one to the front,
    // handing it its arguments, and ends.
    ProgramLock lock(ProgramLock::userDataFolder());
    switch (lock.start(app.arguments().mid(1), 10000)) {
    case ProgramLock::Start::HandedOver:
        return 0;
    case ProgramLock::Start::NoAnswer:
        makeQtDialogs()->error(QStringLiteral("Program Vokab už je spuštěn, ale neodpovídá."));
        return 1;
    case ProgramLock::Start::Alone:
    case ProgramLock::Start::Unlocked:
        break;
    }
    setApplicationTitle(QStringLiteral("Vokab"));

    const QString programDir =
        ProgramFolder::locate(app.arguments(), QCoreApplication::applicationDirPath());
    std::unique_ptr<Platform> platform = makeDesktopPlatform(programDir, defaultRegistryFile());
    app.setErrorDialogs(platform->dialogs.get());
    loadPhoneticFont(platform->folder);

    std::unique_ptr<Windows> windows;
    try {
        windows = std::make_unique<Windows>(*platform);
    } catch (...) {
        reportUnhandledException(platform->dialogs.get(), std::current_exception());
        return 1;
    }
    QObject::connect(&lock, &ProgramLock::startedAgain, &app,
                     [&windows] { bringToFront(windows->forms()); });
    startProgram(windows->forms());
    if (app.arguments().contains(QStringLiteral("--benchmark-start")))
        probeStartUp(windows->forms());
    const int result = app.exec();
    windows.reset();
    return result;
}
