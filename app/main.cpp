#include "app/Unit1.h"
#include "app/Unit22.h"
#include "app/commandline.h"
#include "app/startup.h"
#include "core/processmemory.h"
#include "platform/arguments.h"
#include "platform/platform.h"
#include "platform/programlock.h"
#include "platform/translations.h"
#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/form.h"

#include <QDir>
#include <QIcon>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <optional>

namespace {

// "--benchmark-start": the start-up benchmark's probe. The splash gives way to the main
// window at once instead of after its two seconds; once the main window has been shown
// and painted the program prints "started", whether the window is visible and the
// memory it holds (kB), and ends.
void probeStartUp(Forms &forms) {
    QTimer::singleShot(0, forms.Form22, [&forms] {
        forms.Form22->SpeedButton1Click();
        forms.Form1->repaint();
        QTimer::singleShot(0, forms.Form1, [&forms] {
            std::printf("started %s %ld\n", forms.Form1->isVisible() ? "visible" : "hidden",
                        processMemoryKb("VmRSS"));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    });
}

// Answers --help, --version and a wrong command line on the standard output or error;
// nothing when the program is to run.
std::optional<int> answerCommandLine(const Result<commandline::Options> &parsed) {
    if (!parsed) {
        printText(stderr, parsed.error() + u'\n');
        return 2;
    }
    const commandline::Options &options = *parsed;
    switch (options.action) {
    case commandline::Options::Action::Run:
        return std::nullopt;
    case commandline::Options::Action::Help:
        printText(stdout, commandline::helpText());
        return 0;
    case commandline::Options::Action::Version:
        printText(stdout, commandline::versionText());
        return 0;
    case commandline::Options::Action::Import:
    case commandline::Options::Action::Export: {
        const commandline::Conversion done = commandline::convert(options);
        printText(stdout, done.output);
        printText(stderr, done.errors);
        return done.status;
    }
    }
    return 2;
}

// A system without regional settings (the C locale) gets the Czech ones, so that Qt's
// own dialogs show sizes, dates and file types in Czech like the rest of the program; a
// user's own regional settings stay as they are. Qt takes the formats from LANG, the C
// library its character set from the same variable; where the Czech locale is not
// installed (containers, minimal systems) the C library would fall back to ASCII, and
// every window name that the desktop reads in that character set (WM_NAME) would be
// garbled. Gives back whether the characters must then be set to UTF-8 on their own,
// once Qt has set the locale from the environment.
bool czechWithoutRegionalSettings() {
#ifdef Q_OS_UNIX
    const auto unset = [](const char *name) {
        const QByteArray value = qgetenv(name);
        return value.isEmpty() || value == "C" || value == "POSIX" || value.startsWith("C.");
    };
    if (!unset("LC_ALL") || !unset("LANG"))
        return false;
    constexpr char kCzech[] = "cs_CZ.UTF-8";
    const bool installed = std::setlocale(LC_ALL, kCzech) != nullptr;
    std::setlocale(LC_ALL, "C");
    qunsetenv("LC_ALL");
    qputenv("LANG", kCzech);
    return !installed;
#else
    return false;
#endif
}

// The C library's characters in UTF-8 whatever locale it was given.
void charactersInUtf8() {
#ifdef Q_OS_UNIX
    if (!std::setlocale(LC_CTYPE, "C.UTF-8"))
        std::setlocale(LC_CTYPE, "C.utf8");
#endif
}

} // namespace

int main(int argc, char **argv) {
    // --help, --version, an import and an export need no display: they are answered
    // before Qt looks for one. An import or export reads its whole command line, with
    // no room for Qt's own options.
    const QStringList arguments = programArguments(argc, argv);
    Result<commandline::Options> early = commandline::parse(arguments, true);
    if (early && (early->action == commandline::Options::Action::Import ||
                  early->action == commandline::Options::Action::Export))
        early = commandline::parse(arguments);
    if (const std::optional<int> answered = answerCommandLine(early))
        return *answered;

    const bool withoutCzechLocale = czechWithoutRegionalSettings();
    VokabApplication app(argc, argv);
    if (withoutCzechLocale)
        charactersInUtf8();
    QCoreApplication::setOrganizationName(QStringLiteral("Vokab"));
    QCoreApplication::setApplicationName(QStringLiteral("Vokab"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.vokab"));
    app.setQuitOnLastWindowClosed(false);

    const Result<commandline::Options> parsed = commandline::parse(app.arguments());
    if (const std::optional<int> answered = answerCommandLine(parsed))
        return *answered;
    const commandline::Options &options = *parsed;
    const QString dictionary =
        options.dictionary.isEmpty() ? QString() : QDir().absoluteFilePath(options.dictionary);

    // One running program per user: a second start brings the first one to the front,
    // handing it the dictionary to open, and ends.
    ProgramLock lock(ProgramLock::userDataFolder());
    switch (lock.start(dictionary.isEmpty() ? QStringList() : QStringList{dictionary}, 10000)) {
    case ProgramLock::Start::HandedOver:
        return 0;
    case ProgramLock::Start::NoAnswer:
        makeQtDialogs(QString())->error(
            QStringLiteral("Program Vokab už je spuštěn, ale neodpovídá."));
        return 1;
    case ProgramLock::Start::Alone:
    case ProgramLock::Start::Unlocked:
        break;
    }
    setApplicationTitle(QStringLiteral("Vokab"));

    bool installed = false;
    const QString programDir =
        ProgramFolder::locate(app.arguments(), QCoreApplication::applicationDirPath(),
                              QStringLiteral(VOKAB_INSTALLED_DATA), &installed);
    const ProgramFolder folder(
        programDir,
        ProgramFolder::userFolderFor(programDir, installed, ProgramFolder::userDataLocation()));
    folder.prepareUserFolder();
    qttranslations::install(app, qttranslations::folders(programDir));
    std::unique_ptr<Platform> platform = makeDesktopPlatform(folder, defaultRegistryFile(folder));
    app.setErrorDialogs(platform->dialogs.get());
    loadPhoneticFont(platform->folder);
    QApplication::setWindowIcon(QIcon(platform->folder.shipped(QStringLiteral("vokab.png"))));

    std::unique_ptr<Windows> windows;
    try {
        // The splash is on screen while the other windows are made.
        windows = std::make_unique<Windows>(*platform, showSplash);
    } catch (...) {
        reportUnhandledException(platform->dialogs.get(), std::current_exception());
        return 1;
    }
    QObject::connect(
        &lock, &ProgramLock::startedAgain, &app, [&windows](const QStringList &arguments) {
            bringToFront(windows->forms());
            const Result<commandline::Options> again =
                commandline::parse(QStringList{QString(), QStringLiteral("--")} + arguments);
            if (again && !again->dictionary.isEmpty())
                windows->forms().Form1->openDictionary(again->dictionary);
        });
    if (!dictionary.isEmpty())
        windows->forms().Form1->openDictionary(dictionary);
    startProgram(windows->forms());
    if (options.benchmarkStart)
        probeStartUp(windows->forms());
    // "--benchmark-open": the program as the user has it, only the splash gives way at once,
    // so that tools/compare.sh times the opening of a dictionary rather than the splash.
    if (options.benchmarkOpen)
        QTimer::singleShot(0, windows->forms().Form22,
                           [&forms = windows->forms()] { forms.Form22->SpeedButton1Click(); });
    const int result = app.exec();
    windows.reset();
    return result;
}
