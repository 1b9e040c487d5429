// The update against a real HTTP server on 127.0.0.1.
#include "app/Unit1.h"
#include "app/forms.h"
#include "internet/Unit20.h"
#include "internet/aktulizovaniznetu.h"
#include "internet/verze.h"
#include "support/testfiles.h"
#include "support/testplatform.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

namespace {

// Serves fixed bodies by path; a "stalling" body sends its first half and then waits
// with the connection open, as a slow download does.
class HttpServer : public QObject {
public:
    struct Body {
        QByteArray bytes;
        int status = 200;
        bool stall = false;
    };
    QMap<QString, Body> bodies;
    QStringList userAgents;

    HttpServer() {
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
        });
        m_server.listen(QHostAddress::LocalHost);
    }
    QString url(const QString &path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path);
    }

private:
    void answer(QTcpSocket *socket) {
        m_requests[socket] += socket->readAll();
        const QByteArray &request = m_requests[socket];
        if (!request.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> lines = request.split('\n');
        const QString path = QString::fromLatin1(lines[0].split(' ').value(1));
        for (const QByteArray &line : lines) {
            if (line.toLower().startsWith("user-agent:"))
                userAgents.append(QString::fromLatin1(line.mid(11).trimmed()));
        }
        const Body body = bodies.value(path, Body{"not here", 404, false});
        QByteArray head = "HTTP/1.1 " + QByteArray::number(body.status) +
                          (body.status == 200 ? " OK" : " Not Found") +
                          "\r\nContent-Length: " + QByteArray::number(body.bytes.size()) +
                          "\r\nContent-Type: application/octet-stream\r\n\r\n";
        socket->write(head);
        if (body.stall) {
            socket->write(body.bytes.left(body.bytes.size() / 2));
            return; // the rest never comes
        }
        socket->write(body.bytes);
        socket->flush();
        socket->disconnectFromHost();
    }
    QTcpServer m_server;
    QMap<QTcpSocket *, QByteArray> m_requests;
};

class LoopbackNetwork final : public Network {
public:
    bool online = true;
    bool connected() const override { return online; }
    std::unique_ptr<Download> createDownload() override { return makeHttpDownload(); }
};

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
        m_windows->forms().Form1->Aktualizace1Click();
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
    }
    void cleanup() { m_windows.reset(); }

    void sameVersionDisablesDownloadAndShowsNothing() {
        check(versionFile("2.20", "100", m_http.url("/x.exe"), "x.exe", "A;B"));
        QCOMPARE(dialogs().texts(),
                 QStringList{QStringLiteral("Žádná nová verze programu nebyla nalezena.")});
        QVERIFY(!update()->BitBtn1->isEnabled());
        for (QLabel *value : {update()->lbverze, update()->lbvelikost, update()->lbdatum})
            QCOMPARE(value->text(), QStringLiteral("-"));
        QCOMPARE(update()->Memo1->toPlainText(), QString());
        QCOMPARE(m_http.userAgents.value(0), QStringLiteral("UtilMind HTTPGet"));
        QVERIFY(QFileInfo::exists(m_windows->platform().folder.workDir() + "N-VERZE.TXT"));
    }

    void anyOtherVersionOffersTheDownloadWithItsNews() {
        check(versionFile("2.10", "100", m_http.url("/x.exe"), "x.exe", "A;B;C"));
        QVERIFY(dialogs().shown.isEmpty());
        QVERIFY(update()->BitBtn1->isEnabled());
        QCOMPARE(update()->lbverze->text(), QStringLiteral("2.10"));
        QCOMPARE(update()->lbdatum->text(), QStringLiteral("8.12.2026"));
        QCOMPARE(update()->Memo1->toPlainText(), QStringLiteral("A\nB\nC"));
    }

    void newsEndsAtTheFirstEmptyItem() {
        QCOMPARE(verze::parse("1\r\n2\r\n3\r\n4\r\n5\r\nA;B;")->news, (QStringList{"A", "B"}));
        QCOMPARE(verze::parse("1\r\n2\r\n3\r\n4\r\n5\r\nA;;C")->news, QStringList{"A"});
        QCOMPARE(verze::parse("2.30")->fileName, QString());
        QVERIFY(!verze::parse(QByteArray(verze::kMaxFileSize + 1, 'x')));
    }

    void failedDownloadOfTheVersionFileIsReported() {
        m_windows->forms().Form1->Aktualizace1Click(); // nothing served: 404
        QTRY_COMPARE(dialogs().texts(), QStringList{QStringLiteral("Aktualizace se nepovedla.")});
        QVERIFY(!update()->isVisible());
    }

    void offlineIsReportedWithoutAnyDownload() {
        m_network->online = false;
        m_windows->forms().Form1->Aktualizace1Click();
        QCOMPARE(dialogs().texts(),
                 QStringList{QStringLiteral("Momentálně nejste připojeni k Internetu, "
                                            "aktualizace nemůže být provedena")});
        QVERIFY(m_http.userAgents.isEmpty());
    }

    void oversizedVersionFileIsRefused() {
        check(QByteArray(verze::kMaxFileSize + 10, 'x'));
        QTRY_COMPARE(dialogs().lastText(), QStringLiteral("Aktualizace se nepovedla."));
        QVERIFY(!update()->BitBtn1->isEnabled());
    }

    void installerArrivesWholeAndIsOfferedForStarting() {
        const QByteArray installer(50000, 'i');
        m_http.bodies["/setup.exe"] = {installer};
        check(versionFile("2.30", QString::number(installer.size()), m_http.url("/setup.exe"),
                          "setup.exe", "nové"));
        dialogs().answers.push_back(true);
        update()->BitBtn1Click();
        QVERIFY(progress()->Gauge1->isVisible());
        QCOMPARE(progress()->Label3->text(), QStringLiteral("setup.exe"));
        QCOMPARE(progress()->Gauge1->maximum(), installer.size());
        QTRY_COMPARE(dialogs().lastText(),
                     QStringLiteral("Aktualizace byla provedena úspěšně. Přejete si nyní "
                                    "nainstalovat novou verzi?"));
        const QString target = m_windows->platform().folder.updates() + "setup.exe";
        QCOMPARE(QFileInfo(target).size(), installer.size());
        QCOMPARE(progress()->Gauge1->value(), installer.size());
        QCOMPARE(m_windows->platform().desktop().programs, (QList<QStringList>{{target}}));
    }

    void answeringNoKeepsTheInstallerAndReturns() {
        m_http.bodies["/setup.exe"] = {QByteArray(100, 'i')};
        check(versionFile("2.30", "100", m_http.url("/setup.exe"), "setup.exe", ""));
        dialogs().answers.push_back(false);
        update()->BitBtn1Click();
        QTRY_VERIFY(dialogs().shown.size() == 1);
        QVERIFY(m_windows->platform().desktop().programs.isEmpty());
        QVERIFY(QFileInfo::exists(m_windows->platform().folder.updates() + "setup.exe"));
        QVERIFY(m_windows->forms().Form1->isVisible());
        QVERIFY(!update()->isVisible());
    }

    void installerOfAnotherSizeIsNotOffered() {
        m_http.bodies["/setup.exe"] = {QByteArray(90, 'i')};
        check(versionFile("2.30", "100", m_http.url("/setup.exe"), "setup.exe", ""));
        update()->BitBtn1Click();
        QTRY_COMPARE(dialogs().texts(), QStringList{QStringLiteral("Aktualizace se nepovedla.")});
        QVERIFY(m_windows->platform().desktop().programs.isEmpty());
    }

    void nonNumericSizeLeavesTheBarRunningWithoutEnd() {
        m_http.bodies["/setup.exe"] = {QByteArray(100, 'i')};
        check(versionFile("2.30", "sto", m_http.url("/setup.exe"), "setup.exe", ""));
        dialogs().answers.push_back(false);
        update()->BitBtn1Click();
        QCOMPARE(progress()->Gauge1->maximum(), 0);
        QTRY_COMPARE(dialogs().shown.size(), 1);
        QVERIFY(dialogs().shown[0].isQuestion);
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
        update()->BitBtn1Click();
        QCOMPARE(dialogs().texts(), QStringList{QStringLiteral("Aktualizace se nepovedla.")});
        QVERIFY(!progress()->isVisible());
        QCOMPARE(QDir(m_windows->platform().folder.path()).entryList(QDir::AllEntries), before);
        QVERIFY(QDir(m_windows->platform().folder.updates()).isEmpty());
    }

    void cancellingLeavesThePartialFile() {
        m_http.bodies["/setup.exe"] = {QByteArray(200000, 'p'), 200, true};
        check(versionFile("2.30", "200000", m_http.url("/setup.exe"), "setup.exe", ""));
        update()->BitBtn1Click();
        const QString target = m_windows->platform().folder.updates() + "setup.exe";
        QTRY_VERIFY(QFileInfo(target).size() > 0);
        progress()->Timer1Timer();
        QVERIFY(progress()->Gauge1->value() > 0);
        progress()->BitBtn2Click();
        QVERIFY(!progress()->isVisible());
        QVERIFY(m_windows->forms().Form1->isVisible());
        QCOMPARE(progress()->posledni(), 0);
        QTest::qWait(100);
        const qint64 partial = QFileInfo(target).size();
        QVERIFY(partial > 0 && partial < 200000);
        QVERIFY(dialogs().shown.isEmpty()); // cancelling is not a failure
    }

    void plainFileNamesAndWebAddresses() {
        QVERIFY(verze::isPlainFileName("vokab-2.30-setup.exe"));
        QVERIFY(!verze::isPlainFileName(".."));
        QVERIFY(!verze::isPlainFileName("a..b"));
        QVERIFY(!verze::isPlainFileName("x.exe."));
        QVERIFY(verze::isWebAddress("https://vokab.example.org/x.exe"));
        QVERIFY(!verze::isWebAddress("https:///x.exe"));
        QVERIFY(!verze::isWebAddress("javascript:alert(1)"));
        QCOMPARE(verze::announcedSize(*verze::parse("2\r\n12345")), std::optional<qint64>(12345));
        QCOMPARE(verze::announcedSize(*verze::parse("2\r\n-5")), std::optional<qint64>());
        QCOMPARE(verze::announcedSize(*verze::parse("2\r\n12 MB")), std::optional<qint64>());
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
