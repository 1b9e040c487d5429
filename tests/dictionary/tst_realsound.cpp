// The desktop's recorder and player on a real audio server. ./test.sh starts
// PulseAudio with a null sink and a null source and sets VOKAB_AUDIO_SERVER; without
// it these tests are skipped. With VOKAB_EXPECT_NO_AUDIO the server is unreachable on
// purpose and the tests check the messages of a machine without audio.
#include "core/wav.h"
#include "dictionary/Unit2.h"
#include "dictionary/Unit3.h"
#include "dictionary/Unit5.h"
#include "learning/Unit6.h"
#include "support/press.h"
#include "support/testfiles.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

class TestRealSound : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        m_noAudio = qEnvironmentVariableIsSet("VOKAB_EXPECT_NO_AUDIO");
        if (!m_noAudio && !qEnvironmentVariableIsSet("VOKAB_AUDIO_SERVER"))
            QSKIP("no audio server for the tests (./test.sh starts one)");
    }

    void recordsAboutOneSecondAndPlaysItBack() {
        if (m_noAudio)
            QSKIP("the audio server is unreachable on purpose");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("hello.wav"));
        auto recorder = makeSoundRecorder();
        const Result<void> started = recorder->start(path);
        QVERIFY2(started, qPrintable(started.error()));
        QVERIFY(recorder->isRecording());
        QTest::qWait(1000);
        const Result<void> stopped = recorder->stop(true);
        QVERIFY2(stopped, qPrintable(stopped.error()));
        QVERIFY(!recorder->isRecording());

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.mid(36, 4), QByteArray("data"));
        const auto facts = wav::readHeader(bytes);
        QVERIFY(facts);
        QCOMPARE(facts->fileSize, quint64(bytes.size()));
        const double seconds = wav::lengthSeconds(*facts);
        qInfo("recorded %.3f s in %lld bytes", seconds, static_cast<long long>(bytes.size()));
        QVERIFY2(seconds > 0.7 && seconds < 1.6, qPrintable(QString::number(seconds)));

        auto player = makeSoundPlayer();
        QElapsedTimer timer;
        timer.start();
        player->play(path);
        QVERIFY2(player->lastError().isEmpty(), qPrintable(player->lastError()));
        QVERIFY(player->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 5000);
        // Playing took about as long as the sound lasts.
        qInfo("played for about %lld ms", static_cast<long long>(timer.elapsed()));
        QVERIFY2(timer.elapsed() > 500, qPrintable(QString::number(timer.elapsed())));
    }

    void newSoundCutsOffTheOnePlaying() {
        if (m_noAudio)
            QSKIP("the audio server is unreachable on purpose");
        QTemporaryDir dir;
        const QString longSound = dir.filePath(QStringLiteral("long.wav"));
        const QString shortSound = dir.filePath(QStringLiteral("short.wav"));
        QFile a(longSound), b(shortSound);
        QVERIFY(a.open(QIODevice::WriteOnly) && b.open(QIODevice::WriteOnly));
        a.write(wav::pcmFile(QByteArray(8000 * 10, '\x80'), 8000, 1, 8));
        b.write(wav::pcmFile(QByteArray(800, '\x80'), 8000, 1, 8));
        a.close();
        b.close();
        auto player = makeSoundPlayer();
        QElapsedTimer timer;
        timer.start();
        player->play(longSound);
        QTest::qWait(200);
        player->play(shortSound);
        QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 5000);
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        player->play(longSound);
        QVERIFY(player->isPlaying());
        player->stop();
        QVERIFY(!player->isPlaying());
    }

    void soundRecordedInTheSoundWindowPlaysInTheEditDialog() {
        if (m_noAudio)
            QSKIP("the audio server is unreachable on purpose");
        auto platform = std::make_unique<TestPlatform>();
        platform->recorder = makeSoundRecorder();
        platform->player = makeSoundPlayer();
        platform->m_player = nullptr;
        platform->m_recorder = nullptr;
        SoundPlayer *player = platform->player.get();
        TestWindows windows(std::move(platform));
        TForm2 *editor = windows.forms().Form2;
        TForm5 *sound = windows.forms().Form5;
        editor->edtang->setText(QStringLiteral("hello!"));
        editor->edtcz->setText(QStringLiteral("ahoj"));
        press(editor, "btpridejzvuk");
        press(sound, "button1");
        QVERIFY2(windows.dialogs().shown.isEmpty(), qPrintable(windows.dialogs().lastText()));
        QTest::qWait(600);
        press(sound, "button2");
        // The length alone, as ",6 s" (no leading zero): "Délka záznamu:" stands beside it.
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d*[,.]\\d s$"))
                     .match(sound->Label2->text())
                     .hasMatch(),
                 qPrintable(sound->Label2->text()));
        press(sound, "BitBtn4");
        QCOMPARE(editor->recordCount(), 1);
        QVERIFY(editor->dictionary()[0].zvuk.endsWith(QStringLiteral("hello2.wav")));

        editor->selectRow(0);
        press(editor, "btuprav");
        press(windows.forms().Form3, "BitBtn3");
        QVERIFY2(windows.dialogs().shown.isEmpty(), qPrintable(windows.dialogs().lastText()));
        QVERIFY(player->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 5000);
    }

    // Learning a dictionary without recordings: the real voice speaks each expression
    // through the real player, whose samples the audio server takes at its pace; without
    // an audio device the learner hears of it once, not for every expression.
    void speechWithoutRecordingReachesTheSpeakers() {
        auto platform = std::make_unique<TestPlatform>();
        platform->player = makeSoundPlayer();
        platform->speech = makeSpeechSynthesizer();
        platform->m_player = nullptr;
        platform->m_speech = nullptr;
        SoundPlayer *player = platform->player.get();
        TestWindows windows(std::move(platform));
        const QString dictionary = windows.platform().writeFile(
            QStringLiteral("zvirata.slv"), cp1250Lines({"kočka;cat;[];NENÍ", "pes;dog;[];NENÍ"}));
        TForm6 *learning = windows.forms().Form6;
        learning->show();
        windows.dialogs().files.push_back(dictionary);
        learning->findChild<QAction *>(QStringLiteral("Otevt1"))->trigger();
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(learning->btstart, Qt::LeftButton);
        if (m_noAudio) {
            QTest::mouseClick(learning->btdalsi, Qt::LeftButton);
            QCOMPARE(windows.dialogs().texts(),
                     QStringList{QStringLiteral("Zvuk nelze přehrát: v počítači nebylo nalezeno "
                                                "žádné zařízení pro přehrávání zvuku.")});
            QVERIFY(!player->isPlaying());
            return;
        }
        QVERIFY2(windows.dialogs().shown.isEmpty(), qPrintable(windows.dialogs().lastText()));
        QVERIFY(player->isPlaying());
        QTRY_VERIFY_WITH_TIMEOUT(!player->isPlaying(), 5000);
        // The spoken "cat" lasts about half a second; the sink took that long for it.
        qInfo("spoke for about %lld ms", static_cast<long long>(timer.elapsed()));
        QVERIFY2(timer.elapsed() > 250, qPrintable(QString::number(timer.elapsed())));
    }

    void machineWithoutAudioGetsACzechMessage() {
        if (!m_noAudio)
            QSKIP("an audio server is running");
        QTemporaryDir dir;
        auto recorder = makeSoundRecorder();
        const Result<void> started = recorder->start(dir.filePath(QStringLiteral("x.wav")));
        QVERIFY(!started);
        QCOMPARE(started.error(),
                 QStringLiteral("Nahrávání nelze spustit: v počítači nebylo nalezeno žádné "
                                "zařízení pro nahrávání zvuku (mikrofon)."));
        QVERIFY(!recorder->isRecording());
        QVERIFY(recorder->stop(true));

        const QString file = dir.filePath(QStringLiteral("y.wav"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(wav::pcmFile(QByteArray(800, '\x80'), 8000, 1, 8));
        out.close();
        auto player = makeSoundPlayer();
        player->play(file);
        QCOMPARE(player->lastError(), QStringLiteral("Zvuk nelze přehrát: v počítači nebylo "
                                                     "nalezeno žádné zařízení pro přehrávání "
                                                     "zvuku."));
        QVERIFY(!player->isPlaying());
    }

private:
    bool m_noAudio = false;
};

QTEST_MAIN(TestRealSound)
#include "tst_realsound.moc"
