#include "core/textfile.h"
#include "core/win1250.h"
#include "exchange/importexport.h"
#include "exchange/kvtml.h"
#include "support/testfiles.h"
#include "support/testplatform.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

using exchange::Encoding;

namespace {

QString peerFile(const QString &name) {
    return TestPlatform::sourceDir() + QStringLiteral("/tests/data/peers/") + name;
}

// Records written as "foreign|Czech|pronunciation|sound" rows, cut at "/".
QString recordsText(const Tpole &dictionary) {
    QStringList rows;
    for (const Tslovniky &e : dictionary)
        rows << QStringList{e.ang, e.cz, e.vyslovnost, e.zvuk}.join(u'|');
    return rows.join(u'/');
}

QByteArray encoded(const QString &text, const char *encoding) {
    if (qstrcmp(encoding, "Windows-1250") == 0)
        return cp1250(text);
    QStringEncoder encoder(encoding);
    if (!encoder.isValid() && qstrcmp(encoding, "ISO-8859-2") == 0) {
        // Qt without ICU (Windows) has no ISO 8859-2: the Czech letters where it differs
        // from Windows-1250 are moved by hand.
        constexpr std::pair<int, int> kMoved[] = {{0x8A, 0xA9}, {0x8D, 0xAB}, {0x8E, 0xAE},
                                                  {0x9A, 0xB9}, {0x9D, 0xBB}, {0x9E, 0xBE}};
        QByteArray bytes = cp1250(text);
        for (char &byte : bytes) {
            for (const auto &[from, to] : kMoved) {
                if (static_cast<unsigned char>(byte) == from)
                    byte = char(to);
            }
        }
        return bytes;
    }
    return encoder.encode(text);
}

// A dictionary as the program writes it, holding every character of Windows-1250 that
// an entry field can hold (no control characters, no ";"), and each key of the
// phonetic font in a pronunciation.
QByteArray everyLetterDictionary() {
    QString all;
    for (int b = 0x20; b < 0x100; ++b) {
        const char byte = char(b);
        const QChar c = win1250::decode(QByteArrayView(&byte, 1)).at(0);
        if (c != u';' && c.category() != QChar::Other_Control)
            all += c;
    }
    QStringList lines;
    for (qsizetype i = 0; i < all.size(); i += 20)
        lines << all.mid(i, 20) + u';' + win1250::toUpper(all.mid(i, 20)) +
                     QStringLiteral(";[0123456789!@:]") + u';' + dictionaryfile::kNoSound;
    lines << QStringLiteral(" mezery kolem ;\"uvozovky\", čárky;[];NENÍ");
    lines << QStringLiteral("pes+čokl;dog;[d9g];NENÍ");
    return cp1250Lines(lines);
}

} // namespace

class TestExchange : public QObject {
    Q_OBJECT

private slots:
    // Each encoding and delimiter of a spreadsheet or another trainer is found, quoted
    // fields are read as RFC 4180 says, and the rows become expressions.
    void delimitedFilesAreImportedInTheirEncoding_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QString>("records");
        const QString czech = QStringLiteral("Cizí výraz;Český výraz\r\ncat;kočka\r\n"
                                             "\"horse; \"\"stallion\"\"\";kůň+oř\r\n"
                                             "tortoise;želva, šťovík\r\n");
        const QString expected =
            QStringLiteral("cat|kočka|[]|NENÍ/horse+ \"stallion\"|kůň+oř|[]|NENÍ/"
                           "tortoise|želva, šťovík|[]|NENÍ");
        QTest::newRow("UTF-8") << czech.toUtf8() << int(Encoding::Utf8) << ";" << expected;
        QTest::newRow("UTF-8 with BOM")
            << "\xEF\xBB\xBF" + czech.toUtf8() << int(Encoding::Utf8) << ";" << expected;
        QTest::newRow("UTF-16 LE with BOM") << encoded(QChar(0xFEFF) + czech, "UTF-16LE")
                                            << int(Encoding::Utf16LittleEndian) << ";" << expected;
        QTest::newRow("UTF-16 BE with BOM") << encoded(QChar(0xFEFF) + czech, "UTF-16BE")
                                            << int(Encoding::Utf16BigEndian) << ";" << expected;
        QTest::newRow("Windows-1250")
            << encoded(czech, "Windows-1250") << int(Encoding::Windows1250) << ";" << expected;
        QTest::newRow("ISO 8859-2")
            << encoded(czech, "ISO-8859-2") << int(Encoding::Iso8859_2) << ";" << expected;
        // A byte of 0x80 to 0x9F is a character of Windows-1250 and a control of ISO 8859-2:
        // the euro sign (0x80) or "ź" (0x9F) alone decides, where uchardet takes the Slovak
        // "ľ" (0xBE, "ž" in ISO 8859-2) for ISO 8859-2.
        QTest::newRow("Windows-1250 whose only sign is the euro")
            << cp1250(QStringLiteral("ľahko;snadno\r\nvečer;večer\r\neuro;€\r\n"))
            << int(Encoding::Windows1250) << ";"
            << "ľahko|snadno|[]|NENÍ/večer|večer|[]|NENÍ/euro|€|[]|NENÍ";
        QTest::newRow("Windows-1250 whose only sign is the last of the range")
            << cp1250(QStringLiteral("ľahko;snadno\r\nźle;zle\r\n")) << int(Encoding::Windows1250)
            << ";"
            << "ľahko|snadno|[]|NENÍ/źle|zle|[]|NENÍ";
        QTest::newRow("tabs, LF only, no header")
            << QStringLiteral("cat\tkočka\t[k4t]\ndog\tpes\t[d9g]\n").toUtf8()
            << int(Encoding::Utf8) << "\t"
            << "cat|kočka|[k4t]|NENÍ/dog|pes|[d9g]|NENÍ";
        QTest::newRow("commas, a line break in quotes, empty rows left out")
            << QStringLiteral("cat,\"kočka\r\ndomácí\"\r\n\r\n,,\r\ndog,pes\r\nbird,\r\n").toUtf8()
            << int(Encoding::Utf8) << ","
            << "cat|kočka domácí|[]|NENÍ/dog|pes|[]|NENÍ";
        QTest::newRow("fields of a quote alone")
            << QByteArray("x,y\r\n\"\"\"\",\"\"\"\"\r\n") << int(Encoding::Utf8) << ","
            << "x|y|[]|NENÍ/\"|\"|[]|NENÍ";
        QTest::newRow("LibreOffice Calc, UTF-8")
            << bytesOf(peerFile(QStringLiteral("libreoffice-utf8.csv"))) << int(Encoding::Utf8)
            << ","
            << "Anglicky|Česky|[]|NENÍ/cat|kočka|[]|NENÍ/horse|kůň, oř|[]|NENÍ/"
               "fish+ small|rybička|[]|NENÍ/turtle|želva|[]|NENÍ";
        QTest::newRow("LibreOffice Calc, Windows-1250")
            << bytesOf(peerFile(QStringLiteral("libreoffice-windows1250.csv")))
            << int(Encoding::Windows1250) << ";"
            << "Anglicky|Česky|[]|NENÍ/cat|kočka|[]|NENÍ/horse|kůň, oř|[]|NENÍ/"
               "fish+ small|rybička|[]|NENÍ/turtle|želva|[]|NENÍ";
        QTest::newRow("Anki notes in plain text")
            << bytesOf(peerFile(QStringLiteral("anki-notes.txt"))) << int(Encoding::Utf8) << "\t"
            << "cat|kočka|[k4t]|NENÍ/dog|pes čokl|[]|NENÍ/horse+ stallion|kůň & hřebec|[]|NENÍ";
    }
    void delimitedFilesAreImportedInTheirEncoding() {
        QFETCH(QByteArray, bytes);
        const Result<exchange::DelimitedFile> file = exchange::parseDelimitedFile(bytes);
        QVERIFY2(file, qPrintable(file.error()));
        QTEST(int(file->encoding), "encoding");
        QTEST(QString(file->delimiter), "delimiter");
        const Result<exchange::Imported> imported =
            exchange::dictionaryOfTable(file->table, file->columns, QString());
        QTEST(recordsText(imported->dictionary), "records");
    }

    // What is no table is refused with the reason and the line.
    void badDelimitedTextIsRefusedInCzech_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("rowLimit"); // 0: the import's own
        QTest::newRow("quote left open") << QByteArray("a;b\r\n\"c;d\r\ne;f\r\n")
                                         << "uvozovky otevřené na řádku 2 se už neuzavřou" << 0;
        QTest::newRow("zero byte") << QByteArray("a;b\0", 4) << "nulové bajty" << 0;
        QTest::newRow("odd UTF-16") << QByteArray("\xFF\xFE"
                                                  "a",
                                                  3)
                                    << "soubor není v kódování UTF-16" << 0;
        QTest::newRow("field too long")
            << "a;" + QByteArray(5000, 'x') << "pole na řádku 1 je delší" << 0;
        QTest::newRow("too many columns") << QByteArray(300, ';') + "a"
                                          << "řádek 1 má více než 256 sloupců" << 0;
        QTest::newRow("one row more than the limit")
            << QByteArray("a;1\r\nb;2\r\nc;3\r\nd;4\r\n") << "soubor má více než 3 řádků" << 3;
    }
    void badDelimitedTextIsRefusedInCzech() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        QFETCH(int, rowLimit);
        exchange::TableLimits limits;
        if (rowLimit != 0)
            limits.rows = rowLimit;
        const Result<exchange::DelimitedFile> file = exchange::parseDelimitedFile(bytes, limits);
        QVERIFY(!file);
        QVERIFY2(file.error().contains(error), qPrintable(file.error()));
    }

    // The vocabularies that KWordQuiz and Parley saved themselves.
    void peerVocabulariesAreImported_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("records");
        QTest::addColumn<int>("skipped");
        QTest::newRow("KWordQuiz") << "kwordquiz.kvtml"
                                   << "cat|kočka|[]|NENÍ/dog|pes|[]|NENÍ/horse|kůň|[]|NENÍ/"
                                      "bird|pták|[]|NENÍ/fish+ small|ryba, \"malá\"|[]|NENÍ"
                                   << 0;
        QTest::newRow("Parley") << "parley.kvtml"
                                << "cat|kočka|[k4t]|NENÍ/dog|pes+čokl|[d9g]|NENÍ/"
                                   "horse|kůň|[]|NENÍ/tortoise|želva|[]|NENÍ"
                                << 0;
    }
    void peerVocabulariesAreImported() {
        QFETCH(QString, file);
        const Result<exchange::KvtmlRead> read = exchange::readKvtmlFile(peerFile(file));
        QVERIFY2(read, qPrintable(read.error()));
        QTEST(recordsText(read->dictionary), "records");
        QTEST(int(read->skippedEntries), "skipped");
    }

    // A KVTML file is untrusted: no entity of its own is expanded, nothing beyond the
    // limits is read, and a sound is kept only when it is a file beside the vocabulary.
    void kvtmlIsReadAsUntrustedInput_data() {
        QTest::addColumn<QByteArray>("body"); // inside <entries>, or a whole document
        QTest::addColumn<QString>("error");   // empty: read
        QTest::addColumn<QString>("records");
        const QByteArray laughs =
            "<?xml version=\"1.0\"?><!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\">"
            "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]><kvtml version=\"2.0\"><entries>"
            "<entry id=\"0\"><translation id=\"0\"><text>&b;</text></translation></entry>"
            "</entries></kvtml>";
        QTest::newRow("entities of its own") << laughs << "vlastní entity"
                                             << "";
        QTest::newRow("unknown entity")
            << QByteArray(
                   "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"
                   "<kvtml version=\"2.0\"><entries><entry id=\"0\"><translation id=\"0\">"
                   "<text>&x;</text></translation></entry></entries></kvtml>")
            << "neznámou entitu"
            << "";
        QTest::newRow("not KVTML") << QByteArray("<html><body/></html>") << "není to slovník KVTML"
                                   << "";
        QTest::newRow("KVTML 1") << QByteArray("<kvtml><e><o>cat</o><t>kočka</t></e></kvtml>")
                                 << "je to KVTML verze 1"
                                 << "";
        QTest::newRow("not XML") << QByteArray("<kvtml version=\"2.0\"><entries>")
                                 << "není platné XML"
                                 << "";
        QTest::newRow("too deep") << "<kvtml version=\"2.0\">" + QByteArray("<a>").repeated(40)
                                  << "vnořeny hlouběji než 32"
                                  << "";
        QTest::newRow("sound beside it kept, others dropped")
            << QByteArray("<entry id=\"0\"><translation id=\"0\"><text>cat</text>"
                          "<sound>zvuky/cat.wav</sound></translation><translation id=\"1\">"
                          "<text>kočka</text></translation></entry>"
                          "<entry id=\"1\"><translation id=\"0\"><text>dog</text>"
                          "<sound>../outside.wav</sound></translation><translation id=\"1\">"
                          "<text>pes</text></translation></entry>"
                          "<entry id=\"2\"><translation id=\"0\"><text>cow</text>"
                          "<sound>zvuky/link.wav</sound></translation><translation id=\"1\">"
                          "<text>kráva</text></translation></entry>"
                          "<entry id=\"3\"><translation id=\"0\"><text>owl</text>"
                          "<sound>zvuky/missing.wav</sound></translation><translation id=\"1\">"
                          "<text>sova</text></translation></entry>")
            << ""
            << "cat|kočka|[]|DIR/zvuky/cat.wav/dog|pes|[]|NENÍ/cow|kráva|[]|NENÍ/owl|sova|[]|NENÍ";
    }
    void kvtmlIsReadAsUntrustedInput() {
        QFETCH(QByteArray, body);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("slovnik"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/zvuky")));
        QFile sound(folder + QStringLiteral("/zvuky/cat.wav"));
        QVERIFY(sound.open(QIODevice::WriteOnly));
        sound.close();
        QFile outside(dir.filePath(QStringLiteral("outside.wav")));
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.close();
#ifndef Q_OS_WIN // a link of QFile::link is a shortcut there, a file of its own
        QVERIFY(QFile::link(outside.fileName(), folder + QStringLiteral("/zvuky/link.wav")));
#endif
        const QByteArray document =
            body.contains("kvtml") || body.contains("html")
                ? body
                : "<?xml version=\"1.0\"?><kvtml version=\"2.0\"><identifiers><identifier id=\"0\">"
                  "<locale>en</locale></identifier><identifier id=\"1\"><locale>cs</locale>"
                  "</identifier></identifiers><entries>" +
                      body + "</entries></kvtml>";
        const Result<exchange::KvtmlRead> read = exchange::parseKvtml(document, folder);
        if (!error.isEmpty()) {
            QVERIFY(!read);
            QVERIFY2(read.error().contains(error), qPrintable(read.error()));
            return;
        }
        QVERIFY2(read, qPrintable(read.error()));
        QTEST(recordsText(read->dictionary).replace(folder, QStringLiteral("DIR")), "records");
        QCOMPARE(read->droppedSounds.size(), 3);
    }

    // .slv → CSV, TSV or KVTML → .slv gives the same bytes: the shipped sample and a
    // dictionary with every letter of Windows-1250.
    void roundTripsKeepTheDictionaryByteForByte_data() {
        QTest::addColumn<QByteArray>("slv");
        QTest::addColumn<QString>("format");
        const QByteArray sample =
            bytesOf(TestPlatform::sourceDir() + QStringLiteral("/data/Slovniky/zvirata.slv"));
        for (const char *format : {"csv", "tsv", "csv with header", "kvtml"}) {
            QTest::addRow("zvirata.slv, %s", format) << sample << QString::fromLatin1(format);
            QTest::addRow("every letter, %s", format)
                << everyLetterDictionary() << QString::fromLatin1(format);
        }
    }
    void roundTripsKeepTheDictionaryByteForByte() {
        QFETCH(QByteArray, slv);
        QFETCH(QString, format);
        const Result<dictionaryfile::Loaded> original = dictionaryfile::parseDictionaryFile(slv);
        QVERIFY2(original, qPrintable(original.error()));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("export.") + format.left(5));
        Tpole back;
        if (format == u"kvtml") {
            QVERIFY(exchange::writeKvtmlFile(path, original->dictionary, QStringLiteral("zvířata"),
                                             QStringLiteral("en")));
            const Result<exchange::KvtmlRead> read = exchange::readKvtmlFile(path);
            QVERIFY2(read, qPrintable(read.error()));
            QCOMPARE(read->title, QStringLiteral("zvířata"));
            back = read->dictionary;
        } else {
            const QChar delimiter = format.startsWith(u"tsv") ? u'\t' : u',';
            QVERIFY(exchange::writeDelimitedFile(path, original->dictionary, delimiter,
                                                 format.endsWith(u"header")));
            const Result<exchange::DelimitedFile> file = exchange::readDelimitedFile(path);
            QVERIFY2(file, qPrintable(file.error()));
            QCOMPARE(file->delimiter, delimiter);
            QCOMPARE(file->columns.headerRow, format.endsWith(u"header"));
            back = exchange::dictionaryOfTable(file->table, file->columns, dir.path())->dictionary;
        }
        QVERIFY(exchange::unencodableCharacters(back).isEmpty());
        const Result<QByteArray> bytes =
            textfile::encodeLines(dictionaryfile::dictionaryLines(back));
        QVERIFY2(bytes, qPrintable(bytes.error()));
        QCOMPARE(*bytes, slv);
    }

    // Characters that Windows-1250 cannot hold are listed with what replaces them.
    void unencodableCharactersAreListedWithTheirReplacement_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("listed"); // character=replacement×count, ...
        QTest::addColumn<QString>("replaced");
        QTest::newRow("Czech and German only") << "žluťoučký kůň, Straße"
                                               << ""
                                               << "žluťoučký kůň, Straße";
        QTest::newRow("accents of other languages") << "à la carte, señor, ñ"
                                                    << "à=a×1 ñ=n×2"
                                                    << "a la carte, senor, n";
        QTest::newRow("letters without accents") << "æsop, œuvre, ø"
                                                 << "æ=ae×1 œ=oe×1 ø=o×1"
                                                 << "aesop, oeuvre, o";
        QTest::newRow("other scripts and emoji") << "кот 🐈"
                                                 << "к=?×1 о=?×1 т=?×1 🐈=?×1"
                                                 << "??? ?";
    }
    void unencodableCharactersAreListedWithTheirReplacement() {
        QFETCH(QString, text);
        const Tpole dictionary{{text, QStringLiteral("x"), dictionaryfile::kNoPronunciation,
                                dictionaryfile::kNoSound}};
        QStringList listed;
        for (const exchange::Replacement &r : exchange::unencodableCharacters(dictionary))
            listed << QStringLiteral("%1=%2×%3").arg(r.character, r.replacement).arg(r.count);
        QTEST(listed.join(u' '), "listed");
        QTEST(exchange::withReplacements(dictionary).front().ang, "replaced");
    }
};

QTEST_GUILESS_MAIN(TestExchange)
#include "tst_exchange.moc"
