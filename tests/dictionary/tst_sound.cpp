#include "app/forms.h"
#include "dictionary/Unit2.h"
#include "dictionary/Unit3.h"
#include "dictionary/Unit5.h"
#include "dictionary/wav.h"
#include "support/testplatform.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

QString native(const QString &path) {
    return QDir::toNativeSeparators(path);
}

QColor colourOf(const QLabel *label) {
    return label->palette().color(QPalette::WindowText);
}

} // namespace

class TestSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Czech)); }
    void init() { m_windows = std::make_unique<TestWindows>(); }
    void cleanup() { m_windows.reset(); }

    void recordingIsNamedAfterTheForeignExpression_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("file");
        QTest::newRow("question mark") << "what?"
                                       << "Temp/what1.wav";
        QTest::newRow("exclamation mark") << "hello!"
                                          << "Temp/hello2.wav";
        QTest::newRow("slash stays in Temp") << "../x"
                                             << "Temp/.._x.wav";
    }
    void recordingIsNamedAfterTheForeignExpression() {
        QFETCH(QString, expression);
        QFETCH(QString, file);
        TForm5 *s = sound();
        editor()->edtang->setText(expression);
        editor()->edtcz->setText(QStringLiteral("cokoli"));
        editor()->btpridejzvukClick();
        QVERIFY(s->isVisible());
        QCOMPARE(s->Label4->text(), QStringLiteral("Připraven"));
        QCOMPARE(s->Label2->text(), QStringLiteral("0 s"));

        s->button1Click();
        QVERIFY(s->nahravani);
        QVERIFY(s->Timer1->isActive());
        QCOMPARE(s->Timer1->interval(), 200);
        s->Timer1Timer();
        QCOMPARE(s->Label4->text(), QStringLiteral("Nahrávám..."));
        QCOMPARE(colourOf(s->Label4), QColor(0, 0x80, 0));
        QCOMPARE(s->ProgressBar1->value(), 5);

        s->button2Click();
        const QString expected = native(platform().folder.file(file));
        QCOMPARE(platform().microphone().started, QStringList{expected});
        QCOMPARE(editor()->edtzvuk->text(), expected);
        QVERIFY(!s->nahravani);
        QVERIFY(!s->Timer1->isActive());
        QCOMPARE(s->ProgressBar1->value(), 100);
        QCOMPARE(s->Label4->text(), QStringLiteral("Konec nahrávání"));
        QCOMPARE(colourOf(s->Label4), QColor(0xFF, 0, 0));
        QCOMPARE(s->Label2->text(), QStringLiteral("Délka záznamu: 2,0 s"));
        QVERIFY(QFileInfo(platform().folder.file(file)).isFile());
    }

    void activityBarStartsAgainAfterReachingTheEnd() {
        TForm5 *s = sound();
        s->ProgressBar1->setValue(90);
        s->Timer1Timer();
        QCOMPARE(s->ProgressBar1->value(), 95);
        s->Timer1Timer();
        QCOMPARE(s->ProgressBar1->value(), 0);
    }

    void soundButtonActsOnlyWithBothExpressionsAndNoSound() {
        editor()->edtang->setText(QStringLiteral("cat"));
        editor()->btpridejzvukClick();
        QVERIFY(!sound()->isVisible());
        editor()->edtcz->setText(QStringLiteral("kočka"));
        editor()->edtzvuk->setText(QStringLiteral("/jiny.wav"));
        editor()->btpridejzvukClick();
        QVERIFY(!sound()->isVisible());
    }

    void startAndOpenWithoutAnExpressionOnlyWarn() {
        TForm5 *s = sound();
        s->button1Click();
        s->BitBtn2Click();
        QCOMPARE(dialogs().texts(),
                 (QStringList{QStringLiteral("Nahrávání nelze spustit, vyplňte prosím Český výraz "
                                             "a Anglický výraz v Editoru Výrazů"),
                              QStringLiteral("Nelze načítat zvuk ze souboru, vyplňte prosím Český "
                                             "a Anglický výraz v Editoru Výrazů")}));
        QVERIFY(platform().microphone().started.isEmpty());
        QVERIFY(dialogs().fileDialogs.isEmpty());
        QVERIFY(!s->nahravani);
    }

    void recorderFailureIsShownAndNothingChanges() {
        TForm5 *s = sound();
        editor()->edtang->setText(QStringLiteral("cat"));
        s->zobraz();
        platform().microphone().failure = QStringLiteral("Žádný mikrofon.");
        s->button1Click();
        QCOMPARE(dialogs().texts(), QStringList{QStringLiteral("Žádný mikrofon.")});
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Error);
        QVERIFY(!s->nahravani);
        QVERIFY(!s->Timer1->isActive());
        QCOMPARE(s->Label4->text(), QStringLiteral("Připraven"));
        s->button2Click(); // Stop without a recording does nothing
        QCOMPARE(editor()->edtzvuk->text(), QStringLiteral("NENÍ"));
    }

    void okWithoutRecordingAddsTheExpressionWithoutSound() {
        editor()->edtang->setText(QStringLiteral("cat"));
        editor()->edtcz->setText(QStringLiteral("kočka"));
        editor()->btpridejzvukClick();
        sound()->BitBtn4Click();
        QVERIFY(!sound()->isVisible());
        QCOMPARE(editor()->pocet(), 1);
        QCOMPARE(editor()->slovnik()[0].zvuk, QStringLiteral("NENÍ"));
    }

    void okDuringARecordingDropsItAndAdds() {
        editor()->edtang->setText(QStringLiteral("cat"));
        editor()->edtcz->setText(QStringLiteral("kočka"));
        editor()->btpridejzvukClick();
        sound()->button1Click();
        sound()->BitBtn4Click();
        QCOMPARE(platform().microphone().dropped, 1);
        QVERIFY(!platform().recorder->isRecording());
        QVERIFY(!sound()->nahravani);
        QCOMPARE(editor()->slovnik()[0].zvuk, QStringLiteral("NENÍ"));
    }

    void zpetAfterRecordingKeepsThePathForTheNextAdd() {
        editor()->edtang->setText(QStringLiteral("dog"));
        editor()->edtcz->setText(QStringLiteral("pes"));
        editor()->btpridejzvukClick();
        sound()->button1Click();
        sound()->button2Click();
        sound()->BitBtn1Click();
        QVERIFY(!sound()->isVisible());
        QCOMPARE(editor()->pocet(), 0);
        const QString path = native(platform().folder.file(QStringLiteral("Temp/dog.wav")));
        QCOMPARE(editor()->edtzvuk->text(), path);
        editor()->btpridejClick();
        QCOMPARE(editor()->slovnik()[0].zvuk, path);
    }

    void znovaAsksDeletesAndRecordsAgain() {
        editor()->edtang->setText(QStringLiteral("cat"));
        TForm5 *s = sound();
        s->button1Click();
        s->button2Click();
        const QString path = platform().folder.file(QStringLiteral("Temp/cat.wav"));
        QVERIFY(QFile::exists(path));
        dialogs().answers = {false};
        s->BitBtn3Click();
        QCOMPARE(dialogs().texts().last(), QStringLiteral("Opravdu si přejete znova nahrát zvuk?"));
        QCOMPARE(platform().microphone().started.size(), 1);
        dialogs().answers = {true};
        s->BitBtn3Click();
        QCOMPARE(platform().microphone().started.size(), 2);
        QVERIFY(s->nahravani);
        QVERIFY(s->Timer1->isActive());
        // The old recording is gone; the new one starts with an empty file.
        QCOMPARE(wav::readHeaderOfFile(path)->fileSize, 44u);
    }

    void openedSoundFileShowsItsLengthAndIsNotCopied() {
        editor()->edtang->setText(QStringLiteral("cat"));
        TForm5 *s = sound();
        s->zobraz();
        const QString file =
            platform().writeFile(QStringLiteral("Zvuky/Kocka.wav"),
                                 wav::pcmFile(QByteArray(22050, '\x80'), 11025, 1, 8));
        dialogs().files = {file};
        s->BitBtn2Click();
        QCOMPARE(dialogs().fileDialogs.last().filter, QStringLiteral("Zvukový soubor|*.wav"));
        QCOMPARE(editor()->edtzvuk->text(), native(file));
        QCOMPARE(s->Label4->text(), QStringLiteral("Zvuk byl načten ze souboru"));
        QCOMPARE(s->Label2->text(), QStringLiteral("Délka záznamu: 2,0 s"));
        QCOMPARE(s->OpenDialog1.fileName, file.toLower());
        QVERIFY(QFile::exists(file));

        // A file that is not a WAV file still becomes the sound; the length stays.
        const QString text = platform().writeFile(QStringLiteral("Zvuky/text.wav"), "hello");
        dialogs().files = {text};
        s->BitBtn2Click();
        QCOMPARE(editor()->edtzvuk->text(), native(text));
        QCOMPARE(s->Label2->text(), QStringLiteral("Délka záznamu: 2,0 s"));
    }

    void editDialogRecordsIntoTempAndPlaysTheSound() {
        for (const char *word : {"one", "two", "three"}) {
            editor()->edtang->setText(QString::fromLatin1(word));
            editor()->edtcz->setText(QStringLiteral("x"));
            editor()->btpridejClick();
        }
        editor()->vyberRadek(1);
        editor()->btupravClick();
        TForm3 *d = forms().Form3;
        d->Edit1->setText(QStringLiteral("cat"));
        d->button1Click();
        QVERIFY(sound()->nahravani);
        QVERIFY(!d->BitBtn1->isEnabled());
        d->Timer1Timer();
        QCOMPARE(d->ProgressBar1->value(), 5);
        d->button2Click();
        const QString path = native(platform().folder.file(QStringLiteral("Temp/cat.wav")));
        QCOMPARE(d->Edit4->text(), path);
        QCOMPARE(d->ProgressBar1->value(), 100);
        QVERIFY(d->BitBtn1->isEnabled());

        d->BitBtn3Click();
        QCOMPARE(platform().sound().played, QStringList{path});
        d->BitBtn1Click();
        QCOMPARE(editor()->slovnik()[1].zvuk, path);
        QCOMPARE(editor()->slovnik()[1].ang, QStringLiteral("cat"));
        QCOMPARE(editor()->slovnik()[0].zvuk, QStringLiteral("NENÍ"));
        QCOMPARE(editor()->slovnik()[2].ang, QStringLiteral("three"));
    }

    void editDialogPlaysNothingForNoSoundOrAMissingFile() {
        editor()->edtang->setText(QStringLiteral("a"));
        editor()->edtcz->setText(QStringLiteral("b"));
        editor()->btpridejClick();
        editor()->btupravClick();
        TForm3 *d = forms().Form3;
        d->BitBtn3Click();
        d->Edit4->setText(platform().folder.file(QStringLiteral("Temp/chybi.wav")));
        d->BitBtn3Click();
        QVERIFY(platform().sound().played.isEmpty());
        // The substitution applies to the whole path before playing.
        const QString real = platform().writeFile(QStringLiteral("Temp/what1.wav"), "RIFF");
        d->Edit4->setText(platform().folder.file(QStringLiteral("Temp/what?.wav")));
        d->BitBtn3Click();
        QCOMPARE(platform().sound().played, QStringList{real});
        d->BitBtn2Click();
        QCOMPARE(editor()->slovnik()[0].zvuk, QStringLiteral("NENÍ"));
    }

    void editDialogOpensASoundFileThroughTheSharedDialog() {
        editor()->edtang->setText(QStringLiteral("a"));
        editor()->edtcz->setText(QStringLiteral("b"));
        editor()->btpridejClick();
        editor()->btupravClick();
        const QString file = platform().writeFile(QStringLiteral("Zvuky/A.wav"), "RIFF");
        dialogs().files = {file};
        forms().Form3->BitBtn4Click();
        QCOMPARE(forms().Form3->Edit4->text(), native(file));
        QCOMPARE(sound()->OpenDialog1.history, QStringList{file.toLower()});
    }

private:
    TForm2 *editor() { return m_windows->forms().Form2; }
    TForm5 *sound() { return m_windows->forms().Form5; }
    Forms &forms() { return m_windows->forms(); }
    ScriptedDialogs &dialogs() { return m_windows->dialogs(); }
    TestPlatform &platform() { return m_windows->platform(); }
    std::unique_ptr<TestWindows> m_windows;
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
