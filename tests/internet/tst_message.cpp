// The message to the author, through the desktop's mail layer and a stand-in that records
// what it was given: xdg-email on Linux, the mail client's MAPI32.DLL on Windows
// (tests/internet/mapistandin.cpp, beside the test).
#include "app/Unit1.h"
#include "core/product.h"
#include "internet/Unit19.h"
#include "support/press.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {} // namespace

class TestMessage : public QObject {
    Q_OBJECT

    QTemporaryDir m_bin;
    QString m_record;
    std::unique_ptr<TestWindows> m_windows;

    TForm19 *message() { return m_windows->forms().Form19; }
    QString messageFile() { return m_windows->platform().folder.workDir() + "Zprava.txt"; }

private slots:
    void initTestCase() {
        m_record = m_bin.filePath("arguments.txt");
        qputenv("VOKAB_MAIL_RECORD", m_record.toLocal8Bit());
#ifdef Q_OS_WIN
        QVERIFY(QFile::exists(QCoreApplication::applicationDirPath() + "/MAPI32.dll"));
        return;
#endif
        QFile script(m_bin.filePath("xdg-email"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$VOKAB_MAIL_RECORD\"\n"
                     "exit \"${VOKAB_MAIL_EXIT:-0}\"\n");
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("PATH", m_bin.path().toLocal8Bit() + ":" + qgetenv("PATH"));
    }
    void init() {
        qunsetenv("VOKAB_MAIL_EXIT");
        QFile::remove(m_record);
        auto platform = std::make_unique<TestPlatform>();
        platform->mail = makeMail();
        m_windows = std::make_unique<TestWindows>(std::move(platform));
        message()->show();
    }
    void cleanup() {
        m_windows.reset();
    }

    void theMailClientGetsSubjectAttachmentAndRecipient() {
        message()->Memo1->setPlainText(QStringLiteral("Dobrý den,\nnašel jsem chybu."));
        press(message(), "BitBtn1");
        QCOMPARE(QString::fromUtf8(bytesOf(m_record)),
                 QStringLiteral("--subject\nZprava pro Velor\n--attach\n%1\n%2\n")
                     .arg(QDir::toNativeSeparators(messageFile()), product::authorEmail()));
        QCOMPARE(bytesOf(messageFile()), QByteArray("Dobr\xFD den,\r\nna\x9A"
                                                    "el jsem chybu.\r\n"));
        QVERIFY(m_windows->dialogs().shown.isEmpty());
        QCOMPARE(message()->Memo1->toPlainText(), QString());
        QVERIFY(!message()->isVisible());
        QVERIFY(m_windows->forms().Form1->isVisible());
    }

    void anEmptyPaneSendsAnEmptyFile() {
        press(message(), "BitBtn1");
        QCOMPARE(bytesOf(messageFile()), QByteArray());
        QVERIFY(bytesOf(m_record).contains("--attach"));
    }

    void aRefusingMailClientShowsTheErrorAndKeepsTheFile() {
        qputenv("VOKAB_MAIL_EXIT", "3");
        message()->Memo1->setPlainText(QStringLiteral("text"));
        press(message(), "BitBtn1");
        QCOMPARE(m_windows->dialogs().shown.size(), 1);
        const ScriptedDialogs::Shown shown = m_windows->dialogs().shown[0];
        QCOMPARE(shown.kind, MessageKind::Error);
        QCOMPARE(shown.caption, QStringLiteral("Chyba"));
        // It names what is used here: the default MAPI client on Windows, the desktop's
        // mail program reached through xdg-email on Linux.
#ifdef Q_OS_WIN
        QCOMPARE(shown.text, QStringLiteral("Nepodařilo se poslat zprávu elektronickou poštou.\n\n"
                                            "Pokud používáte Outlook expres, zkontrolujte, zda je "
                                            "nastaven jako výchozí klient MAPI."));
#else
        QCOMPARE(shown.text, QStringLiteral("Nepodařilo se poslat zprávu elektronickou poštou.\n\n"
                                            "Zkontrolujte, zda je v nastavení pracovní plochy "
                                            "zvolen výchozí poštovní program; zprávu mu předává "
                                            "příkaz xdg-email."));
#endif
        QCOMPARE(bytesOf(messageFile()), QByteArray("text\r\n"));
        QCOMPARE(message()->Memo1->toPlainText(), QString());
    }

    void aTextThatCannotBeSavedStaysInThePane() {
        message()->Memo1->setPlainText(QStringLiteral("emoji 😀"));
        press(message(), "BitBtn1");
        QCOMPARE(m_windows->dialogs().shown.size(), 1);
        QCOMPARE(m_windows->dialogs().shown[0].kind, MessageKind::Error);
        QCOMPARE(message()->Memo1->toPlainText(), QStringLiteral("emoji 😀"));
        QVERIFY(!QFile::exists(m_record)); // nothing was sent
    }

    void closingEmptiesThePane() {
        message()->Memo1->setPlainText(QStringLiteral("rozepsáno"));
        press(message(), "BitBtn2");
        QCOMPARE(message()->Memo1->toPlainText(), QString());
        QVERIFY(m_windows->forms().Form1->isVisible());
    }

    void anEmptySubjectBecomesExportSouboru() {
        QVERIFY(message()->odeslanipostou("/tmp/a.txt", "x@example.org", QString()));
        QVERIFY(bytesOf(m_record).startsWith("--subject\nExport souboru\n"));
    }
};

QTEST_MAIN(TestMessage)
#include "tst_message.moc"
