#include "core/textfile.h"
#include "review/duelist.h"
#include "review/reviewfile.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using review::Key;
using review::keyOf;
using review::Memory;
using review::Plan;
using review::Rating;
using review::State;

namespace {

const QDate kToday(2024, 3, 1);

// A memory answered `rating` on `day` for the first time.
Memory answeredOn(QDate day, Rating rating = Rating::Good) {
    return review::answered({}, rating, day);
}

// A memory due on `due`, answered a week before it.
Memory dueOn(QDate due) {
    Memory memory = answeredOn(due.addDays(-7));
    memory.due = due;
    return memory;
}

Tslovniky expression(const QString &czech, const QString &foreign) {
    return {foreign, czech, dictionaryfile::kNoPronunciation, dictionaryfile::kNoSound};
}

QByteArray header() {
    return "VOKAB-PLAN 1\r\n";
}

const QByteArray kEntryLine =
    "E\tcat\tko\xC4\x8Dka\tknown\t2024-03-05\t2024-03-01\t2024-02-20\t3.7145\t5.1618\t2\t0\r\n";

} // namespace

class TestReviewPlan : public QObject {
    Q_OBJECT

private slots:
    // Every memory, texts with tabs, backslashes and Czech letters, and the lines a
    // later version wrote come back as they were, and the same bytes are written again.
    void planSurvivesWritingAndReading() {
        Plan plan;
        plan.keepOtherLine(QStringLiteral("X\tlater version\t\\q"));
        plan.set({QStringLiteral("a\tb\\c"), QStringLiteral("kůň\\t")}, answeredOn(kToday));
        Memory lapsed = review::answered(answeredOn(kToday.addDays(-30)), Rating::Again, kToday);
        plan.set({QStringLiteral("dog"), QStringLiteral("pes+čokl")}, lapsed);
        QVERIFY(plan.setSuspended({QStringLiteral("dog"), QStringLiteral("pes+čokl")}, true));
        QVERIFY(!plan.setSuspended({QStringLiteral("dog"), QStringLiteral("pes")}, true));
        plan.keepOtherLine(QStringLiteral("# poznámka"));
        const QByteArray bytes = review::planBytes(plan);
        QVERIFY(bytes.startsWith(header()));
        const Result<review::Plan> read = review::parsePlan(bytes);
        QVERIFY2(read, qPrintable(read.error()));
        QCOMPARE(read->entries(), plan.entries());
        QCOMPARE(read->otherLines(), plan.otherLines());
        QCOMPARE(read->memoryOf({QStringLiteral("dog"), QStringLiteral("pes+čokl")}).lapses, 1);
        QVERIFY(read->entries().last().suspended);
        QCOMPARE(review::planBytes(*read), bytes);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zvirata.vkp"));
        QVERIFY(review::writePlanFile(path, plan));
        QCOMPARE(bytesOf(path), bytes);
        QCOMPARE(*review::readPlanFile(path), plan);
    }

    // A plan of thousands finds each of its expressions as it grows, read from its file, and
    // once one in the middle is forgotten (the others' places move); an expression that
    // differs only in its Czech text is another one.
    void largePlanFindsEveryExpression() {
        Plan plan;
        constexpr int kCount = 5000;
        for (int i = 0; i < kCount; ++i)
            plan.set({QString::number(i), QStringLiteral("č%1").arg(i % 7)},
                     answeredOn(kToday.addDays(-(i % 300))));
        const Result<review::Plan> read = review::parsePlan(review::planBytes(plan));
        QVERIFY2(read, qPrintable(read.error()));
        Plan forgotten = *read;
        forgotten.forget({QString::number(kCount / 2), QStringLiteral("č%1").arg(kCount / 2 % 7)});
        for (int i = 0; i < kCount; ++i) {
            const Key key{QString::number(i), QStringLiteral("č%1").arg(i % 7)};
            const QDate last = kToday.addDays(-(i % 300));
            QCOMPARE(plan.memoryOf(key).lastReview, last);
            QCOMPARE(read->memoryOf(key).lastReview, last);
            QCOMPARE(forgotten.contains(key), i != kCount / 2);
            if (i != kCount / 2)
                QCOMPARE(forgotten.entries()[forgotten.indexOf(key.foreign, key.czech)].key, key);
            QVERIFY(!plan.contains({key.foreign, QStringLiteral("x")}));
        }
        QCOMPARE(forgotten.entries().size(), kCount - 1);
    }

    // A plan file is read as untrusted input: a reason in Czech for what is refused, and
    // what is read keeps every line.
    void planFilesAreReadAsUntrustedInput_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // empty: read
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("otherLines");
        QTest::newRow("ours") << header() + kEntryLine << "" << 1 << 0;
        QTest::newRow("with a byte-order mark, LF only")
            << "\xEF\xBB\xBFVOKAB-PLAN 1\n" + kEntryLine.chopped(2) + "\n"
            << "" << 1 << 0;
        QTest::newRow("empty file: an empty plan") << QByteArray() << "" << 0 << 0;
        QTest::newRow("damaged line kept aside")
            << header() + "E\tcat\tkočka\tknown\t2024-02-30\t2024-03-01\t2024-02-20\t3\t5\t2\t0\r\n"
            << "" << 0 << 1;
        QTest::newRow("stability out of range kept aside")
            << header() + "E\tcat\tx\tknown\t2024-03-05\t2024-03-01\t2024-02-20\tnan\t5\t2\t0\r\n"
            << "" << 0 << 1;
        QTest::newRow("unknown escape kept aside")
            << header() + "E\tc\\at\tx\tknown\t2024-03-05\t2024-03-01\t2024-02-20\t3\t5\t2\t0\r\n"
            << "" << 0 << 1;
        QTest::newRow("set aside") << header() + kEntryLine + "S\tcat\tko\xC4\x8Dka\r\n"
                                   << "" << 1 << 0;
        QTest::newRow("set aside but not in the plan, or damaged: kept aside")
            << header() + "S\tdog\tpes\r\nS\tcat\r\n" + kEntryLine << "" << 1 << 2;
        QTest::newRow("two lines of one expression: the later review wins")
            << header() + kEntryLine +
                   "E\tcat\tkočka\tknown\t2024-03-09\t2024-02-28\t2024-02-20\t3\t5\t1\t0\r\n"
            << "" << 1 << 0;
        // A plan large enough to be read in two halves at once: the halves are taken in file
        // order (of two equal reviews the later line wins) and a fault in either counts.
        QByteArray filler;
        for (int i = 0; i < 25'000; ++i)
            filler += "E\tw" + QByteArray::number(i) +
                      "\tx\tknown\t2024-03-05\t2024-03-01\t2024-02-20\t3\t5\t2\t0\r\n";
        const QByteArray damaged = "E\tcat\r\n";
        QTest::newRow("large: halves in file order, damaged lines of both kept")
            << header() +
                   "E\tcat\tkočka\tknown\t2024-03-05\t2024-03-01\t2024-02-20\t3\t5\t2\t0\r\n" +
                   damaged + filler + damaged + kEntryLine
            << "" << 25'001 << 2;
        QTest::newRow("large: not UTF-8 in the second half")
            << header() + filler + "E\tcat\tko\xE8ka\r\n"
            << "není v kódování UTF-8" << 0 << 0;
        QTest::newRow("zero byte") << header() + QByteArray(1, '\0') << "nulové bajty" << 0 << 0;
        QTest::newRow("not UTF-8") << header() + "E\tcat\tko\xE8ka\r\n"
                                   << "není v kódování UTF-8" << 0 << 0;
        QTest::newRow("no header") << kEntryLine << "chybí záhlaví" << 0 << 0;
        QTest::newRow("a dictionary instead")
            << QByteArray("kočka;cat;[];NENÍ\r\n") << "chybí záhlaví" << 0 << 0;
        QTest::newRow("later format") << QByteArray("VOKAB-PLAN 2\r\n") + kEntryLine
                                      << "novější verzí programu (formát 2" << 0 << 0;
        QTest::newRow("line too long")
            << header() + QByteArray(70000, 'x') << "řádek 2 je delší než 65536 bajtů" << 0 << 0;
    }
    void planFilesAreReadAsUntrustedInput() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const Result<review::Plan> read = review::parsePlan(bytes);
        if (!error.isEmpty()) {
            QVERIFY(!read);
            QVERIFY2(read.error().contains(error), qPrintable(read.error()));
            return;
        }
        QVERIFY2(read, qPrintable(read.error()));
        QTEST(int(read->entries().size()), "entries");
        QTEST(int(read->otherLines().size()), "otherLines");
        if (!read->entries().isEmpty()) {
            const Memory cat = read->memoryOf({QStringLiteral("cat"), QStringLiteral("kočka")});
            QCOMPARE(cat.lastReview, QDate(2024, 3, 1));
            QCOMPARE(cat.stability, 3.7145);
            QCOMPARE(read->entries().first().suspended, bytes.contains("S\tcat\tko\xC4\x8Dka\r\n"));
        }
        // Read again after writing, nothing changes.
        QCOMPARE(*review::parsePlan(review::planBytes(*read)), *read);
    }

    void tooManyLinesAreRefused() {
        review::PlanLimits limits;
        limits.lines = 2;
        QVERIFY(review::parsePlan(header() + kEntryLine, limits));
        const Result<review::Plan> read =
            review::parsePlan(header() + kEntryLine + "x\r\n", limits);
        QVERIFY(!read);
        QCOMPARE(read.error(), QStringLiteral("má více než 2 řádků"));
    }

    void unreadableFileIsNamedInTheMessage() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zvirata.vkp"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("VOKAB-PLAN 7\r\n");
        file.close();
        const Result<review::Plan> read = review::readPlanFile(path);
        QVERIFY(!read);
        QVERIFY2(read.error().startsWith(QStringLiteral("Plán opakování „%1“ nelze načíst: plán je "
                                                        "uložen novější verzí programu")
                                             .arg(QDir::toNativeSeparators(path))),
                 qPrintable(read.error()));
    }

    void planFileSitsBesideTheDictionary_data() {
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<QString>("plan");
        QTest::newRow("slv") << "/data/Slovniky/zvirata.slv"
                             << "/data/Slovniky/zvirata.vkp";
        QTest::newRow("upper case") << "C:\\Slovniky\\ZVIRATA.SLV"
                                    << "C:\\Slovniky\\ZVIRATA.vkp";
        QTest::newRow("two dots") << "/d/zvirata.2024.slv"
                                  << "/d/zvirata.2024.vkp";
        QTest::newRow("no extension") << "/d.x/zvirata"
                                      << "/d.x/zvirata.vkp";
        QTest::newRow("hidden file") << "/d/.slv"
                                     << "/d/.slv.vkp";
    }
    void planFileSitsBesideTheDictionary() {
        QFETCH(QString, dictionary);
        QTEST(review::planPath(dictionary), "plan");
    }

    // The memory of an expression no longer in the dictionary stays for 180 days after
    // its last review.
    void removedExpressionsAreForgottenAfter180Days_data() {
        QTest::addColumn<int>("daysSinceReview");
        QTest::addColumn<bool>("inDictionary");
        QTest::addColumn<bool>("kept");
        QTest::newRow("removed yesterday") << 1 << false << true;
        QTest::newRow("removed, 180 days") << 180 << false << true;
        QTest::newRow("removed, 181 days") << 181 << false << false;
        QTest::newRow("in the dictionary, years") << 2000 << true << true;
    }
    void removedExpressionsAreForgottenAfter180Days() {
        QFETCH(int, daysSinceReview);
        QFETCH(bool, inDictionary);
        const Key key{QStringLiteral("cat"), QStringLiteral("kočka")};
        const Key other{QStringLiteral("dog"), QStringLiteral("pes")};
        Plan plan;
        plan.set(key, answeredOn(kToday.addDays(-daysSinceReview)));
        plan.set(other, answeredOn(kToday));
        Tpole dictionary{expression(other.czech, other.foreign)};
        if (inDictionary)
            dictionary.append(expression(key.czech, key.foreign));
        const QList<bool> found = review::overview(dictionary, plan, kToday, 0).inDictionary;
        const bool kept = plan.forgetRemoved(found, kToday) == 0;
        QTEST(kept, "kept");
        QCOMPARE(plan.contains(key), kept);
        QVERIFY(plan.contains(other));
        QCOMPARE(plan.memoryOf(other), answeredOn(kToday));
    }

    // Due ones first, the longest due first; new ones in file order up to the day's limit
    // (less the new ones already started today); an expression that is twice in the
    // dictionary is asked once.
    void dueListAsksDueOnesFirstThenNewOnes_data() {
        QTest::addColumn<int>("newPerDay");
        QTest::addColumn<QList<qsizetype>>("asked");
        // 0 new, 1 due in 2 days, 2 due today, 3 new, 4 due 3 days ago, 5 new,
        // 6 started today (due tomorrow), 7 = 2 again, 8 due 3 days ago.
        QTest::newRow("limit 0") << 0 << QList<qsizetype>{4, 8, 2};
        QTest::newRow("limit 1, used up today") << 1 << QList<qsizetype>{4, 8, 2};
        QTest::newRow("limit 3") << 3 << QList<qsizetype>{4, 8, 2, 0, 3};
        QTest::newRow("limit 20") << 20 << QList<qsizetype>{4, 8, 2, 0, 3, 5};
    }
    void dueListAsksDueOnesFirstThenNewOnes() {
        QFETCH(int, newPerDay);
        const Tpole dictionary{expression("a", "a"), expression("b", "b"), expression("c", "c"),
                               expression("d", "d"), expression("e", "e"), expression("f", "f"),
                               expression("g", "g"), expression("c", "c"), expression("h", "h")};
        Plan plan;
        plan.set(keyOf(dictionary[1]), dueOn(kToday.addDays(2)));
        plan.set(keyOf(dictionary[2]), dueOn(kToday));
        plan.set(keyOf(dictionary[4]), dueOn(kToday.addDays(-3)));
        plan.set(keyOf(dictionary[6]), answeredOn(kToday, Rating::Again));
        plan.set(keyOf(dictionary[8]), dueOn(kToday.addDays(-3)));
        plan.set({QStringLiteral("gone"), QStringLiteral("pryč")}, dueOn(kToday.addDays(-9)));
        QTEST(review::overview(dictionary, plan, kToday, newPerDay).queue, "asked");
    }

    void statesAndForecastCountEachExpressionOnce() {
        const Tpole dictionary{expression("a", "a"), expression("b", "b"), expression("c", "c"),
                               expression("d", "d"), expression("b", "b"), expression("e", "e")};
        Plan plan;
        plan.set(keyOf(dictionary[1]), dueOn(kToday.addDays(-5)));         // overdue, known
        plan.set(keyOf(dictionary[2]), answeredOn(kToday, Rating::Again)); // learning, tomorrow
        plan.set(keyOf(dictionary[3]), dueOn(kToday.addDays(29)));
        plan.set(keyOf(dictionary[5]), dueOn(kToday.addDays(30))); // beyond the forecast
        plan.set({QStringLiteral("gone"), QStringLiteral("pryč")}, dueOn(kToday));
        const review::Overview overview = review::overview(dictionary, plan, kToday, 0);
        QCOMPARE(overview.counts, (review::StateCounts{1, 1, 3, 1}));
        std::array<int, review::kForecastDays> expected{};
        expected[0] = 1;
        expected[1] = 1;
        expected[29] = 1;
        QCOMPARE(overview.forecast, expected);
    }
};

QTEST_GUILESS_MAIN(TestReviewPlan)
#include "tst_reviewplan.moc"
