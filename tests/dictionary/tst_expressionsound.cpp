// An expression's sound in every window that plays one: its recording when it has one,
// else the foreign text spoken (when the general settings ask for it), and "Vytvořit
// řečí" of the sound window, which keeps the spoken expression as its recording.
#include "app/Unit1.h"
#include "app/Unit8.h"
#include "core/wav.h"
#include "dictionary/Unit2.h"
#include "dictionary/Unit3.h"
#include "dictionary/Unit5.h"
#include "learning/Unit6.h"
#include "review/reviewwindow.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit4.h"
#include "ui/forms.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

namespace {

// Opens a dictionary of the lines in a window and lets it play the sound of each of its
// expressions once, by the window's own buttons.
using Driver = void (*)(TestWindows &, const QString &dictionary);

void inLearning(TestWindows &w, const QString &dictionary) {
    TForm6 *window = w.forms().Form6;
    window->show();
    w.dialogs().files.push_back(dictionary);
    window->findChild<QAction *>(QStringLiteral("Otevt1"))->trigger();
    QTest::mouseClick(window->btstart, Qt::LeftButton);
    QTest::mouseClick(window->btdalsi, Qt::LeftButton);
}

// The tests ask the foreign side ("Z CIZ do CZ"): a voice never reads out the answer.
void inTestingOne(TestWindows &w, const QString &dictionary) {
    TForm4 *window = w.forms().Form4;
    QTest::mouseClick(w.forms().Form10->rbangcj, Qt::LeftButton);
    window->show();
    w.dialogs().files.push_back(dictionary);
    QTest::mouseClick(window->findChild<QAbstractButton *>(QStringLiteral("btnovy")),
                      Qt::LeftButton);
    window->edtodpoved->setText(QStringLiteral("?"));
    QTest::keyClick(window->edtodpoved, Qt::Key_Return);
}

void inTestingTwo(TestWindows &w, const QString &dictionary) {
    TForm12 *window = w.forms().Form12;
    QTest::mouseClick(w.forms().Form13->rbangcj, Qt::LeftButton);
    window->show();
    w.dialogs().files.push_back(dictionary);
    QTest::mouseClick(window->findChild<QAbstractButton *>(QStringLiteral("BitBtn2")),
                      Qt::LeftButton);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("btjo")), Qt::LeftButton);
}

void inReview(TestWindows &w, const QString &dictionary) {
    w.forms().Form1->show();
    w.forms().Form1->findChild<QAction *>(QStringLiteral("reviewAction"))->trigger();
    ReviewWindow *window = w.forms().review;
    w.dialogs().files.push_back(dictionary);
    QTest::mouseClick(window->openButton, Qt::LeftButton);
    QTest::mouseClick(window->turnOnButton, Qt::LeftButton);
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(window->showButton, Qt::LeftButton);
        QTest::mouseClick(window->answerButtons[2], Qt::LeftButton);
    }
}

// The edit dialog plays what its fields hold: the first expression, then the second one
// typed over it.
void inEditDialog(TestWindows &w, const QString &dictionary) {
    TForm2 *editor = w.forms().Form2;
    editor->show();
    w.dialogs().files.push_back(dictionary);
    QTest::mouseClick(editor->BitBtn2, Qt::LeftButton);
    editor->selectRow(0);
    QTest::mouseClick(editor->btuprav, Qt::LeftButton);
    TForm3 *dialog = w.forms().Form3;
    QTest::mouseClick(dialog->BitBtn3, Qt::LeftButton);
    const Tslovniky second = editor->dictionary()[1];
    dialog->Edit1->setText(second.ang);
    dialog->Edit4->setText(second.zvuk);
    QTest::mouseClick(dialog->BitBtn3, Qt::LeftButton);
}

QStringList errors(const ScriptedDialogs &dialogs) {
    QStringList texts;
    for (const auto &shown : dialogs.shown) {
        if (shown.kind == MessageKind::Error)
            texts.append(shown.text);
    }
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Driver)

class TestExpressionSound : public QObject {
    Q_OBJECT

private slots:
    // Two expressions, both with a recording, both without ("NENÍ"), or both naming a
    // file that is not there: a recording plays; without one the foreign text is spoken
    // unless the setting is off; a missing voice is told once for the two.
    // A test that asks the Czech side never speaks its foreign answer (a recording plays
    // as it always has).
    void testsNeverSpeakTheAnswer_data() {
        QTest::addColumn<bool>("two");
        QTest::newRow("Testing I") << false;
        QTest::newRow("Testing II") << true;
    }
    void testsNeverSpeakTheAnswer() {
        QFETCH(bool, two);
        TestWindows windows;
        const QString dictionary = windows.platform().writeFile(
            QStringLiteral("zvirata.slv"), cp1250Lines({"kočka;cat;[];NENÍ", "pes;dog;[];NENÍ"}));
        windows.dialogs().files.push_back(dictionary);
        VokabForm *test =
            two ? static_cast<VokabForm *>(windows.forms().Form12) : windows.forms().Form4;
        test->show();
        QTest::mouseClick(two ? windows.forms().Form12->BitBtn2 : windows.forms().Form4->btnovy,
                          Qt::LeftButton);
        QVERIFY(windows.platform().voice().requests.isEmpty());
    }

    void theForeignTextIsSpokenExactlyWhenThereIsNoRecording_data() {
        QTest::addColumn<Driver>("driver");
        QTest::addColumn<QString>("sound"); // "wav", "NENÍ" or "missing"
        QTest::addColumn<bool>("speak");
        QTest::addColumn<bool>("voiceInstalled");
        const QList<std::pair<const char *, Driver>> windows = {{"learning", inLearning},
                                                                {"Testing I", inTestingOne},
                                                                {"Testing II", inTestingTwo},
                                                                {"review", inReview},
                                                                {"edit dialog", inEditDialog}};
        for (const auto &[name, driver] : windows) {
            QTest::addRow("%s, recordings", name) << driver << "wav" << true << true;
            QTest::addRow("%s, none: spoken", name) << driver << "NENÍ" << true << true;
            QTest::addRow("%s, missing file: spoken", name) << driver << "missing" << true << true;
            QTest::addRow("%s, none, speech off", name) << driver << "NENÍ" << false << true;
            QTest::addRow("%s, none, no voice", name) << driver << "NENÍ" << true << false;
        }
    }
    void theForeignTextIsSpokenExactlyWhenThereIsNoRecording() {
        QFETCH(Driver, driver);
        QFETCH(QString, sound);
        QFETCH(bool, speak);
        QFETCH(bool, voiceInstalled);
        TestWindows windows;
        TestPlatform &platform = windows.platform();
        QStringList sounds;
        for (const char *name : {"cat.wav", "dog.wav"}) {
            const QString path = platform.folder.userFile(QStringLiteral("zvuky/") + name);
            if (sound == "wav")
                platform.writeFile(QStringLiteral("zvuky/") + name,
                                   wav::pcmFile(QByteArray(800, '\x80'), 8000, 1, 8));
            sounds.append(sound == "NENÍ" ? sound : path);
        }
        const QString dictionary = platform.writeFile(
            QStringLiteral("zvirata.slv"),
            cp1250Lines({"kočka;cat+kitty;[];" + sounds[0], "pes;dog;[];" + sounds[1]}));
        TForm8 *settings = windows.forms().Form8;
        if (!speak)
            QTest::mouseClick(settings->speakMissingBox, Qt::LeftButton, {},
                              QPoint(4, settings->speakMissingBox->height() / 2));
        QCOMPARE(settings->speakMissingBox->isChecked(), speak);
        if (!voiceInstalled)
            platform.voice().installed.clear();

        driver(windows, dictionary);

        QStringList played = platform.sound().played;
        played.sort();
        QStringList spoken;
        for (const RecordingSpeech::Request &request : std::as_const(platform.voice().requests)) {
            QCOMPARE(request.language, QStringLiteral("en"));
            QCOMPARE(request.rate, SpeechSynthesizer::kNormalRate);
            spoken.append(request.text);
        }
        spoken.sort();
        const bool speaks = sound != "wav" && speak;
        QCOMPARE(played, sound == "wav" ? sounds : QStringList());
        QCOMPARE(spoken, (speaks ? QStringList{"cat, kitty", "dog"} : QStringList()));
        QCOMPARE(platform.sound().playedBytes.size(), speaks && voiceInstalled ? 2 : 0);
        for (const QByteArray &bytes : std::as_const(platform.sound().playedBytes))
            QVERIFY(wav::readAudio(bytes));
        const QStringList expected =
            speaks && !voiceInstalled ? QStringList{missingVoiceMessage("en")} : QStringList();
        QCOMPARE(errors(windows.dialogs()), expected);
    }

    // "Vytvořit řečí" writes the expression spoken by the real voice as the recording: a
    // fresh WAV file in Temp beside an earlier one, never over it, which the WAV reader
    // takes, the window plays and the editor's "Uložit" moves beside the dictionary.
    void speechBecomesTheRecording_data() {
        QTest::addColumn<bool>("earlierRecording");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << false << "hello.wav";
        QTest::newRow("beside an earlier one") << true << "hello_2.wav";
    }
    void speechBecomesTheRecording() {
        QFETCH(bool, earlierRecording);
        QFETCH(QString, name);
        auto testPlatform = std::make_unique<TestPlatform>();
        testPlatform->speech = makeSpeechSynthesizer();
#ifdef Q_OS_WIN
        if (!testPlatform->speech->hasVoice(QStringLiteral("en")))
            QSKIP("no English voice of Windows here (Wine has none)");
#endif
        testPlatform->m_speech = nullptr;
        TestWindows windows(std::move(testPlatform));
        TestPlatform &platform = windows.platform();
        const QByteArray earlier = "RIFF earlier";
        if (earlierRecording)
            platform.writeFile(QStringLiteral("Temp/hello.wav"), earlier);
        TForm2 *editor = windows.forms().Form2;
        TForm5 *sound = windows.forms().Form5;
        editor->show();
        editor->edtang->setText(QStringLiteral("hello"));
        editor->edtcz->setText(QStringLiteral("ahoj"));
        QTest::mouseClick(editor->btpridejzvuk, Qt::LeftButton);
        QVERIFY(sound->isVisible());

        QTest::mouseClick(sound->speechButton, Qt::LeftButton);
        QVERIFY2(windows.dialogs().shown.isEmpty(), qPrintable(windows.dialogs().lastText()));
        const QString path = QDir::toNativeSeparators(QDir(platform.folder.temp()).filePath(name));
        QCOMPARE(editor->edtzvuk->text(), path);
        QCOMPARE(platform.sound().played, QStringList{path});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const std::optional<wav::Audio> audio = wav::readAudio(file.readAll());
        QVERIFY(audio);
        QCOMPARE(audio->bitsPerSample, quint16(16));
        QVERIFY(audio->dataSize > audio->sampleRate / 5); // a word, not an empty file
        QCOMPARE(sound->Label2->text(), *TForm5::recordingLength(path));
        QVERIFY(sound->Label2->text() != QStringLiteral("0 s"));
        if (earlierRecording) {
            QFile old(QDir(platform.folder.temp()).filePath(QStringLiteral("hello.wav")));
            QVERIFY(old.open(QIODevice::ReadOnly));
            QCOMPARE(old.readAll(), earlier);
        }

        QTest::mouseClick(sound->BitBtn4, Qt::LeftButton);
        QCOMPARE(editor->recordCount(), 1);
        QCOMPARE(editor->dictionary()[0].zvuk, path);
        QTemporaryDir folder;
        const QString dictionary = folder.filePath(QStringLiteral("pozdravy.slv"));
        windows.dialogs().files.push_back(dictionary);
        editor->findChild<QAction *>(QStringLiteral("saveAsAction"))->trigger();
        const QString moved = editor->dictionary()[0].zvuk;
        QVERIFY2(moved.startsWith(folder.path()) && QFileInfo(moved).isFile(), qPrintable(moved));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestExpressionSound)
#include "tst_expressionsound.moc"
