#include "translator/prekladac.h"

#include <QTest>

using translatorfile::Entry;
using translatorfile::EntryList;

namespace {

EntryList listOf(const QStringList &expressions) {
    QList<Entry> entries;
    for (const QString &e : expressions)
        entries.append({e, e.toLower()});
    return EntryList(entries);
}

// The first position in file order, found by walking the list as a user would.
qsizetype walkPrefix(const EntryList &list, const QString &prefix) {
    for (qsizetype i = 0; i < list.size(); ++i)
        if (list.at(i).expression.startsWith(prefix))
            return i;
    return -1;
}

} // namespace

class TestPrekladac : public QObject {
    Q_OBJECT

private slots:
    void sectionsSkipTheLineAboveTheSeparator() {
        const QStringList lines{
            "A;a",     "B;b",       "C;c", "D;d", "E;e", "SKRYTY;x", translatorfile::kSeparator,
            "PES;DOG", "KOCKA;CAT", "BEZ"};
        const auto words = *translatorfile::parse(lines);
        QCOMPARE(words.english.size(), 5);
        QCOMPARE(words.czech.size(), 3);
        QCOMPARE(words.english.at(4).expression, QStringLiteral("E"));
        QCOMPARE(words.czech.at(0).translation, QStringLiteral("DOG"));
        QCOMPARE(words.czech.at(2).expression, QStringLiteral("BEZ"));
        QCOMPARE(words.czech.at(2).translation, QString()); // no ";": empty translation
        QCOMPARE(words.english.findExact(u"SKRYTY"), -1);
    }

    void fileTextEndsLinesAsEveryOtherReader() {
        // CR, LF and CR LF each end a line; the empty line above the separator is the
        // skipped one; the last line needs no line break.
        const auto words = *translatorfile::parseFile(QStringLiteral("A;a\rB;b;navic\n\r\n") +
                                                      translatorfile::kSeparator +
                                                      QStringLiteral("\r\nPES;DOG\n;\rKOCKA"));
        QCOMPARE(words.english.size(), 2);
        QCOMPARE(words.english.at(1).expression, QStringLiteral("B"));
        QCOMPARE(words.english.at(1).translation, QStringLiteral("b"));
        QCOMPARE(words.czech.size(), 3);
        QCOMPARE(words.czech.at(0).translation, QStringLiteral("DOG"));
        QCOMPARE(words.czech.at(1).expression, QString());
        QCOMPARE(words.czech.at(2).expression, QStringLiteral("KOCKA"));
        QCOMPARE(words.czech.findExact(u"KOCKA"), 2);
        QCOMPARE(words.czech.findPrefix(u"P"), 0);
    }

    void extraFieldsAreIgnored() {
        const auto words = *translatorfile::parse({"X;Y;Z", "", translatorfile::kSeparator});
        QCOMPARE(words.english.at(0).translation, QStringLiteral("Y"));
        QCOMPARE(words.czech.size(), 0);
    }

    void fileWithoutUsableSeparatorIsRefused_data() {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("message");
        QTest::newRow("none") << QStringList{"A;a", "B;b"} << translatorfile::kNoSeparator;
        QTest::newRow("lower case")
            << QStringList{"A;a", "začátek český výrazů", "B;b"} << translatorfile::kNoSeparator;
        QTest::newRow("empty") << QStringList{} << translatorfile::kNoSeparator;
        QTest::newRow("first line")
            << QStringList{translatorfile::kSeparator, "A;a"} << translatorfile::kSeparatorFirst;
    }
    void fileWithoutUsableSeparatorIsRefused() {
        QFETCH(QStringList, lines);
        QFETCH(QString, message);
        const auto words = translatorfile::parse(lines);
        QVERIFY(!words);
        QCOMPARE(words.error(), message);
    }

    void prefixFindsTheFirstEntryInFileOrder_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<qsizetype>("expected");
        QTest::newRow("first entry") << "Z" << qsizetype(0);
        QTest::newRow("later in file, earlier sorted") << "A" << qsizetype(1);
        QTest::newRow("two letters") << "AB" << qsizetype(1);
        QTest::newRow("three letters") << "ABC" << qsizetype(3);
        QTest::newRow("whole word") << "CAT" << qsizetype(4);
        QTest::newRow("longer than the entry") << "CATS" << qsizetype(-1);
        QTest::newRow("case counts") << "do" << qsizetype(5);
        QTest::newRow("upper case of lower entry") << "DO" << qsizetype(-1);
        QTest::newRow("diacritics") << "Č" << qsizetype(6);
        QTest::newRow("empty") << "" << qsizetype(-1);
    }
    void prefixFindsTheFirstEntryInFileOrder() {
        QFETCH(QString, prefix);
        QFETCH(qsizetype, expected);
        const auto list = listOf({"ZED", "ABX", "AAA", "ABCD", "CAT", "dog", "ČAJ", "ABC"});
        QCOMPARE(list.findPrefix(prefix), expected);
    }

    void exactFindsTheFirstOfEqualEntries() {
        const auto list = listOf({"B", "CAT", "A", "CAT", "CATS"});
        QCOMPARE(list.findExact(u"CAT"), 1);
        QCOMPARE(list.findExact(u"CATS"), 4);
        QCOMPARE(list.findExact(u"CA"), -1);
        QCOMPARE(list.findExact(u"cat"), -1);
    }

    void indexAgreesWithAWalkOnAShuffledList() {
        QStringList words;
        quint32 seed = 7;
        for (int i = 0; i < 3000; ++i) {
            QString w;
            const int length = 1 + int((seed = seed * 1103515245u + 12345u) >> 16) % 5;
            for (int k = 0; k < length; ++k)
                w += QChar(u'A' + int((seed = seed * 1103515245u + 12345u) >> 16) % 4);
            words.append(w);
        }
        const auto list = listOf(words);
        for (const QString &prefix :
             QStringList{"A", "B", "AB", "DCA", "ABCD", "AAAAA", "DDDDDD"}) {
            QCOMPARE(list.findPrefix(prefix), walkPrefix(list, prefix));
            QCOMPARE(list.findExact(prefix), qsizetype(words.indexOf(prefix)));
        }
    }
};

QTEST_GUILESS_MAIN(TestPrekladac)
#include "tst_prekladac.moc"
