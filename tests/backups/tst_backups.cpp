// The rotation of the backups on a clock of the test's own: the minimum gap, the day,
// the thirty days and the total size; and a folder's odd content left alone.
#include "core/backups.h"
#include "core/textfile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QDateTime kStart(QDate(2026, 11, 1), QTime(0, 30));

QByteArray version(int n, int size) {
    QByteArray bytes = QByteArray::number(n) + ";verze\r\n";
    bytes.append(QByteArray(std::max<qsizetype>(0, size - bytes.size()), 'x'));
    return bytes;
}

} // namespace

class TestBackups : public QObject {
    Q_OBJECT

private slots:
    void rotation_data() {
        QTest::addColumn<QList<qint64>>("saves");    // seconds after the start
        QTest::addColumn<int>("size");               // bytes of each version
        QTest::addColumn<qint64>("megabytes");       // the total limit
        QTest::addColumn<QList<qint64>>("expected"); // the backups left, as their saves
        QTest::addColumn<QList<bool>>("kept");       // what each keep() answered

        QTest::newRow("ten minutes")
            << QList<qint64>{0, 300, 599, 600, 1500} << 100 << qint64(200)
            << QList<qint64>{1500, 600, 0} << QList<bool>{true, false, false, true, true};

        QList<qint64> hourly;
        QList<qint64> lastDay;
        for (qint64 hour = 0; hour < 30; ++hour)
            hourly.append(hour * 3600);
        for (qint64 hour = 29; hour >= 5; --hour)
            lastDay.append(hour * 3600);
        QTest::newRow("a day, then one a day")
            << hourly << 100 << qint64(200) << lastDay << QList<bool>(30, true);

        QList<qint64> twiceDaily;
        QList<qint64> thirtyDays{39 * 86400 + 12 * 3600, 39 * 86400 + 8 * 3600};
        for (qint64 day = 0; day < 40; ++day)
            twiceDaily << day * 86400 + 8 * 3600 << day * 86400 + 12 * 3600;
        for (qint64 day = 38; day >= 9; --day)
            thirtyDays.append(day * 86400 + 12 * 3600);
        QTest::newRow("thirty days")
            << twiceDaily << 100 << qint64(200) << thirtyDays << QList<bool>(80, true);

        // 300 KiB a version: a megabyte holds the other file's one backup and two more.
        QTest::newRow("megabytes")
            << QList<qint64>{0, 3600, 7200, 10800, 14400} << 300 * 1024 << qint64(1)
            << QList<qint64>{14400, 10800} << QList<bool>(5, true);
        QTest::newRow("megabytes, never the newest")
            << QList<qint64>{0, 3600} << 2 * 1024 * 1024 << qint64(1) << QList<qint64>{3600}
            << QList<bool>{true, true};
    }

    void rotation() {
        QFETCH(QList<qint64>, saves);
        QFETCH(int, size);
        QFETCH(qint64, megabytes);
        QFETCH(QList<qint64>, expected);
        QFETCH(QList<bool>, kept);

        QTemporaryDir work;
        QDateTime now = kStart.addSecs(-3600);
        BackupStore store(work.filePath(QStringLiteral("Zalohy")), [&] { return now; },
                          {10 * 60, 30, megabytes});
        // Another file with one backup, older than all: the newest of its file, never removed.
        const QString other = work.filePath(QStringLiteral("jiny.slv"));
        QVERIFY(textfile::saveFile(other, version(-1, 300 * 1024)).ok());
        QCOMPARE(store.keep(other).value(), true);

        const QString path = work.filePath(QStringLiteral("slovnik.slv"));
        QVERIFY(textfile::saveFile(path, version(0, size)).ok());
        QList<bool> answers;
        for (int i = 0; i < saves.size(); ++i) {
            now = kStart.addSecs(saves[i]);
            const Result<bool> result = store.keep(path);
            QVERIFY2(result.ok(), qPrintable(result.error()));
            answers.append(*result);
            QVERIFY(textfile::saveFile(path, version(i + 1, size)).ok());
        }
        QCOMPARE(answers, kept);

        QList<qint64> left;
        for (const BackupStore::Backup &backup : store.backupsOf(path)) {
            const qint64 at = kStart.secsTo(backup.time);
            left.append(at);
            // Byte for byte the version the save at that time replaced.
            QCOMPARE(bytesOf(backup.path), version(int(saves.indexOf(at)), size));
            QCOMPARE(backup.size, qint64(size));
        }
        QCOMPARE(left, expected);
        QCOMPARE(store.backupsOf(other).size(), 1);
        QCOMPARE(store.originals().size(), 2);
    }

    // What a stranger put into the folder is neither listed nor removed, and the original
    // it names is never written.
    void oddContentIsLeftAlone() {
        QTemporaryDir work;
        QDateTime now = kStart;
        const QString root = work.filePath(QStringLiteral("Zalohy"));
        BackupStore store(root, [&] { return now; }, {10 * 60, 30, 1});
        const QString outside = work.filePath(QStringLiteral("cizi.slv"));
        QVERIFY(textfile::saveFile(outside, "cizi\r\n").ok());
        // A folder naming a file whose hash is not its name's, with an old backup.
        const QString stranger = root + QStringLiteral("/cizi-00000000");
        QVERIFY(QDir().mkpath(stranger));
        QVERIFY(textfile::saveFile(stranger + QStringLiteral("/cesta.txt"), outside.toUtf8()).ok());
        QVERIFY(textfile::saveFile(stranger + QStringLiteral("/20200101-000000.slv"),
                                   QByteArray(2 << 20, 'x'))
                    .ok());
        const QString path = work.filePath(QStringLiteral("slovnik.slv"));
        QVERIFY(textfile::saveFile(path, "a;b\r\n").ok());
        QVERIFY(*store.keep(path));
        const QString own = QFileInfo(store.backupsOf(path).first().path).absolutePath();
        // In the file's own folder: a link and a folder named as backups, other names. (A
        // link on Windows is a shortcut, an ordinary file of the folder; only a symbolic link
        // can lead out of it.)
#ifndef Q_OS_WIN
        QVERIFY(QFile::link(outside, own + QStringLiteral("/20200101-000000.slv")));
#endif
        QVERIFY(QDir().mkpath(own + QStringLiteral("/20200102-000000.slv")));
        QVERIFY(textfile::saveFile(own + QStringLiteral("/poznamka.txt"), "x").ok());
        now = now.addDays(60);
        QVERIFY(textfile::saveFile(path, "a;b\r\nc;d\r\n").ok());
        QVERIFY(*store.keep(path));

        QCOMPARE(store.originals(), QStringList{QDir::cleanPath(path)});
        // Only the new backup: the first one, sixty days old, is gone.
        QCOMPARE(store.backupsOf(path).size(), 1);
        QCOMPARE(store.backupsOf(outside).size(), 0);
        QCOMPARE(bytesOf(outside), QByteArray("cizi\r\n"));
#ifndef Q_OS_WIN
        QVERIFY(QFileInfo(own + QStringLiteral("/20200101-000000.slv")).isSymLink());
#endif
        QVERIFY(QFileInfo(own + QStringLiteral("/20200102-000000.slv")).isDir());
        QVERIFY(QFile::exists(own + QStringLiteral("/poznamka.txt")));
        QVERIFY(QFile::exists(stranger + QStringLiteral("/20200101-000000.slv")));
        QCOMPARE(backups::originalOf(outside.toUtf8(), QStringLiteral("cizi-00000000")), QString());
    }
};

QTEST_GUILESS_MAIN(TestBackups)
#include "tst_backups.moc"
