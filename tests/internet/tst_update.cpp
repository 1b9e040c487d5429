// The update against a real HTTP server on 127.0.0.1.
#include "app/Unit1.h"
#include "internet/Unit20.h"
#include "internet/aktulizovaniznetu.h"
#include "internet/verze.h"
#include "statistics/Unit23.h"
#include "support/httpserver.h"
#include "support/press.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QByteArray versionFile(const QString &version, const QString &size, const QString &address,
                       const QString &name, const QString &news) {
    return cp1250(version + "\r\n" + size + "\r\n8.12.2026\r\n" + address + "\r\n" + name + "\r\n" +
                  news + "\r\n");
}

} // namespace

class TestUpdate : public QObject {
    Q_OBJECT

    HttpServer m_http;
    std::unique_ptr<TestWindows> m_windows;
    LoopbackNetwork *m_network = nullptr;

    TForm18 *update() { return m_windows->forms().Form18; }
    TForm20 *progress() { return m_windows->forms().Form20; }
    ScriptedDialogs &dialogs() { return m_windows->dialogs(); }

    // Fetches the version file through the main window and waits for its window.
    void check(const QByteArray &file) {
        m_http.bodies["/N-VERZE.TXT"] = {file};
        press(m_windows->forms().Form1, "Aktualizace1");
        QTRY_VERIFY(update()->isVisible() || !dialogs().shown.isEmpty());
    }

private slots:
    void init() {
        qputenv("VOKAB_UPDATE_URL", m_http.url("/N-VERZE.TXT").toUtf8());
        auto platform = std::make_unique<TestPlatform>();
        auto network = std::make_unique<LoopbackNetwork>();
        m_network = network.get();
        platform->network = std::move(network);
        m_windows = std::make_unique<TestWindows>(std::move(platform));
        m_http.bodies.clear();
        m_http.userAgents.clear();
        m_http.paths.clear();
    }
    void cleanup() { m_windows.reset(); }

    void sameVersionDisablesDownloadAndShowsNothing() {
        check(versionFile("2.20", "100", m_http.url("/x.exe"), "x.exe", "A;B"));
        QCOMPARE(dialogs().texts(),
                 QStringList{QStringLiteral("Žádná nová verze programu nebyla nalezena.")});
        QVERIFY(!update()->BitBtn1->isEnabled());
        for (QLabel *value : {update()->versionLabel, update()->sizeLabel, update()->dateLabel})
            QCOMPARE(value->text(), QStringLiteral("-"));
        QCOMPARE(update()->Memo1->toPlainText(), QString());
        QCOMPARE(m_http.userAgents.value(0), QStringLiteral("UtilMind HTTPGet"));
        QVERIFY(QFileInfo::exists(m_windows->platform().folder.workDir() + "N-VERZE.TXT"));
    }

    void anyOtherVersionOffersTheDownloadWithItsNews() {
        check(versionFile("2.10", "100", m_http.url("/x.exe"), "x.exe", "A;B;C"));
        QVERIFY(dialogs().shown.isEmpty());
        QVERIFY(update()->BitBtn1->isEnabled());
        QCOMPARE(update()->versionLabel->text(), QStringLiteral("2.10"));
        QCOMPARE(update()->dateLabel->text(), QStringLiteral("8.12.2026"));
        QCOMPARE(update()->Memo1->toPlainText(), QStringLiteral("A\nB\nC"));
    }

    void newsEndsAtTheFirstEmptyItem() {
        QCOMPARE(versionfile::parse("1\r\n2\r\n3\r\n4\r\n5\r\nA;B;")->news,
                 (QStringList{"A", "B"}));
        QCOMPARE(versionfile::parse("1\r\n2\r\n3\r\n4\r\n5\r\nA;;C")->news, QStringList{"A"});
        QCOMPARE(versionfile::parse("2.30")->fileName, QString());
        QVERIFY(!versionfile::parse(QByteArray(versionfile::kMaxFileSize + 1, 'x')));
    }

    void failedDownloadOfTheVersionFileIsReported() {
        press(m_windows->forms().Form1, "Aktualizace1"); // nothing served: 404
        QTRY_COMPARE(dialogs().texts(),
                     QStringList{QStringLiteral("Aktualizace se nepovedla.\nStahování se "
                                                "nepodařilo: soubor na serveru není.")});
        QVERIFY(!update()->isVisible());
    }

    // "Zrušit" while the version file does not come: the main window is back, nothing
    // is shown and no part of the file stays.
    void cancellingWhileWaitingForTheVersionFileReturnsToTheMainWindow() {
        m_http.bodies["/N-VERZE.TXT"] = {
            versionFile("2.30", "100", m_http.url("/x.exe"), "x.exe", "A"), 200, true};
        m_windows->forms().Form1->show();
        m_windows->forms().Form1->Aktualizace1->trigger();
        QVERIFY(progress()->isVisible());
        QVERIFY(progress()->BitBtn1->isVisible());
        QTRY_VERIFY(m_http.sent > 0);
        QTest::mouseClick(progress()->BitBtn1, Qt::LeftButton);
        QVERIFY(!progress()->isVisible());
        QVERIFY(m_windows->forms().Form1->isVisible());
        QTest::qWait(200);
        QVERIFY(!update()->isVisible());
        QVERIFY(dialogs().shown.isEmpty());
        QVERIFY(!QFileInfo::exists(m_windows->platform().folder.workDir() + "N-VERZE.TXT"));
    }

    void offlineIsReportedWithoutAnyDownload() {
        m_network->online = false;
        press(m_windows->forms().Form1, "Aktualizace1");
        QCOMPARE(dialogs().texts(),
                 QStringList{QStringLiteral("Momentálně nejste připojeni k Internetu, "
                                            "aktualizace nemůže být provedena")});
        QVERIFY(m_http.userAgents.isEmpty());
    }

    void answeringNoKeepsTheInstallerAndReturns() {
        m_http.bodies["/setup.exe"] = {QByteArray(100, 'i')};
        check(versionFile("2.30", "100", m_http.url("/setup.exe"), "setup.exe", ""));
        dialogs().answers.push_back(false);
        press(update(), "BitBtn1");
        QTRY_VERIFY(dialogs().shown.size() == 1);
        QVERIFY(m_windows->platform().desktop().urls.isEmpty());
        QVERIFY(QFileInfo::exists(m_windows->platform().folder.updates() + "setup.exe"));
        QVERIFY(m_windows->forms().Form1->isVisible());
        QVERIFY(!update()->isVisible());
    }

    // "Install now" hands the installer to the desktop, which opens it with its handler
    // for the file's type; the program ends only when that worked.
    void installNowOpensTheInstallerAndEndsOnlyWhenItOpens_data() {
        QTest::addColumn<bool>("opens");
        QTest::newRow("the desktop opens it") << true;
        QTest::newRow("nothing can open it") << false;
    }
    void installNowOpensTheInstallerAndEndsOnlyWhenItOpens() {
        QFETCH(bool, opens);
        const QByteArray installer(50000, 'i');
        m_http.bodies["/setup.exe"] = {installer};
        m_windows->platform().desktop().opens = opens;
        // A result of this run: the statistics are written when the program ends.
        m_windows->forms().Form23->zapisdostatistik("/s/zvirata.slv", 1, 0, "Ano", "Zkoušení I");
        check(versionFile("2.30", QString::number(installer.size()), m_http.url("/setup.exe"),
                          "setup.exe", "nové"));
        dialogs().answers.push_back(true);
        QTest::mouseClick(update()->BitBtn1, Qt::LeftButton);
        QVERIFY(progress()->Gauge1->isVisible());
        QCOMPARE(progress()->Label3->text(), QStringLiteral("setup.exe"));
        QCOMPARE(progress()->Gauge1->maximum(), installer.size());
        QTRY_VERIFY(!progress()->isVisible());
        QCOMPARE(dialogs().shown.value(0).text,
                 QStringLiteral("Aktualizace byla provedena úspěšně. Přejete si nyní "
                                "nainstalovat novou verzi?"));
        const QString target = m_windows->platform().folder.updates() + "setup.exe";
        QCOMPARE(QFileInfo(target).size(), installer.size());
        QCOMPARE(m_windows->platform().desktop().urls, QList<QUrl>{QUrl::fromLocalFile(target)});
        const QString statistics = m_windows->platform().folder.userFile("statistiky.dat");
        QCOMPARE(QFileInfo::exists(statistics), opens);
        QCOMPARE(m_windows->forms().Form1->isVisible(), !opens);
        QVERIFY(!update()->isVisible());
        if (opens) {
            QCOMPARE(dialogs().shown.size(), 1);
        } else {
            QCOMPARE(dialogs().shown.size(), 2);
            QCOMPARE(dialogs().shown[1].kind, MessageKind::Error);
            QVERIFY(dialogs().lastText().contains(QDir::toNativeSeparators(target)));
        }
    }

    // The installer's size must be given: the download stops where it ends.
    void sizeThatIsNotAPositiveNumberRefusesTheUpdate_data() {
        QTest::addColumn<QString>("size");
        QTest::newRow("words") << "sto";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-5";
        QTest::newRow("missing") << "";
    }
    void sizeThatIsNotAPositiveNumberRefusesTheUpdate() {
        QFETCH(QString, size);
        m_http.bodies["/setup.exe"] = {QByteArray(100, 'i')};
        check(versionFile("2.30", size, m_http.url("/setup.exe"), "setup.exe", ""));
        QTest::mouseClick(update()->BitBtn1, Qt::LeftButton);
        QCOMPARE(dialogs().texts(), QStringList{QStringLiteral("Aktualizace se nepovedla.")});
        QVERIFY(!progress()->isVisible());
        QTest::qWait(50);
        QVERIFY(!m_http.paths.contains("/setup.exe"));
        QVERIFY(QDir(m_windows->platform().folder.updates()).isEmpty());
    }

    void unsafeNamesAndAddressesAreRefusedAndNothingIsWritten_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::newRow("traversal") << "../x"
                                   << "/setup.exe";
        QTest::newRow("folder") << "sub/x.exe"
                                << "/setup.exe";
        QTest::newRow("backslash") << "..\\..\\x.exe"
                                   << "/setup.exe";
        QTest::newRow("backslash without dots") << "sub\\x.exe"
                                                << "/setup.exe";
        QTest::newRow("drive") << "C:x.exe"
                               << "/setup.exe";
        QTest::newRow("control") << QString("x\x01.exe") << "/setup.exe";
        QTest::newRow("empty") << ""
                               << "/setup.exe";
        QTest::newRow("ftp") << "x.exe"
                             << "ftp://127.0.0.1/x.exe";
        QTest::newRow("file") << "x.exe"
                              << "file:///etc/passwd";
    }
    void unsafeNamesAndAddressesAreRefusedAndNothingIsWritten() {
        QFETCH(QString, name);
        QFETCH(QString, address);
        m_http.bodies["/setup.exe"] = {QByteArray(10, 'i')};
        const QString full = address.startsWith('/') ? m_http.url(address) : address;
        check(versionFile("2.30", "10", full, name, ""));
        const QStringList before =
            QDir(m_windows->platform().folder.path()).entryList(QDir::AllEntries);
        press(update(), "BitBtn1");
        QCOMPARE(dialogs().texts(), QStringList{QStringLiteral("Aktualizace se nepovedla.")});
        QVERIFY(!progress()->isVisible());
        QCOMPARE(QDir(m_windows->platform().folder.path()).entryList(QDir::AllEntries), before);
        QVERIFY(QDir(m_windows->platform().folder.updates()).isEmpty());
    }

    void plainFileNamesAndWebAddresses() {
        QVERIFY(versionfile::isPlainFileName("vokab-2.30-setup.exe"));
        QVERIFY(!versionfile::isPlainFileName(".."));
        QVERIFY(!versionfile::isPlainFileName("a..b"));
        QVERIFY(!versionfile::isPlainFileName("x.exe."));
        QVERIFY(versionfile::isWebAddress("https://vokab.example.org/x.exe"));
        QVERIFY(!versionfile::isWebAddress("https:///x.exe"));
        QVERIFY(!versionfile::isWebAddress("javascript:alert(1)"));
        QCOMPARE(versionfile::announcedSize(*versionfile::parse("2\r\n12345")),
                 std::optional<qint64>(12345));
        QCOMPARE(versionfile::announcedSize(*versionfile::parse("2\r\n-5")),
                 std::optional<qint64>());
        QCOMPARE(versionfile::announcedSize(*versionfile::parse("2\r\n12 MB")),
                 std::optional<qint64>());
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
