#include "testing/choices.h"
#include "testing/zkouseni.h"

#include <QRandomGenerator>
#include <QSet>
#include <QTest>

#include <random>

using namespace testitems;

class TestZkouseni : public QObject {
    Q_OBJECT

private slots:
    void recordsFollowTheDirection_data() {
        QTest::addColumn<bool>("foreignShown");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("answer");
        QTest::newRow("Z CZ do CIZ") << false << "kočka+kocour"
                                     << "cat";
        QTest::newRow("Z CIZ do CZ") << true << "cat"
                                     << "kočka+kocour";
    }
    void recordsFollowTheDirection() {
        QFETCH(bool, foreignShown);
        const TestRecord r = recordFromLine(u"kočka+kocour;cat;[ket];c:/z/cat.wav", foreignShown);
        QTEST(r.shown, "shown");
        QTEST(r.answer, "answer");
        QCOMPARE(r.vyslovnost, QStringLiteral("[ket]"));
        QCOMPARE(r.zvuk, QStringLiteral("c:/z/cat.wav"));
    }

    void aShortLineGivesEmptyFieldsAndAFinalEmptyLineIsNoExpression() {
        const QList<TestRecord> records =
            recordsFromLines({QStringLiteral("pes"), QStringLiteral("a;b"), QString()}, false);
        QCOMPARE(records.size(), 2);
        QCOMPARE(records[0].shown, QStringLiteral("pes"));
        QCOMPARE(records[0].answer, QString());
        QCOMPARE(records[0].zvuk, QString());
        QCOMPARE(records[1].answer, QStringLiteral("b"));
    }

    void testingTwoItemsKeepTheQuestionInCz_data() {
        QTest::addColumn<bool>("foreignShown");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("pronunciation");
        QTest::addColumn<QString>("sound");
        QTest::newRow("Z CZ do CIZ") << false << "kočka;cat;[k4t];c:/cat.wav"
                                     << "kočka"
                                     << "cat"
                                     << "[k4t]"
                                     << "c:/cat.wav";
        QTest::newRow("Z CIZ do CZ") << true << "kočka;cat;[k4t];NENÍ"
                                     << "cat"
                                     << "kočka"
                                     << "[k4t]"
                                     << "NENÍ";
        QTest::newRow("short line") << true << "pes"
                                    << ""
                                    << "pes"
                                    << ""
                                    << "";
        QTest::newRow("empty line") << false << ""
                                    << ""
                                    << ""
                                    << ""
                                    << "";
    }
    void testingTwoItemsKeepTheQuestionInCz() {
        QFETCH(bool, foreignShown);
        QFETCH(QString, line);
        const Tslovniky item = testitems::itemFromLine(line, foreignShown);
        QTEST(item.cz, "question");
        QTEST(item.ang, "answer");
        QTEST(item.vyslovnost, "pronunciation");
        QTEST(item.zvuk, "sound");
        // As the evaluation keeps it, the question is the shown text; saved or printed,
        // Czech comes first again.
        const testitems::TestRecord record = testitems::recordOfItem(item);
        QCOMPARE(record, testitems::recordFromLine(line, foreignShown));
        QCOMPARE(testitems::dictionaryRecord(record, !foreignShown),
                 dictionaryfile::recordFromLine(line));
    }

    void everyLineIsATestingTwoItem() {
        const Tpole items = testitems::itemsFromLines({"a;x", "", "b;y"}, false);
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[2].ang, QStringLiteral("y"));
    }

    void dictionaryLinesPutCzechFirstInBothDirections() {
        const TestRecord czShown{QStringLiteral("dog"), QStringLiteral("pes"),
                                 QStringLiteral("[dog]"), QStringLiteral("NENÍ")};
        QCOMPARE(dictionaryLine(czShown, true), QStringLiteral("pes;dog;[dog];NENÍ"));
        const TestRecord foreignShown{QStringLiteral("pes"), QStringLiteral("dog"),
                                      QStringLiteral("[dog]"), QStringLiteral("NENÍ")};
        QCOMPARE(dictionaryLine(foreignShown, false), QStringLiteral("pes;dog;[dog];NENÍ"));
    }

    void judging_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("right");
        QTest::newRow("one meaning") << "dog"
                                     << "dog" << true;
        QTest::newRow("first of two") << "a+b"
                                      << "a" << true;
        QTest::newRow("second of two") << "a+b"
                                       << "b" << true;
        QTest::newRow("both joined by +") << "a+b"
                                          << "a+b" << false;
        QTest::newRow("both joined by ;") << "a+b"
                                          << "a ; b" << false;
        QTest::newRow("case of one letter") << "Dog"
                                            << "dog" << false;
        QTest::newRow("trailing blank") << "dog"
                                        << "dog " << false;
        QTest::newRow("leading blank") << "dog"
                                       << " dog" << false;
        QTest::newRow("fifth of five") << "a+b+c+d+e"
                                       << "e" << true;
        QTest::newRow("empty answer, empty meaning") << "a++b"
                                                     << "" << true;
        QTest::newRow("empty answer") << "a+b"
                                      << "" << false;
        QTest::newRow("diacritics") << "kůň"
                                    << "kun" << false;
    }
    void judging() {
        QFETCH(QString, field);
        QFETCH(QString, answer);
        QTEST(isRightAnswer(answer, field), "right");
    }

    void meaningsAreShownJoinedBySemicolons() {
        QCOMPARE(shownMeanings(u"a"), QStringLiteral("a"));
        QCOMPARE(shownMeanings(u"a+b+c"), QStringLiteral("a ; b ; c"));
        QCOMPARE(shownMeanings(u"a+b+c+d+e"), QStringLiteral("a ; b ; c ; d ; e"));
    }

    void percentText_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("text");
        QTest::newRow("2 of 3") << 2 << 3 << "66,6666666666667";
        QTest::newRow("1 of 3") << 1 << 3 << "33,3333333333333";
        QTest::newRow("all") << 3 << 3 << "100";
        QTest::newRow("none") << 0 << 4 << "0";
        QTest::newRow("half") << 1 << 2 << "50";
        QTest::newRow("1 of 8") << 1 << 8 << "12,5";
        QTest::newRow("2 of 7") << 2 << 7 << "28,5714285714286";
        QTest::newRow("no total") << 0 << 0 << "0";
    }
    void percentText() {
        QFETCH(int, correct);
        QFETCH(int, total);
        QTEST(testitems::percentText(correct, total), "text");
    }

    void percentReadsBackFromItsText() {
        QCOMPARE(percentFromText(QStringLiteral("66,6666666666667")).value_or(-1),
                 66.6666666666667);
        QCOMPARE(percentFromText(QStringLiteral("79.9")).value_or(-1), 79.9);
        QVERIFY(!percentFromText(QStringLiteral("-")));
        QVERIFY(!percentFromText(QString()));
    }
    void sequentialOrderAsksEveryExpressionInFileOrder() {
        TestRun<int> run;
        run.load({10, 20, 30, 40});
        QList<int> asked{run.current()};
        QList<int> numbers{run.number(false)};
        while (run.nextInOrder()) {
            asked.append(run.current());
            numbers.append(run.number(false));
        }
        QCOMPARE(asked, (QList<int>{10, 20, 30, 40}));
        QCOMPARE(numbers, (QList<int>{1, 2, 3, 4}));
        QVERIFY(!run.nextInOrder());
    }

    void randomOrderAsksEachOnceAndCountsFromOne() {
        for (unsigned seed = 1; seed <= 20; ++seed) {
            std::mt19937 generator(seed);
            TestRun<int> run;
            QList<int> all;
            for (int i = 0; i < 9; ++i)
                all.append(i);
            run.load(all);
            QSet<int> asked;
            int k = 0;
            while (run.nextDrawn([&](int bound) {
                return std::uniform_int_distribution<int>(0, bound - 1)(generator);
            })) {
                QCOMPARE(run.number(true), k + 1);
                QCOMPARE(run.remaining(), 9 - k);
                QVERIFY2(!asked.contains(run.current()), "an expression was asked twice");
                asked.insert(run.current());
                ++k;
            }
            QCOMPARE(k, 9);
            QCOMPARE(run.remaining(), 0);
        }
    }

    void randomDrawIsUniformAmongTheRemaining() {
        // The first question of a three-expression test, over many tests: each
        // expression comes first about a third of the time.
        std::mt19937 generator(7);
        QMap<int, int> first;
        for (int i = 0; i < 3000; ++i) {
            TestRun<int> run;
            run.load({0, 1, 2});
            run.nextDrawn([&](int bound) {
                return std::uniform_int_distribution<int>(0, bound - 1)(generator);
            });
            ++first[run.current()];
        }
        for (int e = 0; e < 3; ++e)
            QVERIFY2(first[e] > 900 && first[e] < 1100, qPrintable(QString::number(first[e])));
    }

    void aDrawOutOfRangeStaysInside() {
        TestRun<int> run;
        run.load({1, 2});
        QVERIFY(run.nextDrawn([](int) { return 57; }));
        QVERIFY(run.hasCurrent());
    }

    // The options of a question answered by choice, whatever the draws: the asked
    // expression's first meaning once, and wrong ones only from the allowed texts, each
    // once. Records are "answer|shown"; the one asked is the first.
    void choicesOfFour_data() {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<int>("count");
        QTest::addColumn<QStringList>("allowed");
        QTest::newRow("a dictionary of three")
            << QStringList{"dog|pes", "cat|kočka", "horse|kůň"} << 3 << QStringList{"cat", "horse"};
        QTest::newRow("duplicates, and the same text but for case, accents and spaces")
            << QStringList{"dog|pes",   "Dog|pes2",   "dóg |pes3",
                           "cat|kočka", "cat|kocour", "mouse|myš"}
            << 3 << QStringList{"cat", "mouse"};
        QTest::newRow("meanings lists: never another meaning of the asked one")
            << QStringList{"dog+hound|pes", "hound+cur|čokl", "cat+kitty|kočka", "rat|krysa"} << 4
            << QStringList{"cur", "cat", "kitty", "rat"};
        QTest::newRow("another line of the same expression")
            << QStringList{"dog|pes", "hound|pes", "mutt|čokl+pes", "cat|kočka"} << 2
            << QStringList{"cat"};
        QTest::newRow("the nearest lengths")
            << QStringList{"cat|kočka", "elephant|slon",        "hippopotamus|hroch",
                           "owl|sova",  "rhinoceros|nosorožec", "ant|mravenec",
                           "dog|pes"}
            << 4 << QStringList{"owl", "ant", "dog"};
        QTest::newRow("one expression: no choice") << QStringList{"dog|pes"} << 1 << QStringList{};
        QTest::newRow("an empty answer: none")
            << QStringList{"|pes", "cat|kočka"} << 0 << QStringList{};
        QStringList large{"w0|v0"}, others;
        for (int i = 1; i < 1000; ++i) {
            large.append(QStringLiteral("w%1|v%1").arg(i));
            others.append(QStringLiteral("w%1").arg(i));
        }
        QTest::newRow("a large dictionary, sampled") << large << 4 << others;
    }

    void choicesOfFour() {
        QFETCH(QStringList, records);
        QFETCH(int, count);
        QFETCH(QStringList, allowed);
        QList<TestRecord> test;
        for (const QString &record : records)
            test.append({record.section(u'|', 0, 0), record.section(u'|', 1), {}, {}});
        QSet<int> rightPlaces;
        for (quint32 seed = 1; seed <= 40; ++seed) {
            QRandomGenerator generator(seed);
            const choices::Question question = choices::ask(
                test, test.first(), [&](int bound) { return int(generator.bounded(bound)); });
            QCOMPARE(question.options.size(), count);
            if (count == 0)
                continue;
            QCOMPARE(question.options.at(question.right), test.first().answer.section(u'+', 0, 0));
            rightPlaces.insert(question.right);
            QStringList wrong = question.options;
            wrong.removeAt(question.right);
            for (const QString &option : wrong) {
                QVERIFY2(allowed.contains(option), qPrintable(option));
                QCOMPARE(wrong.count(option), 1);
            }
        }
        // The right answer is not always in the same place.
        QCOMPARE(rightPlaces.size(), count);
    }
};

QTEST_GUILESS_MAIN(TestZkouseni)
#include "tst_zkouseni.moc"
