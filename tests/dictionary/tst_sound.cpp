#include "core/wav.h"
#include "dictionary/Unit2.h"
#include "dictionary/Unit3.h"
#include "dictionary/Unit5.h"
#include "support/press.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

QString native(const QString &path) {
    return QDir::toNativeSeparators(path);
}

QColor colourOf(const QLabel *label) {
    return label->palette().color(QPalette::WindowText);
}

void click(QAbstractButton *button) {
    QTest::mouseClick(button, Qt::LeftButton);
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
        press(editor(), "btpridejzvuk");
        QVERIFY(s->isVisible());
        QCOMPARE(s->Label4->text(), QStringLiteral("Připraven"));
        QCOMPARE(s->Label2->text(), QStringLiteral("0 s"));

        press(s, "button1");
        QVERIFY(s->recording);
        QVERIFY(s->Timer1->isActive());
        QCOMPARE(s->Timer1->interval(), 200);
        s->Timer1Timer();
        QCOMPARE(s->Label4->text(), QStringLiteral("Nahrávám..."));
        QCOMPARE(colourOf(s->Label4), QColor(0, 0x80, 0));
        QCOMPARE(s->ProgressBar1->value(), 5);

        press(s, "button2");
        const QString expected = native(platform().folder.userFile(file));
        QCOMPARE(platform().microphone().started, QStringList{expected});
        QCOMPARE(editor()->edtzvuk->text(), expected);
        QVERIFY(!s->recording);
        QVERIFY(!s->Timer1->isActive());
        QCOMPARE(s->ProgressBar1->value(), 100);
        QCOMPARE(s->Label4->text(), QStringLiteral("Konec nahrávání"));
        QCOMPARE(colourOf(s->Label4), QColor(0xFF, 0, 0));
        QCOMPARE(s->Label2->text(), QStringLiteral("2,0 s"));
        // The window names the length once, beside its value.
        int named = 0;
        for (const QLabel *label : s->findChildren<QLabel *>())
            named += label->text().count(QStringLiteral("Délka záznamu"));
        QCOMPARE(named, 1);
        QVERIFY(QFileInfo(platform().folder.userFile(file)).isFile());
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
        press(editor(), "btpridejzvuk");
        QVERIFY(!sound()->isVisible());
        editor()->edtcz->setText(QStringLiteral("kočka"));
        editor()->edtzvuk->setText(QStringLiteral("/jiny.wav"));
        press(editor(), "btpridejzvuk");
        QVERIFY(!sound()->isVisible());
    }

    void startAndOpenWithoutAnExpressionOnlyWarn() {
        TForm5 *s = sound();
        press(s, "button1");
        press(s, "BitBtn2");
        QCOMPARE(dialogs().texts(),
                 (QStringList{QStringLiteral("Nahrávání nelze spustit, vyplňte prosím Český výraz "
                                             "a Anglický výraz v Editoru Výrazů"),
                              QStringLiteral("Nelze načítat zvuk ze souboru, vyplňte prosím Český "
                                             "a Anglický výraz v Editoru Výrazů")}));
        QVERIFY(platform().microphone().started.isEmpty());
        QVERIFY(dialogs().fileDialogs.isEmpty());
        QVERIFY(!s->recording);
    }

    void recorderFailureIsShownAndNothingChanges() {
        TForm5 *s = sound();
        editor()->edtang->setText(QStringLiteral("cat"));
        s->showReady();
        platform().microphone().failure = QStringLiteral("Žádný mikrofon.");
        press(s, "button1");
        QCOMPARE(dialogs().texts(), QStringList{QStringLiteral("Žádný mikrofon.")});
        QCOMPARE(dialogs().shown.last().kind, MessageKind::Error);
        QVERIFY(!s->recording);
        QVERIFY(!s->Timer1->isActive());
        QCOMPARE(s->Label4->text(), QStringLiteral("Připraven"));
        press(s, "button2"); // Stop without a recording does nothing
        QCOMPARE(editor()->edtzvuk->text(), QStringLiteral("NENÍ"));
    }

    void okWithoutRecordingAddsTheExpressionWithoutSound() {
        editor()->edtang->setText(QStringLiteral("cat"));
        editor()->edtcz->setText(QStringLiteral("kočka"));
        press(editor(), "btpridejzvuk");
        press(sound(), "BitBtn4");
        QVERIFY(!sound()->isVisible());
        QCOMPARE(editor()->recordCount(), 1);
        QCOMPARE(editor()->dictionary()[0].zvuk, QStringLiteral("NENÍ"));
    }

    void okDuringARecordingDropsItAndAdds() {
        editor()->edtang->setText(QStringLiteral("cat"));
        editor()->edtcz->setText(QStringLiteral("kočka"));
        press(editor(), "btpridejzvuk");
        press(sound(), "button1");
        press(sound(), "BitBtn4");
        QCOMPARE(platform().microphone().dropped, 1);
        QVERIFY(!platform().recorder->isRecording());
        QVERIFY(!sound()->recording);
        QCOMPARE(editor()->dictionary()[0].zvuk, QStringLiteral("NENÍ"));
    }

    void zpetAfterRecordingKeepsThePathForTheNextAdd() {
        editor()->edtang->setText(QStringLiteral("dog"));
        editor()->edtcz->setText(QStringLiteral("pes"));
        press(editor(), "btpridejzvuk");
        press(sound(), "button1");
        press(sound(), "button2");
        press(sound(), "BitBtn1");
        QVERIFY(!sound()->isVisible());
        QCOMPARE(editor()->recordCount(), 0);
        const QString path = native(platform().folder.userFile(QStringLiteral("Temp/dog.wav")));
        QCOMPARE(editor()->edtzvuk->text(), path);
        press(editor(), "btpridej");
        QCOMPARE(editor()->dictionary()[0].zvuk, path);
    }

    void znovaAsksDeletesAndRecordsAgain() {
        editor()->edtang->setText(QStringLiteral("cat"));
        TForm5 *s = sound();
        press(s, "button1");
        press(s, "button2");
        const QString path = platform().folder.userFile(QStringLiteral("Temp/cat.wav"));
        QVERIFY(QFile::exists(path));
        dialogs().answers = {false};
        press(s, "BitBtn3");
        QCOMPARE(dialogs().texts().last(), QStringLiteral("Opravdu si přejete znova nahrát zvuk?"));
        QCOMPARE(platform().microphone().started.size(), 1);
        dialogs().answers = {true};
        press(s, "BitBtn3");
        QCOMPARE(platform().microphone().started.size(), 2);
        QVERIFY(s->recording);
        QVERIFY(s->Timer1->isActive());
        // The old recording is gone; the new one starts with an empty file.
        QCOMPARE(wav::readHeaderOfFile(path)->fileSize, 44u);
    }

    // "Start" records into a fresh file: an existing recording of the same expression,
    // which a record may use, is never replaced, also when the new one is dropped.
    void startNeverReplacesAnExistingRecording_data() {
        QTest::addColumn<bool>("editDialog");
        QTest::newRow("sound window") << false;
        QTest::newRow("edit dialog") << true;
    }
    void startNeverReplacesAnExistingRecording() {
        QFETCH(bool, editDialog);
        const QString old = platform().writeFile(QStringLiteral("Temp/cat.wav"), "starý");
        const QString fresh = native(platform().folder.userFile(QStringLiteral("Temp/cat_2.wav")));
        TForm2 *e = editor();
        e->show();
        e->edtang->setText(QStringLiteral("cat"));
        e->edtcz->setText(QStringLiteral("kočka"));
        if (editDialog) {
            e->edtzvuk->setText(native(old));
            click(e->btpridej);
            click(e->btuprav);
            TForm3 *d = forms().Form3;
            click(d->button1);
            QCOMPARE(bytesOf(old), QByteArray("starý"));
            click(d->button2);
            QCOMPARE(d->Edit4->text(), fresh);
            click(d->BitBtn2);
            QCOMPARE(e->dictionary()[0].zvuk, native(old));
        } else {
            click(e->btpridejzvuk);
            click(sound()->button1);
            QCOMPARE(bytesOf(old), QByteArray("starý"));
            click(sound()->BitBtn1);
            QCOMPARE(e->edtzvuk->text(), QStringLiteral("NENÍ"));
        }
        QCOMPARE(platform().microphone().started, QStringList{fresh});
        QCOMPARE(bytesOf(old), QByteArray("starý"));
    }

    // "Znova" throws away only the recording made since the window was opened, and not
    // when the dictionary has taken it meanwhile: the recording of another expression,
    // made in an earlier opening and used by the dictionary, stays.
    void znovaRemovesOnlyItsOwnUnusedRecording_data() {
        QTest::addColumn<bool>("editDialog");
        QTest::addColumn<bool>("addedMeanwhile");
        QTest::newRow("sound window") << false << false;
        QTest::newRow("edit dialog") << true << false;
        QTest::newRow("sound window, its recording added meanwhile") << false << true;
    }
    void znovaRemovesOnlyItsOwnUnusedRecording() {
        QFETCH(bool, editDialog);
        QFETCH(bool, addedMeanwhile);
        TForm2 *e = editor();
        TForm3 *d = forms().Form3;
        e->show();
        e->edtang->setText(QStringLiteral("cat"));
        e->edtcz->setText(QStringLiteral("kočka"));
        click(e->btpridejzvuk);
        click(sound()->button1);
        click(sound()->button2);
        click(sound()->BitBtn4);
        const QString cat = native(platform().folder.userFile(QStringLiteral("Temp/cat.wav")));
        QCOMPARE(e->dictionary()[0].zvuk, cat);
        const QByteArray recorded = bytesOf(cat);

        e->edtang->setText(QStringLiteral("dog"));
        e->edtcz->setText(QStringLiteral("pes"));
        QAbstractButton *znova = nullptr;
        QAbstractButton *stop = nullptr;
        if (editDialog) {
            click(e->btpridej);
            e->selectRow(1);
            click(e->btuprav);
            znova = d->BitBtn5;
            stop = d->button2;
        } else {
            click(e->btpridejzvuk);
            znova = sound()->BitBtn3;
            stop = sound()->button2;
        }
        dialogs().answers = {true};
        click(znova);
        QCOMPARE(bytesOf(cat), recorded);
        const QString dog = native(platform().folder.userFile(QStringLiteral("Temp/dog.wav")));
        QCOMPARE(platform().microphone().started.last(), dog);
        click(stop);
        if (addedMeanwhile) {
            click(e->btpridej);
            QCOMPARE(e->dictionary().last().zvuk, dog);
            e->edtang->setText(QStringLiteral("dog"));
        }
        // Its own recording goes (the next one takes the freed name again) unless the
        // dictionary uses it.
        dialogs().answers = {true};
        click(znova);
        const QString next =
            addedMeanwhile ? native(platform().folder.userFile(QStringLiteral("Temp/dog_2.wav")))
                           : dog;
        QCOMPARE(platform().microphone().started, (QStringList{cat, dog, next}));
        click(stop);
        QCOMPARE(bytesOf(cat), recorded);
        if (addedMeanwhile)
            QCOMPARE(bytesOf(dog), recorded);
        QCOMPARE(editDialog ? d->Edit4->text() : e->edtzvuk->text(), next);
    }

    void openedSoundFileShowsItsLengthAndIsNotCopied() {
        editor()->edtang->setText(QStringLiteral("cat"));
        TForm5 *s = sound();
        s->showReady();
        const QString file =
            platform().writeFile(QStringLiteral("Zvuky/Kocka.wav"),
                                 wav::pcmFile(QByteArray(22050, '\x80'), 11025, 1, 8));
        dialogs().files = {file};
        press(s, "BitBtn2");
        QCOMPARE(dialogs().fileDialogs.last().filter, QStringLiteral("Zvukový soubor|*.wav"));
        QCOMPARE(editor()->edtzvuk->text(), native(file));
        QCOMPARE(s->Label4->text(), QStringLiteral("Zvuk byl načten ze souboru"));
        QCOMPARE(s->Label2->text(), QStringLiteral("2,0 s"));
        QCOMPARE(s->OpenDialog1.fileName, file.toLower());
        QVERIFY(QFile::exists(file));

        // A file that is not a WAV file still becomes the sound; the length stays.
        const QString text = platform().writeFile(QStringLiteral("Zvuky/text.wav"), "hello");
        dialogs().files = {text};
        press(s, "BitBtn2");
        QCOMPARE(editor()->edtzvuk->text(), native(text));
        QCOMPARE(s->Label2->text(), QStringLiteral("2,0 s"));
    }

    void editDialogRecordsIntoTempAndPlaysTheSound() {
        for (const char *word : {"one", "two", "three"}) {
            editor()->edtang->setText(QString::fromLatin1(word));
            editor()->edtcz->setText(QStringLiteral("x"));
            press(editor(), "btpridej");
        }
        editor()->selectRow(1);
        press(editor(), "btuprav");
        TForm3 *d = forms().Form3;
        d->Edit1->setText(QStringLiteral("cat"));
        press(d, "button1");
        QVERIFY(sound()->recording);
        QVERIFY(!d->BitBtn1->isEnabled());
        d->Timer1Timer();
        QCOMPARE(d->ProgressBar1->value(), 5);
        press(d, "button2");
        const QString path = native(platform().folder.userFile(QStringLiteral("Temp/cat.wav")));
        QCOMPARE(d->Edit4->text(), path);
        QCOMPARE(d->ProgressBar1->value(), 100);
        QVERIFY(d->BitBtn1->isEnabled());

        press(d, "BitBtn3");
        QCOMPARE(platform().sound().played, QStringList{path});
        press(d, "BitBtn1");
        QCOMPARE(editor()->dictionary()[1].zvuk, path);
        QCOMPARE(editor()->dictionary()[1].ang, QStringLiteral("cat"));
        QCOMPARE(editor()->dictionary()[0].zvuk, QStringLiteral("NENÍ"));
        QCOMPARE(editor()->dictionary()[2].ang, QStringLiteral("three"));
    }

    void editDialogPlaysNothingForNoSoundOrAMissingFile() {
        editor()->edtang->setText(QStringLiteral("a"));
        editor()->edtcz->setText(QStringLiteral("b"));
        press(editor(), "btpridej");
        press(editor(), "btuprav");
        TForm3 *d = forms().Form3;
        press(d, "BitBtn3");
        d->Edit4->setText(platform().folder.userFile(QStringLiteral("Temp/chybi.wav")));
        press(d, "BitBtn3");
        QVERIFY(platform().sound().played.isEmpty());
        // The substitution applies to the whole path before playing.
        const QString real = platform().writeFile(QStringLiteral("Temp/what1.wav"), "RIFF");
        d->Edit4->setText(platform().folder.userFile(QStringLiteral("Temp/what?.wav")));
        press(d, "BitBtn3");
        QCOMPARE(platform().sound().played, QStringList{real});
        press(d, "BitBtn2");
        QCOMPARE(editor()->dictionary()[0].zvuk, QStringLiteral("NENÍ"));
    }

    void editDialogOpensASoundFileThroughTheSharedDialog() {
        editor()->edtang->setText(QStringLiteral("a"));
        editor()->edtcz->setText(QStringLiteral("b"));
        press(editor(), "btpridej");
        press(editor(), "btuprav");
        const QString file = platform().writeFile(QStringLiteral("Zvuky/A.wav"), "RIFF");
        dialogs().files = {file};
        press(forms().Form3, "BitBtn4");
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
