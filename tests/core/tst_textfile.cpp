#include "core/textfile.h"
#include "core/win1250.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// What the cases below need of the system, where it has it.
bool runsAsRoot() {
#ifdef Q_OS_WIN
    return false;
#else
    return geteuid() == 0;
#endif
}

bool makeHardLink(const QString &existing, const QString &link) {
#ifdef Q_OS_WIN
    return CreateHardLinkW(reinterpret_cast<const wchar_t *>(link.utf16()),
                           reinterpret_cast<const wchar_t *>(existing.utf16()), nullptr);
#else
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(link).constData()) ==
           0;
#endif
}

// A named pipe at the path; false where a file system has none (Windows).
bool makePipe(const QString &path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return false;
#else
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
#endif
}

} // namespace

class TestTextFile : public QObject {
    Q_OBJECT

    static QByteArray contents(const QString &path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "<unreadable>";
        return file.readAll();
    }
    static bool put(const QString &path, const QByteArray &bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               file.write(bytes) == bytes.size();
    }

private slots:
    void codecMapsAll256BytesBothWays() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        const QString text = win1250::decode(all);
        QCOMPARE(text.size(), 256);
        QSet<QChar> distinct(text.begin(), text.end());
        QCOMPARE(distinct.size(), 256);
        QByteArray back;
        QVERIFY(win1250::encode(text, back));
        QCOMPARE(back, all);
        QCOMPARE(win1250::decode("\xE8\xF8\x9E\x8A"), QStringLiteral("čřžŠ"));
    }

    void codecRefusesCharactersOutsideTheCodePage() {
        QByteArray out;
        QChar bad;
        QVERIFY(!win1250::encode(u"dům ʃ", out, &bad));
        QCOMPARE(bad, QChar(0x0283));
        QVERIFY(win1250::canEncode(u"Příliš žluťoučký kůň úpěl ďábelské ódy"));
        QVERIFY(!win1250::canEncode(u"€ ok but 中 not"));
    }

    void saveReplacesTheWholeFileAndLeavesNoTemporary() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.txt");
        QVERIFY(put(path, "old content that is longer"));
        QVERIFY(textfile::saveLines(path, {"dům", "pes"}).ok());
        QCOMPARE(contents(path), QByteArray("d\xF9m\r\npes\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a.txt"});
    }

    void unencodableTextIsReportedAndTheOldFileKept() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.slv");
        QVERIFY(put(path, "old\r\n"));
        const Result<void> result = textfile::saveLines(path, {"ok", "ʃip"});
        QVERIFY(!result.ok());
        QVERIFY(result.error().contains(QStringLiteral("ʃ")));
        QCOMPARE(contents(path), QByteArray("old\r\n"));
    }

    void saveIntoAMissingFolderFailsWithAMessageNamingTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("missing/folder/a.slv");
        const Result<void> result = textfile::saveFile(path, "x");
        QVERIFY(!result.ok());
        QVERIFY(result.error().contains("a.slv"));
    }

    void fullDiskLeavesTheOldFileWholeAndReportsTheFailure() {
        if (!runsAsRoot())
            QSKIP("mounting a small tmpfs needs root");
        QTemporaryDir dir;
        const QString mountPoint = dir.filePath("small");
        QVERIFY(QDir().mkpath(mountPoint));
        if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=64k", "tmpfs", mountPoint}) != 0)
            QSKIP("this machine does not allow mounting a tmpfs");
        auto unmount = qScopeGuard([&] { QProcess::execute("umount", {mountPoint}); });

        const QString path = mountPoint + "/statistiky.dat";
        const QByteArray old(1000, 'o');
        QVERIFY(put(path, old));
        const QByteArray huge(256 * 1024, 'n'); // larger than the whole file system
        const Result<void> result = textfile::saveFile(path, huge);
        QVERIFY(!result.ok());
        QVERIFY(result.error().contains("statistiky.dat"));
        QCOMPARE(contents(path), old);
        QCOMPARE(QDir(mountPoint).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"statistiky.dat"});
        // The space is free again: a small save still works.
        QVERIFY(textfile::saveFile(path, "new").ok());
        QCOMPARE(contents(path), QByteArray("new"));
    }

    void readOnlyFolderIsReportedAndTheOldFileKept() {
        if (runsAsRoot())
            QSKIP("root writes into read-only folders; tests/run-unprivileged.sh runs this "
                  "as an ordinary user");
#ifdef Q_OS_WIN
        QSKIP("a folder's permissions on Windows do not keep its owner from writing");
#endif
        QTemporaryDir dir;
        const QString path = dir.filePath("zvirata.slv");
        QVERIFY(put(path, "old\r\n"));
        QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
        auto restore = qScopeGuard([&] {
            QFile::setPermissions(dir.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        const Result<void> result = textfile::saveLines(path, {"new"});
        QVERIFY(!result.ok());
        QVERIFY(result.error().contains("zvirata.slv"));
        QCOMPARE(contents(path), QByteArray("old\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"zvirata.slv"});
    }

    // Places a stranger (or a crash) may have prepared beside the file, and the links a
    // user keeps: the save writes what it was asked to, where the user meant it, keeps the
    // file's permissions, and touches nothing else. The new text is shorter than the old,
    // so that no name of the file keeps a trace of the old end.
    void saveWritesOnlyItsTargetWhateverLiesBesideIt_data() {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("saved");
        QTest::newRow("link planted at the old temporary name") << "planted link" << true;
        QTest::newRow("folder planted at the old temporary name") << "planted folder" << true;
        QTest::newRow("link with a temporary's name") << "temporary-like link" << true;
        QTest::newRow("name of 250 bytes") << "long name" << true;
        QTest::newRow("symbolic link to the file") << "symlink" << true;
        QTest::newRow("file with a second name") << "hard link" << true;
        QTest::newRow("file only its owner may read") << "private" << true;
        QTest::newRow("read-only file") << "read-only" << false;
    }
    void saveWritesOnlyItsTargetWhateverLiesBesideIt() {
        QFETCH(QString, situation);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString victim = dir.filePath("diplomka.odt");
        QVERIFY(put(victim, "thesis"));
        QString name = "zvirata.slv";
        if (situation == "long name")
            name = QString(246, u'z') + ".slv";
        const QString path = dir.filePath(name);
        const QByteArray old = "the old text, longer than the new one";
        QVERIFY(put(path, old));
        QString other; // a second way to the file, which must show the new content
        if (situation == "planted link")
            QVERIFY(QFile::link(victim, dir.filePath("." + name + ".ukladani")));
        if (situation == "planted folder")
            QVERIFY(QDir(dir.path()).mkdir("." + name + ".ukladani"));
        if (situation == "temporary-like link")
            QVERIFY(QFile::link(victim, dir.filePath("." + name + ".abc123.ukladani")));
        QString saveTo = path;
#ifdef Q_OS_WIN
        if (situation == "symlink")
            QSKIP("a link of QFile::link is a shortcut on Windows, which file names do not follow");
#endif
        if (situation == "symlink") {
            saveTo = dir.filePath("odkaz.slv");
            QVERIFY(QFile::link(path, saveTo));
        }
        if (situation == "hard link") {
            other = dir.filePath("druhe-jmeno.slv");
            QVERIFY(makeHardLink(path, other));
        }
        if (situation == "read-only")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
        if (situation == "private")
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        const QFile::Permissions permissions = QFileInfo(path).permissions();

        const Result<void> result = textfile::saveFile(saveTo, "new");
        QCOMPARE(result.ok(), saved);
        QCOMPARE(contents(victim), QByteArray("thesis"));
        QCOMPARE(contents(path), saved ? QByteArray("new") : old);
        QCOMPARE(QFileInfo(path).permissions(), permissions);
        if (!other.isEmpty())
            QCOMPARE(contents(other), QByteArray("new"));
        if (saveTo != path)
            QVERIFY(QFileInfo(saveTo).isSymLink());
        if (!saved)
            QVERIFY(result.error().contains(QStringLiteral("jen pro čtení")));
        if (situation != "temporary-like link")
            QVERIFY(textfile::temporariesOf(path).isEmpty());
        QVERIFY(!result.error().contains("denied", Qt::CaseInsensitive));
    }

    void readRefusesWhatIsNotAFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("endless device") << "device";
        QTest::newRow("pipe without a writer") << "pipe";
        QTest::newRow("folder") << "folder";
        QTest::newRow("missing") << "missing";
    }
    void readRefusesWhatIsNotAFile() {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath("slovnik.slv");
#ifdef Q_OS_WIN
        if (kind == "device")
            QSKIP("Windows has no device files");
#endif
        if (kind == "device")
            QVERIFY(QFile::link("/dev/zero", path));
        if (kind == "pipe" && !makePipe(path))
            QSKIP("this system has no named pipes in its file system");
        if (kind == "folder")
            QVERIFY(QDir(dir.path()).mkdir("slovnik.slv"));
        const Result<QByteArray> read = textfile::readBytes(path, 1 << 20);
        QVERIFY(!read);
        QVERIFY(read.error().contains("slovnik.slv"));
    }

    void readRefusesFilesAboveTheLimit() {
        QTemporaryDir dir;
        const QString path = dir.filePath("big.txt");
        QVERIFY(put(path, QByteArray(100, 'x')));
        QVERIFY(!textfile::readBytes(path, 99).ok());
        QVERIFY(textfile::readBytes(path, 100).ok());
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
