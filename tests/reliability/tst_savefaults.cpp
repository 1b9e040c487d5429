// Every save of the program into a folder that cannot take the file: a full disk (a
// small tmpfs, as root) and a read-only folder (as an ordinary user, since root writes
// into read-only folders). The old file stays byte for byte, no temporary file is left
// and the user is told in Czech which file was not saved.
#include "savesites.h"

#include "app/Unit1.h"
#include "core/textfile.h"
#include "dictionary/Unit2.h"
#include "support/httpserver.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/application.h"
#include "ui/forms.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <filesystem>
#include <optional>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kOldFile = dictionaryBytes(3, 7);

// A 256 KiB tmpfs mounted on a folder for the life of the object (root only).
class SmallDisk {
public:
    static constexpr const char *kNotHere = "mounting a small tmpfs needs root and a machine "
                                            "that allows it";
    explicit SmallDisk(const QString &folder) : m_folder(folder) {
        m_mounted = geteuid() == 0 && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=256k",
                                                                  "tmpfs", folder}) == 0;
    }
    ~SmallDisk() {
        if (m_mounted)
            QProcess::execute("umount", {"-l", m_folder});
    }
    bool mounted() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted = false;
};

// Fills the file system of `folder` until a write fails.
void fillDisk(const QString &folder) {
    QFile filler(QDir(folder).filePath(QStringLiteral("vypln")));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    // The last partial block may still fit in single bytes.
    while (filler.write("x", 1) == 1 && filler.flush()) {
    }
}

void checkRefusedSave(TestWindows &windows, const QString &target) {
    QCOMPARE(bytesOf(target), kOldFile);
    const QString name = QFileInfo(target).fileName();
    QVERIFY2(textfile::temporariesOf(target).isEmpty(), "a temporary file was left");
    bool told = false;
    for (const ScriptedDialogs::Shown &shown : windows.dialogs().shown)
        if (shown.kind == MessageKind::Error && shown.text.contains(name) &&
            shown.text.contains(QStringLiteral("nelze uložit")))
            told = true;
    QVERIFY2(told, qPrintable(QStringLiteral("no error naming %1; shown: %2")
                                  .arg(name, windows.dialogs().texts().join(u'|'))));
}

// One save site, its windows and the folder its file goes to.
struct Attempt {
    explicit Attempt(const QString &name)
        : site(*findSaveSite(name)),
          target(saveTarget(site, windows, chosen.filePath(QStringLiteral("slozka")))),
          folder(QFileInfo(target).absolutePath()) {
        QDir().mkpath(folder);
    }
    // Puts the old file in place and gets the window ready to save over it.
    bool ready() {
        if (!textfile::saveFile(target, kOldFile).ok())
            return false;
        site.setup(windows, target, 50);
        return true;
    }
    void save() {
        windows.dialogs().shown.clear();
        site.save(windows, target, 1);
    }

    const SaveSite &site;
    TestWindows windows;
    QTemporaryDir chosen;
    const QString target;
    const QString folder;
};

// What the user was doing when the system refused, and why it refused.
enum class Doing { Saving, Reading, Downloading, Unforeseen };
enum class Cause { MissingFolder, Folder, LongName, ReadOnlyFile, Permission, NoSpace };

// The Czech message of one failure, as the user would be told it.
QString messageOf(Doing doing, const QString &path) {
    switch (doing) {
    case Doing::Saving:
        return textfile::saveFile(path, QByteArray(300 * 1024, 'x')).error();
    case Doing::Reading:
        return textfile::readBytes(path).error();
    case Doing::Downloading: {
        HttpServer http;
        http.bodies["/soubor"] = {QByteArray(300 * 1024, 'x')};
        std::unique_ptr<Download> download = makeHttpDownload();
        QSignalSpy failed(download.get(), &Download::failed);
        download->start(QUrl(http.url("/soubor")), path, 1 << 20);
        if (!failed.wait(10000))
            return QStringLiteral("<no failure>");
        return failed.first().first().toString();
    }
    case Doing::Unforeseen: {
        ScriptedDialogs dialogs;
        reportUnhandledException(&dialogs,
                                 std::make_exception_ptr(std::filesystem::filesystem_error(
                                     "cannot open", path.toStdString(),
                                     std::make_error_code(std::errc::permission_denied))));
        return dialogs.lastText();
    }
    }
    return {};
}

void addSites() {
    QTest::addColumn<QString>("site");
    for (const SaveSite &site : saveSites())
        QTest::newRow(site.name) << QString::fromLatin1(site.name);
}

} // namespace

class TestSaveFaults : public QObject {
    Q_OBJECT

private slots:
    void fullDiskKeepsTheOldFile_data() { addSites(); }
    void fullDiskKeepsTheOldFile() {
        QFETCH(QString, site);
        Attempt attempt(site);
        const QString &folder = attempt.folder;
        const SmallDisk disk(folder);
        if (!disk.mounted())
            QSKIP(SmallDisk::kNotHere);
        QVERIFY(attempt.ready());
        fillDisk(folder);
        attempt.save();
        checkRefusedSave(attempt.windows, attempt.target);
        const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(QSet<QString>(left.begin(), left.end()),
                 (QSet<QString>{QFileInfo(attempt.target).fileName(), "vypln"}));
    }

    // The statistics written at exit onto a full disk: the user is asked, may make room
    // and try again as often as needed, or end without saving; the results are saved
    // after the old lines, or the old file stays.
    void fullDiskAtExitCanBeRetriedOrGivenUp_data() {
        QTest::addColumn<QList<int>>("choices"); // 0 "Zkusit znovu", 1 "Ukončit bez uložení"
        QTest::addColumn<int>("roomAt");         // the question at which room is made
        QTest::addColumn<bool>("saved");
        QTest::newRow("room made, tried again") << QList<int>{0} << 0 << true;
        QTest::newRow("tried again before making room") << QList<int>{0, 0} << 1 << true;
        QTest::newRow("ended without saving") << QList<int>{1} << -1 << false;
        QTest::newRow("tried again, then ended") << QList<int>{0, 1} << -1 << false;
    }
    void fullDiskAtExitCanBeRetriedOrGivenUp() {
        QFETCH(QList<int>, choices);
        QFETCH(int, roomAt);
        QFETCH(bool, saved);
        Attempt attempt(QStringLiteral("statistics"));
        const QString &folder = attempt.folder;
        const SmallDisk disk(folder);
        if (!disk.mounted())
            QSKIP(SmallDisk::kNotHere);
        QVERIFY(attempt.ready());
        fillDisk(folder);
        ScriptedDialogs &dialogs = attempt.windows.dialogs();
        dialogs.choices.assign(choices.begin(), choices.end());
        int asked = 0;
        dialogs.whileChoosing = [&](const QString &) {
            if (asked++ == roomAt)
                QFile::remove(QDir(folder).filePath(QStringLiteral("vypln")));
        };
        QTest::mouseClick(attempt.windows.forms().Form1->btkonec, Qt::LeftButton);
        QCOMPARE(asked, choices.size());
        QCOMPARE(dialogs.unexpected, 0);
        int backupWarnings = 0;
        for (const ScriptedDialogs::Shown &shown : std::as_const(dialogs.shown)) {
            // The backup of the old file did not fit either: told once, the save went on.
            if (shown.kind == MessageKind::Warning &&
                shown.text.startsWith(QStringLiteral("Zálohu souboru"))) {
                ++backupWarnings;
                continue;
            }
            QVERIFY(shown.isQuestion);
            QCOMPARE(shown.kind, MessageKind::Error);
            QVERIFY2(shown.text.contains(QStringLiteral("statistiky.dat")), qPrintable(shown.text));
        }
        QCOMPARE(backupWarnings, 1);
        const QByteArray now = bytesOf(attempt.target);
        if (saved) {
            QVERIFY(now.startsWith(kOldFile));
            QCOMPARE(now.count('\n'), kOldFile.count('\n') + 50);
        } else {
            QCOMPARE(now, kOldFile);
        }
        QVERIFY(textfile::temporariesOf(attempt.target).isEmpty());
    }

    void readOnlyFolderKeepsTheOldFile_data() { addSites(); }
    void readOnlyFolderKeepsTheOldFile() {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders; tests/run-unprivileged.sh runs this");
        QFETCH(QString, site);
        Attempt attempt(site);
        const QByteArray folder = QFile::encodeName(attempt.folder);
        QVERIFY(attempt.ready());
        QVERIFY(::chmod(folder.constData(), 0555) == 0);
        auto writable = qScopeGuard([&] { ::chmod(folder.constData(), 0755); });
        attempt.save();
        checkRefusedSave(attempt.windows, attempt.target);
    }

    // A stranger's link at the name a save used to write first, the user's link to a
    // file kept elsewhere, and a file the user marked read-only.
    void everySiteWritesOnlyWhereTheUserMeant_data() {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("situation");
        for (const SaveSite &site : saveSites()) {
            for (const char *situation : {"planted link", "link", "read-only"})
                QTest::addRow("%s, %s", site.name, situation)
                    << QString::fromLatin1(site.name) << QString::fromLatin1(situation);
        }
    }
    void everySiteWritesOnlyWhereTheUserMeant() {
        QFETCH(QString, site);
        QFETCH(QString, situation);
        Attempt attempt(site);
        const QString elsewhere = attempt.chosen.filePath(QStringLiteral("jinde"));
        QVERIFY(QDir().mkpath(elsewhere));
        const QString victim = elsewhere + QStringLiteral("/diplomka.odt");
        QVERIFY(textfile::saveFile(victim, "thesis").ok());
        const QString real = elsewhere + u'/' + QFileInfo(attempt.target).fileName();
        if (situation == "link") {
            QFile::remove(attempt.target); // a file the program folder ships
            QVERIFY(QFile::link(real, attempt.target));
        }
        QVERIFY(attempt.ready());
        const QString name = QFileInfo(attempt.target).fileName();
        if (situation == "planted link")
            QVERIFY(QFile::link(victim, attempt.folder + "/." + name + ".ukladani"));
        if (situation == "read-only")
            QVERIFY(QFile::setPermissions(attempt.target, QFile::ReadOwner | QFile::ReadGroup));
        attempt.save();

        QCOMPARE(bytesOf(victim), QByteArray("thesis"));
        if (situation == "read-only") {
            checkRefusedSave(attempt.windows, attempt.target);
            return;
        }
        QVERIFY(bytesOf(attempt.target) != kOldFile);
        if (situation == "link") {
            QVERIFY(QFileInfo(attempt.target).isSymLink());
            QCOMPARE(bytesOf(real), bytesOf(attempt.target));
        }
        for (const ScriptedDialogs::Shown &shown : attempt.windows.dialogs().shown)
            QVERIFY2(shown.kind != MessageKind::Error, qPrintable(shown.text));
    }

    // A failure of the system is told in Czech, with its cause, never in the system's
    // own English words.
    void failureMessagesNameTheCauseInCzech_data() {
        QTest::addColumn<Doing>("doing");
        QTest::addColumn<Cause>("cause");
        QTest::addColumn<QString>("reason"); // the Czech reason the message gives
        QTest::addColumn<int>("errnum");     // whose English text the message must not hold
        const QString noAccess = QStringLiteral("k souboru nebo jeho složce nemáte přístup");
        const QString tooLong = QStringLiteral("jméno souboru je příliš dlouhé");
        const QString noRoom = QStringLiteral("na disku není místo");
        const QString isFolder = QStringLiteral("na tomto místě je složka");
        QTest::newRow("saving, missing folder")
            << Doing::Saving << Cause::MissingFolder << "složka neexistuje" << ENOENT;
        QTest::newRow("saving, folder") << Doing::Saving << Cause::Folder << isFolder << EISDIR;
        QTest::newRow("saving, long name")
            << Doing::Saving << Cause::LongName << tooLong << ENAMETOOLONG;
        QTest::newRow("saving, read-only file")
            << Doing::Saving << Cause::ReadOnlyFile << "soubor je jen pro čtení" << EACCES;
        QTest::newRow("saving, permission")
            << Doing::Saving << Cause::Permission << noAccess << EACCES;
        QTest::newRow("saving, no space") << Doing::Saving << Cause::NoSpace << noRoom << ENOSPC;
        QTest::newRow("reading, missing folder")
            << Doing::Reading << Cause::MissingFolder << "soubor neexistuje" << ENOENT;
        QTest::newRow("reading, folder")
            << Doing::Reading << Cause::Folder << "je to složka" << EISDIR;
        QTest::newRow("reading, permission")
            << Doing::Reading << Cause::Permission << noAccess << EACCES;
        QTest::newRow("downloading, missing folder")
            << Doing::Downloading << Cause::MissingFolder << "soubor nebo jeho složka neexistuje"
            << ENOENT;
        QTest::newRow("downloading, folder")
            << Doing::Downloading << Cause::Folder << isFolder << EISDIR;
        QTest::newRow("downloading, long name")
            << Doing::Downloading << Cause::LongName << tooLong << ENAMETOOLONG;
        QTest::newRow("downloading, read-only file")
            << Doing::Downloading << Cause::ReadOnlyFile << noAccess << EACCES;
        QTest::newRow("downloading, permission")
            << Doing::Downloading << Cause::Permission << noAccess << EACCES;
        QTest::newRow("downloading, no space")
            << Doing::Downloading << Cause::NoSpace << noRoom << ENOSPC;
        QTest::newRow("unforeseen, permission")
            << Doing::Unforeseen << Cause::Permission << noAccess << EACCES;
    }
    void failureMessagesNameTheCauseInCzech() {
        QFETCH(Doing, doing);
        QFETCH(Cause, cause);
        QFETCH(QString, reason);
        QFETCH(int, errnum);
        const bool root = geteuid() == 0;
        if (root && doing != Doing::Unforeseen &&
            (cause == Cause::Permission ||
             (cause == Cause::ReadOnlyFile && doing != Doing::Saving)))
            QSKIP("root writes and reads anywhere; tests/run-unprivileged.sh runs this");
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("slozka"));
        QVERIFY(QDir().mkpath(folder));
        QString path = folder + QStringLiteral("/soubor.txt");
        auto restore = qScopeGuard([&] { ::chmod(QFile::encodeName(folder).constData(), 0755); });
        std::optional<SmallDisk> disk;
        switch (cause) {
        case Cause::MissingFolder:
            path = folder + QStringLiteral("/nic/soubor.txt");
            break;
        case Cause::Folder:
            QVERIFY(QDir().mkpath(path));
            break;
        case Cause::LongName:
            path = folder + u'/' + QString(300, u'a');
            break;
        case Cause::ReadOnlyFile:
            QVERIFY(textfile::saveFile(path, "stare").ok());
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
            break;
        case Cause::Permission:
            // A download makes a new file in the folder; a save replaces the old one.
            if (doing != Doing::Downloading)
                QVERIFY(textfile::saveFile(path, "stare").ok());
            if (doing == Doing::Reading)
                QVERIFY(QFile::setPermissions(path, {}));
            else
                QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
            break;
        case Cause::NoSpace:
            disk.emplace(folder);
            if (!disk->mounted())
                QSKIP(SmallDisk::kNotHere);
            break;
        }
        const QString message = messageOf(doing, path);
        const QString english = QString::fromLocal8Bit(std::strerror(errnum));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY2(!message.contains(english, Qt::CaseInsensitive), qPrintable(message));
    }

    // A refused save of the editor leaves the recordings it moved back in Temp, where
    // the records and the old file on the disk say they are.
    void refusedEditorSaveKeepsItsRecordingsInTemp() {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders; tests/run-unprivileged.sh runs this");
        Attempt attempt(QStringLiteral("editor-save"));
        QVERIFY(attempt.ready());
        TForm2 *editor = attempt.windows.forms().Form2;
        editor->show();
        const QString recording = QDir::toNativeSeparators(
            attempt.windows.platform().writeFile(QStringLiteral("Temp/nahravka.wav"), "RIFF"));
        editor->edtang->setText(QStringLiteral("word"));
        editor->edtcz->setText(QStringLiteral("slovo"));
        editor->edtzvuk->setText(recording);
        QTest::mouseClick(editor->btpridej, Qt::LeftButton);
        // The sound folder takes files; only the dictionary's folder is read-only.
        const QString sounds = QDir(attempt.folder).filePath(QStringLiteral("SLOVNIK"));
        QVERIFY(QDir().mkpath(sounds));
        const QByteArray folder = QFile::encodeName(attempt.folder);
        QVERIFY(::chmod(folder.constData(), 0555) == 0);
        auto writable = qScopeGuard([&] { ::chmod(folder.constData(), 0755); });
        attempt.windows.dialogs().shown.clear();
        QTest::mouseClick(editor->BitBtn3, Qt::LeftButton);
        checkRefusedSave(attempt.windows, attempt.target);
        QCOMPARE(bytesOf(recording), QByteArray("RIFF"));
        QCOMPARE(editor->dictionary().last().zvuk, recording);
        QVERIFY(QDir(sounds).isEmpty());
    }

    // The same saves into a folder that takes them write what the variant asks for:
    // the faults above are what made them fail.
    void everySiteSavesIntoAWritableFolder_data() { addSites(); }
    void everySiteSavesIntoAWritableFolder() {
        QFETCH(QString, site);
        Attempt attempt(site);
        QVERIFY(attempt.ready());
        attempt.save();
        const QByteArray written = bytesOf(attempt.target);
        QVERIFY(written != kOldFile);
        QVERIFY(!written.isEmpty());
        for (const ScriptedDialogs::Shown &shown : attempt.windows.dialogs().shown)
            QVERIFY2(shown.kind != MessageKind::Error, qPrintable(shown.text));
        QVERIFY(textfile::temporariesOf(attempt.target).isEmpty());
    }
};

Q_DECLARE_METATYPE(Doing)
Q_DECLARE_METATYPE(Cause)

QTEST_MAIN(TestSaveFaults)
#include "tst_savefaults.moc"
