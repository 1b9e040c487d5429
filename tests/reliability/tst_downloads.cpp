// Downloads from a server that does not behave: a version file without end, an
// installer larger than announced, a server that stops sending. The transfer stops
// early (the server gets to send little of what it would), the user hears "Aktualizace
// se nepovedla." and why, and no partial file is left; a download the user cancels leaves none
// either.
#include "app/Unit1.h"
#include "internet/Unit20.h"
#include "internet/aktulizovaniznetu.h"
#include "support/httpserver.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(HttpServer::Body)

namespace {

constexpr std::chrono::milliseconds kStallTime{300};
// What a transfer cut off at its limit may still have had on its way: the buffers of
// the program and of both ends of the connection.
constexpr qint64 kInFlight = qint64(16) << 20;

QByteArray versionFile(qint64 size, const QString &address) {
    return cp1250(QStringLiteral("2.30\r\n%1\r\n8.12.2026\r\n%2\r\nsetup.exe\r\nnové\r\n")
                      .arg(size)
                      .arg(address));
}

} // namespace

class TestDownloads : public QObject {
    Q_OBJECT

private slots:
    void downloadThatDoesNotEndWholeLeavesNothing_data() {
        QTest::addColumn<bool>("installer"); // else the version file
        QTest::addColumn<HttpServer::Body>("body");
        QTest::addColumn<qint64>("announced"); // the installer's size in the version file
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("reason"); // told after "Aktualizace se nepovedla."
        const QByteArray chunk(64 * 1024, 'x');
        const QString larger = QStringLiteral("\nStahovaný soubor je větší než %1 bajtů.");
        const QString stopped = QStringLiteral("\nServer přestal posílat data.");
        QTest::newRow("version file without end")
            << false << HttpServer::Body{chunk, 200, false, true} << qint64(0) << false
            << larger.arg(64 * 1024);
        QTest::newRow("version file larger than its limit")
            << false << HttpServer::Body{QByteArray(64 * 1024 + 10, 'v')} << qint64(0) << false
            << larger.arg(64 * 1024);
        QTest::newRow("version file stops coming")
            << false << HttpServer::Body{QByteArray(1000, 'v'), 200, true} << qint64(0) << false
            << stopped;
        QTest::newRow("installer without end") << true << HttpServer::Body{chunk, 200, false, true}
                                               << qint64(1000) << false << larger.arg(1000);
        QTest::newRow("installer larger than announced")
            << true << HttpServer::Body{QByteArray(5000, 'i')} << qint64(1000) << false
            << larger.arg(1000);
        QTest::newRow("installer shorter than announced")
            << true << HttpServer::Body{QByteArray(900, 'i')} << qint64(1000) << false << "";
        QTest::newRow("installer stops coming")
            << true << HttpServer::Body{QByteArray(200000, 'i'), 200, true} << qint64(200000)
            << false << stopped;
        QTest::newRow("installer cancelled")
            << true << HttpServer::Body{QByteArray(200000, 'i'), 200, true} << qint64(200000)
            << true << "";
    }
    void downloadThatDoesNotEndWholeLeavesNothing() {
        QFETCH(bool, installer);
        QFETCH(HttpServer::Body, body);
        QFETCH(qint64, announced);
        QFETCH(bool, cancel);
        QFETCH(QString, reason);
        HttpServer http;
        qputenv("VOKAB_UPDATE_URL", http.url("/N-VERZE.TXT").toUtf8());
        auto platform = std::make_unique<TestPlatform>();
        platform->network = std::make_unique<LoopbackNetwork>(kStallTime);
        TestWindows windows(std::move(platform));
        TForm18 *update = windows.forms().Form18;
        TForm20 *progress = windows.forms().Form20;
        const QString target = installer ? windows.platform().folder.updates() + "setup.exe"
                                         : windows.platform().folder.workDir() + "N-VERZE.TXT";
        if (installer) {
            http.bodies["/N-VERZE.TXT"] = {versionFile(announced, http.url("/setup.exe"))};
            http.bodies["/setup.exe"] = body;
        } else {
            http.bodies["/N-VERZE.TXT"] = body;
        }

        windows.forms().Form1->Aktualizace1->trigger();
        if (installer) {
            QTRY_VERIFY(update->isVisible());
            QVERIFY(windows.dialogs().shown.isEmpty());
            http.sent = 0;
            QTest::mouseClick(update->BitBtn1, Qt::LeftButton);
        }
        if (cancel) {
            QTRY_VERIFY(QFileInfo(target).size() > 0);
            QTest::mouseClick(progress->BitBtn2, Qt::LeftButton);
            QTest::qWait(100);
            QVERIFY(windows.dialogs().shown.isEmpty()); // cancelling is not a failure
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(!windows.dialogs().shown.isEmpty(), 20000);
            QCOMPARE(windows.dialogs().texts(),
                     QStringList{QStringLiteral("Aktualizace se nepovedla.") + reason});
        }
        QVERIFY(!progress->isVisible());
        QVERIFY(windows.forms().Form1->isVisible());
        qInfo("the server got to send %lld bytes", http.sent);
        QVERIFY2(http.sent < kInFlight, qPrintable(QString::number(http.sent)));
        QVERIFY2(!QFileInfo::exists(target), qPrintable(QString::number(QFileInfo(target).size())));
    }
};

QTEST_MAIN(TestDownloads)
#include "tst_downloads.moc"
