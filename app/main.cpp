#include "app/application.h"
#include "app/fonts.h"
#include "app/form.h"
#include "app/startup.h"
#include "platform/platform.h"

int main(int argc, char **argv) {
    VokabApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vokab"));
    QCoreApplication::setApplicationName(QStringLiteral("Vokab"));
    app.setQuitOnLastWindowClosed(false);
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
    startProgram(windows->forms());
    const int result = app.exec();
    windows.reset();
    return result;
}
