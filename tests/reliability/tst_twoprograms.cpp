// Two programs at once. Child processes of this test are the programs: each takes the
// program lock in its user's data folder as the program does, builds every window in
// one shared program folder, records a test result and ends through the main window
// when told. A second start by the same user hands its arguments to the running
// program, which comes to the front, and ends; a lock left by a program that was
// killed does not keep the next start out. Two programs of two users in one program
// folder both keep their results.
#include "app/Unit1.h"
#include "app/startup.h"
#include "platform/programlock.h"
#include "statistics/Unit23.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

void say(const QByteArray &line) {
    std::printf("%s\n", line.constData());
    std::fflush(stdout);
}

// The child: one program, started with the name of the dictionary it records a result
// of. It ends through its main window's "Konec" when its standard input closes.
int program(const QString &dictionary) {
    QCoreApplication::setOrganizationName(QStringLiteral("Vokab"));
    QCoreApplication::setApplicationName(QStringLiteral("Vokab"));
    ProgramLock lock(ProgramLock::userDataFolder());
    switch (lock.start({dictionary}, 60000)) {
    case ProgramLock::Start::HandedOver:
        say("handed over");
        return 0;
    case ProgramLock::Start::Alone:
        break;
    default:
        say("no lock");
        return 4;
    }
    TestWindows windows;
    TForm1 *main = windows.forms().Form1;
    QObject::connect(&lock, &ProgramLock::startedAgain, main,
                     [&windows, main](const QStringList &arguments) {
                         bringToFront(windows.forms());
                         say("front " + QByteArray(main->isMinimized() ? "minimized" : "shown") +
                             " " + arguments.join(u' ').toUtf8());
                     });
    main->showMinimized();
    windows.forms().Form23->zapisdostatistik(QStringLiteral("/slovniky/") + dictionary, 3, 1,
                                             QStringLiteral("Ano"), QStringLiteral("Zkoušení I"));
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, main, [main, &input] {
        char buffer[64];
        if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) {
            input.setEnabled(false);
            QTest::mouseClick(main->btkonec, Qt::LeftButton);
        }
    });
    say("ready");
    return QApplication::exec();
}

} // namespace

class TestTwoPrograms : public QObject {
    Q_OBJECT

    QTemporaryDir m_work;
    QString programDir() const { return m_work.filePath(QStringLiteral("program")); }
    QString statistics() const { return programDir() + QStringLiteral("/statistiky.dat"); }

    // A program of the user whose data folder lies under `home`.
    QProcess *start(const QString &home, const QString &dictionary) {
        auto *child = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VOKAB_TEST_PROGRAM_DIR"), programDir());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_work.filePath(home));
        child->setProcessEnvironment(environment);
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child->start(QCoreApplication::applicationFilePath(), {"--program", dictionary});
        return child;
    }
    static QByteArray nextLine(QProcess *child) {
        while (!child->canReadLine()) {
            if (!child->waitForReadyRead(120000))
                return "<nothing>";
        }
        return child->readLine().trimmed();
    }
    // Closes the program's input: it ends through "Konec".
    static bool end(QProcess *child) {
        child->closeWriteChannel();
        return child->waitForFinished(60000) && child->exitStatus() == QProcess::NormalExit &&
               child->exitCode() == 0;
    }
    static QString row(const QString &name) {
        return name + QStringLiteral(";8.12.2026;10:15:30;3;1;75;Ano;Zkoušení I");
    }

private slots:
    void init() {
        QDir(programDir()).removeRecursively();
        QVERIFY(QDir().mkpath(programDir()));
    }
    // A program a failed check left running goes, so that the next case starts alone.
    void cleanup() {
        for (QProcess *child : findChildren<QProcess *>()) {
            child->kill();
            child->waitForFinished();
            delete child;
        }
    }

    void secondStartHandsOverToTheRunningProgram_data() {
        QTest::addColumn<bool>("killFirst");
        QTest::newRow("the first program runs") << false;
        QTest::newRow("the first program was killed") << true;
    }
    void secondStartHandsOverToTheRunningProgram() {
        QFETCH(bool, killFirst);
        QProcess *first = start(QStringLiteral("domov"), QStringLiteral("prvni.slv"));
        QCOMPARE(nextLine(first), QByteArray("ready"));
        if (killFirst) {
            ::kill(pid_t(first->processId()), SIGKILL);
            QVERIFY(first->waitForFinished());
        }
        QProcess *second = start(QStringLiteral("domov"), QStringLiteral("druhy.slv"));
        if (killFirst) {
            // The lock of a program that is gone does not keep the next one out.
            QCOMPARE(nextLine(second), QByteArray("ready"));
            QVERIFY(end(second));
            QCOMPARE(bytesOf(statistics()), cp1250Lines({row("druhy.slv")}));
            return;
        }
        QCOMPARE(nextLine(second), QByteArray("handed over"));
        QVERIFY(second->waitForFinished(60000));
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(nextLine(first), QByteArray("front shown druhy.slv"));
        QVERIFY(end(first));
        QCOMPARE(bytesOf(statistics()), cp1250Lines({row("prvni.slv")}));
    }

    // Two users share one program folder: each program adds its result to what the
    // statistics file holds when it ends, whichever ends first.
    void resultsOfTwoProgramsBothSurvive() {
        QProcess *first = start(QStringLiteral("jana"), QStringLiteral("prvni.slv"));
        QProcess *second = start(QStringLiteral("petr"), QStringLiteral("druhy.slv"));
        QCOMPARE(nextLine(first), QByteArray("ready"));
        QCOMPARE(nextLine(second), QByteArray("ready"));
        QVERIFY(end(first));
        QVERIFY(end(second));
        QCOMPARE(bytesOf(statistics()), cp1250Lines({row("prvni.slv"), row("druhy.slv")}));
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("--program"))
        return program(arguments[2]);
    TestTwoPrograms test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_twoprograms.moc"
