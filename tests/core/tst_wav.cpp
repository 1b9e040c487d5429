#include "core/wav.h"

#include <QTest>
#include <QtEndian>

namespace {

QByteArray le32(quint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray le16(quint16 v) {
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}

// A header with a fmt chunk of `fmtSize` bytes followed by a "fact" chunk.
QByteArray factHeader(quint32 fmtSize, quint32 sampleCount, quint32 rate, quint16 channels) {
    QByteArray h = "RIFF" + le32(1000) + "WAVEfmt " + le32(fmtSize) + le16(2) + le16(channels) +
                   le32(rate) + le32(rate) + le16(1) + le16(4);
    h.append(QByteArray(qsizetype(fmtSize) - 16, '\0'));
    h += "fact" + le32(4) + le32(sampleCount);
    return h;
}

} // namespace

class TestWav : public QObject {
    Q_OBJECT

private slots:
    void plainPcmFileOfTwoSecondsShowsTwoComma0() {
        const QByteArray file = wav::pcmFile(QByteArray(22050, '\x80'), 11025, 1, 8);
        QCOMPARE(file.size(), 22094);
        QCOMPARE(file.mid(36, 4), QByteArray("data"));
        const auto facts = wav::readHeader(file.left(40));
        QVERIFY(facts);
        QCOMPARE(facts->headerSize, 44u);
        QCOMPARE(facts->fileSize, 22094u);
        QCOMPARE(facts->bytesPerSecond, 11025u);
        QCOMPARE(facts->sampleCount, 0u);
        QCOMPARE(wav::lengthSeconds(*facts), 2.0);
        QCOMPARE(wav::lengthText(wav::lengthSeconds(*facts), u','), QStringLiteral("2,0"));
    }

    void compressedHeaderTakesItsSampleCountAfterTheFormatChunk() {
        const QByteArray header = factHeader(20, 44100, 22050, 2);
        const auto facts = wav::readHeader(header);
        QVERIFY(facts);
        QCOMPARE(facts->sampleCount, 44100u);
        QCOMPARE(facts->headerSize, 60u);
        QCOMPARE(wav::lengthSeconds(*facts), 2.0);
        // Cut before the sample count: not a header this reader can measure.
        QVERIFY(!wav::readHeader(header.left(header.size() - 1)));
    }

    void invalidHeadersGiveNoLength_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = wav::pcmFile(QByteArray(100, '\0'), 8000, 1, 8);
        QByteArray threeChannels = good;
        threeChannels.replace(22, 2, le16(3));
        QByteArray noWave = good;
        noWave.replace(8, 4, "WAVX");
        QByteArray noFmt = good;
        noFmt.replace(12, 4, "list");
        QByteArray notRiff = good;
        notRiff.replace(0, 4, "RIFX");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("short") << good.left(30);
        QTest::newRow("not RIFF") << notRiff;
        QTest::newRow("not WAVE") << noWave;
        QTest::newRow("no fmt") << noFmt;
        QTest::newRow("three channels") << threeChannels;
        QTest::newRow("huge fmt chunk") << factHeader(16, 1, 1, 1).replace(16, 4, le32(0xFFFFFFF0));
    }
    void invalidHeadersGiveNoLength() {
        QFETCH(QByteArray, bytes);
        QVERIFY(!wav::readHeader(bytes));
    }

    void zeroRatesGiveLengthZero() {
        QByteArray pcm = wav::pcmFile(QByteArray(100, '\0'), 8000, 1, 8);
        pcm.replace(28, 4, le32(0)); // bytes per second
        const auto facts = wav::readHeader(pcm);
        QVERIFY(facts);
        QCOMPARE(wav::lengthSeconds(*facts), 0.0);
        const auto counted = wav::readHeader(factHeader(16, 500, 0, 1));
        QVERIFY(counted);
        QCOMPARE(wav::lengthSeconds(*counted), 0.0);
    }

    void headerSizeNeverExceedsTheStatedFileSize() {
        QByteArray pcm = wav::pcmFile({}, 8000, 1, 8);
        pcm.replace(4, 4, le32(10)); // a file that claims 18 bytes
        const auto facts = wav::readHeader(pcm);
        QVERIFY(facts);
        QCOMPARE(facts->headerSize, 18u);
        QCOMPARE(wav::lengthSeconds(*facts), 0.0);
    }

    void lengthHasOneDecimalWithoutALeadingZero_data() {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("two") << 2.0 << "2,0";
        QTest::newRow("rounded up") << 1.96 << "2,0";
        QTest::newRow("under one") << 0.46 << ",5";
        QTest::newRow("zero") << 0.0 << ",0";
        QTest::newRow("long") << 123.44 << "123,4";
    }
    void lengthHasOneDecimalWithoutALeadingZero() {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(wav::lengthText(seconds, u','), text);
    }

    void recordingNamesStayInTheTempFolder_data() {
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("path");
        QTest::newRow("question mark") << "what?"
                                       << "/p/Temp/what1.wav";
        QTest::newRow("exclamation") << "hello!"
                                     << "/p/Temp/hello2.wav";
        QTest::newRow("star") << "a*b"
                              << "/p/Temp/a3b.wav";
        QTest::newRow("slash") << "../../etc/passwd"
                               << "/p/Temp/.._.._etc_passwd.wav";
        QTest::newRow("backslash") << "..\\x"
                                   << "/p/Temp/.._x.wav";
        QTest::newRow("Czech") << QStringLiteral("kůň") << QStringLiteral("/p/Temp/kůň.wav");
    }
    void recordingNamesStayInTheTempFolder() {
        QFETCH(QString, expression);
        QFETCH(QString, path);
        QCOMPARE(wav::recordingPath(QStringLiteral("/p/Temp/"), expression), path);
    }

    void substitutionOfAWholePathKeepsItsFolders() {
        QCOMPARE(wav::substituteName(QStringLiteral("C:\\a?\\b!*.wav")),
                 QStringLiteral("C:\\a1\\b23.wav"));
    }

    void audioIsFoundBehindOtherChunks() {
        QByteArray file = wav::pcmFile(QByteArray("\x01\x02\x03\x04", 4), 44100, 2, 16);
        // Insert an odd-sized "LIST" chunk (padded) between fmt and data.
        file.insert(36, "LIST" + le32(3) + QByteArray("abc\0", 4));
        const auto audio = wav::readAudio(file);
        QVERIFY(audio);
        QCOMPARE(audio->format, 1);
        QCOMPARE(audio->channels, 2);
        QCOMPARE(audio->sampleRate, 44100u);
        QCOMPARE(audio->bitsPerSample, 16);
        QCOMPARE(file.mid(audio->dataOffset, audio->dataSize), QByteArray("\x01\x02\x03\x04", 4));
        // A data chunk that claims more than the file holds is cut to what is there.
        QByteArray cut = file.left(file.size() - 2);
        const auto partial = wav::readAudio(cut);
        QVERIFY(partial);
        QCOMPARE(partial->dataSize, 2);
        QVERIFY(!wav::readAudio(file.left(20)));
        QVERIFY(!wav::readAudio(QByteArray("RIFF\xff\xff\xff\xffWAVEdata\xff\xff\xff\xff")));
    }
};

QTEST_GUILESS_MAIN(TestWav)
#include "tst_wav.moc"
