// A save killed (SIGKILL; TerminateProcess on Windows) at a random moment, a hundred times: the
// file is always either the old one, byte for byte, or the new one, complete; and the next save
// leaves no temporary file behind.
#include "core/textfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray content(char letter) {
    // About 2 MB, so that a save takes long enough to be caught in the middle.
    QByteArray line(99, letter);
    line += '\n';
    return line.repeated(20000);
}

// The child: saves A and B in turn until it is killed.
int saveForever(const QString &path) {
    const QByteArray a = content('a');
    const QByteArray b = content('b');
    for (int i = 0;; ++i) {
        if (!textfile::saveFile(path, i % 2 ? b : a).ok())
            return 3;
    }
}

} // namespace

class TestSaveCrash : public QObject {
    Q_OBJECT

private slots:
    void killedSaveLeavesTheOldOrTheNewFileWhole() {
        QTemporaryDir dir;
        const QString path = dir.filePath("slovnik.slv");
        const QByteArray a = content('a');
        const QByteArray b = content('b');
        QVERIFY(textfile::saveFile(path, a).ok());
        int sawA = 0, sawB = 0;
        for (int round = 0; round < 100; ++round) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {"--save-forever", path});
            QVERIFY(child.waitForStarted());
            QTest::qSleep(5 + QRandomGenerator::global()->bounded(40));
            child.kill(); // no chance to clean up
            QVERIFY(child.waitForFinished());
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray now = file.readAll();
            QVERIFY2(now == a || now == b,
                     qPrintable(
                         QString("round %1: a torn file of %2 bytes").arg(round).arg(now.size())));
            now == a ? ++sawA : ++sawB;
        }
        qInfo("after 100 kills: %d times the first content, %d times the second", sawA, sawB);
        // A temporary left by the last kill is replaced by the next save, which leaves
        // nothing behind.
        QVERIFY(textfile::saveFile(path, "done").ok());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"slovnik.slv"});
    }
};

int main(int argc, char **argv) {
    if (argc == 3 && QByteArray(argv[1]) == "--save-forever")
        return saveForever(QString::fromLocal8Bit(argv[2]));
    QCoreApplication app(argc, argv);
    TestSaveCrash test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_savecrash.moc"
