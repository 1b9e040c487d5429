// Every save of the program killed with SIGKILL at random moments: a child process
// drives one window's save in a loop and is killed; the file is then always one of the
// two complete contents that save writes (the review plan, which grows with every answer:
// a whole plan), and the next save leaves no temporary file.
#include "savesites.h"

#include "core/textfile.h"
#include "review/reviewfile.h"
#include "support/testfiles.h"
#include "support/testplatform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <functional>

namespace {

constexpr int kRoundsPerSite = 12;

// The size of each site's contents: large enough that a save takes a while.
int sizeFor(const SaveSite &site) {
    return QByteArray(site.name) == "evaluation" ? 300 : 5000;
}

bool failed(TestWindows &windows) {
    for (const ScriptedDialogs::Shown &shown : windows.dialogs().shown)
        if (shown.kind == MessageKind::Error || shown.kind == MessageKind::Warning)
            return true;
    return false;
}

// The child: gets the site ready, saves once, says so, then saves the two variants in
// turn until it is killed (or, with `once`, ends).
int saveLoop(const QString &siteName, const QString &chosenFolder, bool once) {
    const SaveSite *site = findSaveSite(siteName);
    if (!site)
        return 2;
    TestWindows windows;
    const QString target = saveTarget(*site, windows, chosenFolder);
    site->setup(windows, target, sizeFor(*site));
    site->save(windows, target, 1);
    std::printf("ready\n");
    std::fflush(stdout);
    for (int i = 0; !once; ++i) {
        site->save(windows, target, i % 2);
        if (failed(windows))
            return 3; // the parent sees the child end by itself
    }
    return failed(windows) ? 3 : 0;
}

} // namespace

class TestSaveKill : public QObject {
    Q_OBJECT

    QProcess *startChild(const SaveSite &site, const QString &programDir,
                         const QString &chosenFolder, bool once) {
        auto *child = new QProcess(this);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("VOKAB_TEST_PROGRAM_DIR"), programDir);
        child->setProcessEnvironment(environment);
        child->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child->start(QCoreApplication::applicationFilePath(),
                     {once ? "--save-once" : "--save-loop", site.name, chosenFolder});
        return child;
    }

private slots:
    void killedSaveLeavesAWholeFile_data() {
        QTest::addColumn<QString>("site");
        for (const SaveSite &site : saveSites())
            QTest::newRow(site.name) << QString::fromLatin1(site.name);
    }

    void killedSaveLeavesAWholeFile() {
        QFETCH(QString, site);
        const SaveSite &s = *findSaveSite(site);

        // The two complete contents, written by the same save in this process.
        QByteArray expected[2];
        {
            TestWindows windows;
            QTemporaryDir folder;
            const QString target = saveTarget(s, windows, folder.path());
            s.setup(windows, target, sizeFor(s));
            for (int variant : {0, 1}) {
                s.save(windows, target, variant);
                expected[variant] = bytesOf(target);
            }
            QVERIFY(!failed(windows));
        }
        killAmidSaves(s, [&](const QByteArray &now) {
            return now == expected[0] ? 0 : now == expected[1] ? 1 : -1;
        });
    }

    // The review plan grows with every answer: a whole plan is one that reads back with
    // every line an expression's (a torn last line would be kept as a line of another
    // version) and is written again byte for byte.
    void killedPlanSaveLeavesAWholePlan() {
        killAmidSaves(planSaveSite(), [](const QByteArray &now) {
            const Result<review::Plan> read = review::parsePlan(now);
            const bool whole = read && read->otherLines().isEmpty() && !read->entries().isEmpty() &&
                               review::planBytes(*read) == now;
            return whole ? 0 : -1;
        });
    }

private:
    // Kills the saving child of a site again and again; `whole` tells which complete
    // content the file holds after each kill (-1: a torn file). A temporary left by the
    // last kill is then replaced by the next save.
    void killAmidSaves(const SaveSite &s, const std::function<int(const QByteArray &)> &whole) {
        QTemporaryDir work;
        const QString programDir = work.filePath(QStringLiteral("program/"));
        const QString chosen = work.filePath(QStringLiteral("slovniky"));
        QVERIFY(QDir().mkpath(programDir) && QDir().mkpath(chosen));
        const QString target = saveTarget(s, programDir, chosen);
        int seen[2] = {0, 0};
        for (int round = 0; round < kRoundsPerSite; ++round) {
            QProcess *child = startChild(s, programDir, chosen, false);
            QVERIFY(child->waitForReadyRead(120000));
            QCOMPARE(child->readLine(), QByteArray("ready\n"));
            QTest::qSleep(5 + QRandomGenerator::global()->bounded(250));
            QVERIFY2(child->state() == QProcess::Running, "the child ended by itself");
            ::kill(pid_t(child->processId()), SIGKILL);
            QVERIFY(child->waitForFinished());
            delete child;
            const QByteArray now = bytesOf(target);
            const int which = whole(now);
            QVERIFY2(which >= 0, qPrintable(QStringLiteral("round %1: a torn file of %2 bytes")
                                                .arg(round)
                                                .arg(now.size())));
            ++seen[which];
        }
        qInfo("%s after %d kills: %d times the first content, %d times the second", s.name,
              kRoundsPerSite, seen[0], seen[1]);

        QProcess *last = startChild(s, programDir, chosen, true);
        QVERIFY(last->waitForFinished(120000));
        QCOMPARE(last->exitStatus(), QProcess::NormalExit);
        QCOMPARE(last->exitCode(), 0);
        delete last;
        for (const QString &folder : {programDir, programDir + QStringLiteral("WorkDir"), chosen})
            for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
                QVERIFY2(!name.endsWith(QStringLiteral(".ukladani")), qPrintable(name));
    }
};

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 4 && (arguments[1] == "--save-loop" || arguments[1] == "--save-once"))
        return saveLoop(arguments[2], arguments[3], arguments[1] == "--save-once");
    TestSaveKill test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_savekill.moc"
