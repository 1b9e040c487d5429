#include "core/wav.h"
#include "platform/speech.h"

#include <QTest>
#include <QtEndian>

#include <cmath>

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    // A word spoken by espeak-ng comes as a WAV file of the recordings' format, with
    // sound in it (not silence) and a word's length; a language without a voice gets the
    // Czech message and no file.
    void wordsAreSpokenIntoWavFiles_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("rate");
        QTest::addColumn<double>("shortest"); // seconds; 0: no voice
        QTest::addColumn<double>("longest");
        QTest::newRow("English") << "house"
                                 << "en" << SpeechSynthesizer::kNormalRate << 0.25 << 1.5;
        QTest::newRow("British English")
            << "horse"
            << "en-gb" << SpeechSynthesizer::kNormalRate << 0.25 << 1.5;
        QTest::newRow("Czech") << "žluťoučký kůň"
                               << "cs" << SpeechSynthesizer::kNormalRate << 0.6 << 3.0;
        QTest::newRow("Czech, slowest") << "žluťoučký kůň"
                                        << "cs" << 10 << 1.0 << 6.0;
        QTest::newRow("markup only spoken")
            << "<audio src=\"/etc/passwd\"/> [[h@'loU]]"
            << "en" << SpeechSynthesizer::kFastestRate << 0.3 << 8.0;
        QTest::newRow("no such voice")
            << "house"
            << "xx-nowhere" << SpeechSynthesizer::kNormalRate << 0.0 << 0.0;
    }
    void wordsAreSpokenIntoWavFiles() {
        QFETCH(QString, text);
        QFETCH(QString, language);
        QFETCH(int, rate);
        QFETCH(double, shortest);
        QFETCH(double, longest);
        const auto speech = makeSpeechSynthesizer();
#ifdef Q_OS_WIN
        if (shortest != 0 && !speech->hasVoice(language))
            QSKIP("no voice of Windows for this language here (Wine has none)");
#endif
        const Result<QByteArray> file = speech->synthesize(text, language, rate);
        if (shortest == 0) {
            QVERIFY(!file);
            QVERIFY(!speech->hasVoice(language));
            QCOMPARE(file.error(), missingVoiceMessage(language));
            QVERIFY(file.error().contains(QStringLiteral("není nainstalován žádný hlas")));
            return;
        }
        QVERIFY2(file, qPrintable(file.error()));
        QVERIFY(speech->hasVoice(language));
        const std::optional<wav::Audio> audio = wav::readAudio(*file);
        QVERIFY(audio);
        QCOMPARE(audio->format, quint16(1));
        QCOMPARE(audio->channels, quint16(1));
        QCOMPARE(audio->bitsPerSample, quint16(16));
        const std::optional<wav::HeaderFacts> header = wav::readHeader(*file);
        QVERIFY(header);
        const double seconds = wav::lengthSeconds(*header);
        QVERIFY2(seconds >= shortest && seconds <= longest, qPrintable(QString::number(seconds)));
        double energy = 0;
        const qsizetype samples = audio->dataSize / 2;
        for (qsizetype i = 0; i < samples; ++i) {
            const double s =
                qFromLittleEndian<qint16>(file->constData() + audio->dataOffset + 2 * i);
            energy += s * s;
        }
        const double rms = std::sqrt(energy / double(samples));
        QVERIFY2(rms > 300, qPrintable(QString::number(rms))); // silence is 0
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
