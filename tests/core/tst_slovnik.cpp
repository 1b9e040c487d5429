#include "core/paths.h"
#include "core/textfile.h"
#include "core/win1250.h"
#include "dictionary/slovnik.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

class TestSlovnik : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write test file");
        file.write(bytes);
        return path;
    }
    static QByteArray contents(const QString &path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return "<unreadable>";
        return file.readAll();
    }
    static QByteArray cp1250(const QString &text) {
        QByteArray out;
        if (!win1250::encode(text, out))
            qFatal("test text not encodable");
        return out;
    }

private slots:
    void splitterKeepsEveryPiece_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("four fields") << "a;b;c;d"
                                     << ";" << QStringList{"a", "b", "c", "d"};
        QTest::newRow("trailing separator") << "a;b;c;d;"
                                            << ";" << QStringList{"a", "b", "c", "d", ""};
        QTest::newRow("empty text") << ""
                                    << ";" << QStringList{""};
        QTest::newRow("two separators") << ";;"
                                        << ";" << QStringList{"", "", ""};
        QTest::newRow("leading separator") << ";x"
                                           << ";" << QStringList{"", "x"};
        QTest::newRow("spaces kept") << "a + b"
                                     << "+" << QStringList{"a ", " b"};
        QTest::newRow("no separator") << "dům"
                                      << "+" << QStringList{"dům"};
        QTest::newRow("single character") << "x"
                                          << ";" << QStringList{"x"};
    }
    void splitterKeepsEveryPiece() {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QStringList, pieces);
        QCOMPARE(rozreteznac(text, separator.at(0)), pieces);
    }

    void removerDropsOnlyTheIndexedElement() {
        const QStringList abc{"A", "B", "C"};
        QCOMPARE(UberZPole(abc, 1), (QStringList{"A", "C"}));
        QCOMPARE(UberZPole(abc, 0), (QStringList{"B", "C"}));
        QCOMPARE(UberZPole(abc, 2), (QStringList{"A", "B"}));
        QCOMPARE(UberZPole(abc, 3), abc);
        QCOMPARE(UberZPole(abc, 99), abc);
        QCOMPARE(UberZPole(QStringList{}, 0), QStringList{});
        QCOMPARE(abc, (QStringList{"A", "B", "C"})); // the input is not changed
        const std::vector<int> numbers{1, 2, 3, 4};
        QCOMPARE(UberZPole(numbers, 3), (std::vector<int>{1, 2, 3}));
        const Tpole records{{"a", "1", "[]", "NENÍ"}, {"b", "2", "[]", "NENÍ"}};
        QCOMPARE(UberZPole(records, 0), (Tpole{{"b", "2", "[]", "NENÍ"}}));
    }

    void fileSwapsTheFirstTwoFieldsAndRoundTrips() {
        const QByteArray bytes = cp1250("kočka;cat;[];NENÍ\r\npes;dog;[];NENÍ\r\n");
        QVERIFY(bytes.contains("\x4E\x45\x4E\xCD")); // NENÍ in Windows-1250
        const QString path = write("zvirata.slv", bytes);
        const Result<dictionaryfile::Loaded> read = dictionaryfile::readDictionaryFile(path);
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(read->dictionary.size(), 2);
        QCOMPARE(read->dictionary[0].ang, QStringLiteral("cat"));
        QCOMPARE(read->dictionary[0].cz, QStringLiteral("kočka"));
        QCOMPARE(read->dictionary[1].zvuk, QStringLiteral("NENÍ"));
        const QString out = m_dir.filePath("out.slv");
        QVERIFY(dictionaryfile::writeDictionaryFile(out, read->dictionary).ok());
        QCOMPARE(contents(out), bytes);
    }

    void missingFinalLineBreakIsAddedOnWrite() {
        const QByteArray bytes = cp1250("kočka;cat;[];NENÍ\r\npes;dog;[];NENÍ");
        const Result<dictionaryfile::Loaded> read =
            dictionaryfile::readDictionaryFile(write("a.slv", bytes));
        QCOMPARE(read->dictionary.size(), 2);
        const QString out = m_dir.filePath("a-out.slv");
        QVERIFY(dictionaryfile::writeDictionaryFile(out, read->dictionary).ok());
        QCOMPARE(contents(out), bytes + "\r\n");
    }

    void everyByteValueSurvivesReadAndWrite() {
        // All bytes except ';', CR and LF, which structure the file, and the zero byte,
        // which no text holds.
        QByteArray field;
        for (int b = 1; b < 256; ++b) {
            if (b != ';' && b != '\r' && b != '\n')
                field.append(char(b));
        }
        const QByteArray bytes = field + ";" + field + ";[" + field + "];" + field + "\r\n";
        const Result<dictionaryfile::Loaded> read =
            dictionaryfile::readDictionaryFile(write("bytes.slv", bytes));
        QCOMPARE(read->dictionary.size(), 1);
        QCOMPARE(read->dictionary[0].ang.size(), field.size());
        const QString out = m_dir.filePath("bytes-out.slv");
        QVERIFY(dictionaryfile::writeDictionaryFile(out, read->dictionary).ok());
        QCOMPARE(contents(out), bytes);
    }

    void lineBreaksOfEveryKindEndALine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lines");
        QTest::newRow("CR LF") << QByteArray("a;b;c;d\r\ne;f;g;h\r\n") << 2;
        QTest::newRow("lone CR") << QByteArray("a;b;c;d\re;f;g;h") << 2;
        QTest::newRow("lone LF") << QByteArray("a;b;c;d\ne;f;g;h\n") << 2;
        QTest::newRow("LF CR is two breaks") << QByteArray("a;b;c;d\n\re;f;g;h\n\ri") << 3;
        QTest::newRow("empty line inside holds no expression")
            << QByteArray("a;b;c;d\r\n\r\ne;f;g;h") << 2;
        QTest::newRow("no line break") << QByteArray("a;b;c;d") << 1;
    }
    void lineBreaksOfEveryKindEndALine() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lines);
        const Result<dictionaryfile::Loaded> read =
            dictionaryfile::readDictionaryFile(write("breaks.slv", bytes));
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(read->dictionary.size(), lines);
        QCOMPARE(read->lines.size(), lines);
    }

    void fileWithoutAnExpressionIsEmpty_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("zero bytes") << QByteArray();
        QTest::newRow("one line break") << QByteArray("\r\n");
        QTest::newRow("ten million line feeds") << QByteArray(10'000'000, '\n');
    }
    void fileWithoutAnExpressionIsEmpty() {
        QFETCH(QByteArray, bytes);
        const Result<dictionaryfile::Loaded> read =
            dictionaryfile::readDictionaryFile(write("empty.slv", bytes));
        QVERIFY(read && read->empty);
        QVERIFY(read->dictionary.isEmpty());
        QVERIFY(read->lines.isEmpty());
    }

    void dictionaryBeyondItsLimitsIsRefusedNamingTheLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason"); // empty: the file is read
        const QByteArray line = "pes;dog;[];NENÍ\r\n";
        const QByteArray longest = "a;" + QByteArray(4094, 'x');
        QTest::newRow("line of 4096 bytes") << line + longest + "\r\n" << QString();
        QTest::newRow("line of 4097 bytes")
            << line + line + longest + "y\r\n" + line << QStringLiteral("řádek 3 je delší");
        QTest::newRow("ten megabytes on one line")
            << QByteArray(10'000'000, 'x') << QStringLiteral("řádek 1 je delší");
        QTest::newRow("three lines with a limit of three") << line + line + line << QString();
        QTest::newRow("four lines with a limit of three")
            << line + line + "\r\n" + line + line << QStringLiteral("má více než 3 řádků");
    }
    void dictionaryBeyondItsLimitsIsRefusedNamingTheLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        dictionaryfile::Limits limits;
        if (QByteArray(QTest::currentDataTag()).contains("limit of three"))
            limits.lines = 3;
        const QString path = write("cizi.slv", bytes);
        const Result<dictionaryfile::Loaded> read =
            dictionaryfile::readDictionaryFile(path, dictionaryfile::Contents::Both, limits);
        if (reason.isEmpty()) {
            QVERIFY2(read, qPrintable(read.error()));
            return;
        }
        QVERIFY(!read);
        QVERIFY2(read.error().contains("cizi.slv") && read.error().contains(reason),
                 qPrintable(read.error()));
    }

    // A dictionary from another tool: UTF-8 is recognised and read on request, what
    // Windows-1250 cannot hold becomes "?" and is listed; a file with zero bytes (a
    // picture renamed .slv) is not a dictionary.
    void encodingOfAFileIsRecognised_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("looksUtf8");
        QTest::addColumn<QString>("czechAsUtf8"); // empty: refused
        QTest::addColumn<QString>("replaced");
        QTest::newRow("Windows-1250") << cp1250("kočka;cat\r\nžluťoučký;yellow") << false << "ko?ka"
                                      << QString(QChar::ReplacementCharacter);
        QTest::newRow("UTF-8") << QString("kočka;cat").toUtf8() << true << "kočka"
                               << "";
        QTest::newRow("UTF-8 with a mark and a sign outside Windows-1250")
            << "\xEF\xBB\xBF" + QString("ʃip;ship;[ʃɪp]").toUtf8() << true << "?ip"
            << QString("ɪʃ");
        // A character beyond the basic plane is one "?" and one listed character (its two
        // UTF-16 halves are one character); the bytes of a lone surrogate are no UTF-8 and
        // each becomes "?", the same way every time.
        QTest::newRow("UTF-8 with an emoji")
            << QString("kočka 🐱 mňau;cat").toUtf8() << true << "kočka ? mňau"
            << QString(QChar::ReplacementCharacter);
        QTest::newRow("UTF-8 with a letter of a supplementary plane")
            << QString("𝐀𐐀b;ab").toUtf8() << true << "??b" << QString(QChar::ReplacementCharacter);
        QTest::newRow("a lone surrogate written as UTF-8 bytes")
            << QByteArray("pes\xED\xA0\x80;dog") << false << "pes???"
            << QString(QChar::ReplacementCharacter);
        QTest::newRow("ASCII only") << QByteArray("pes;dog") << false << "pes"
                                    << "";
        QTest::newRow("zero bytes of a picture")
            << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << false << ""
            << "";
    }
    void encodingOfAFileIsRecognised() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, looksUtf8);
        QFETCH(QString, czechAsUtf8);
        QFETCH(QString, replaced);
        const QString path = write("cizi.slv", bytes);
        const Result<dictionaryfile::Loaded> read = dictionaryfile::readDictionaryFile(path);
        const Result<dictionaryfile::Loaded> utf8 = dictionaryfile::readDictionaryFile(
            path, dictionaryfile::Contents::Both, {}, dictionaryfile::Encoding::Utf8);
        if (czechAsUtf8.isEmpty()) {
            QVERIFY(!read);
            QVERIFY(read.error().contains("cizi.slv") && read.error().contains("nulové bajty"));
            return;
        }
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(read->looksUtf8, looksUtf8);
        QCOMPARE(utf8->dictionary.first().cz, czechAsUtf8);
        QCOMPARE(utf8->replaced, replaced);
        QVERIFY(!utf8->looksUtf8);
    }

    void shortLinesGiveEmptyFieldsAndExtraFieldsAreDropped() {
        QCOMPARE(dictionaryfile::recordFromLine(u"dům;house"), (Tslovniky{"house", "dům", "", ""}));
        QCOMPARE(dictionaryfile::recordFromLine(u""), (Tslovniky{"", "", "", ""}));
        QCOMPARE(dictionaryfile::recordFromLine(u"a;b;[];NENÍ;x"),
                 (Tslovniky{"b", "a", "[]", "NENÍ"}));
        QCOMPARE(dictionaryfile::lineOfRecord({"b", "a", "[]", "NENÍ"}),
                 QStringLiteral("a;b;[];NENÍ"));
    }

    void missingFileIsAFailureNamingTheFile() {
        const Result<dictionaryfile::Loaded> read =
            dictionaryfile::readDictionaryFile(m_dir.filePath("does-not-exist.slv"));
        QVERIFY(!read);
        QVERIFY(read.error().contains("does-not-exist.slv"));
    }

    void emptyDictionaryWritesZeroBytes() {
        const QString out = write("full.slv", "x;y;[];NENÍ\r\n");
        QVERIFY(dictionaryfile::writeDictionaryFile(out, {}).ok());
        QCOMPARE(contents(out), QByteArray());
    }

    void pathPartsAndLowerCase() {
        QCOMPARE(paths::fileNamePart("C:\\Slovniky\\Zvirata.slv"), QStringLiteral("Zvirata.slv"));
        QCOMPARE(paths::folderPart("C:\\Slovniky\\Zvirata.slv"), QStringLiteral("C:\\Slovniky\\"));
        QCOMPARE(paths::folderPart("/home/a/b.slv"), QStringLiteral("/home/a/"));
        QCOMPARE(paths::fileNamePart("b.slv"), QStringLiteral("b.slv"));
        QCOMPARE(paths::folderPart("b.slv"), QString());
        QCOMPARE(paths::asciiLower("C:\\Slovníky\\ŽELVA.SLV"),
                 QStringLiteral("c:\\slovníky\\Želva.slv"));
    }
};

QTEST_GUILESS_MAIN(TestSlovnik)
#include "tst_slovnik.moc"
