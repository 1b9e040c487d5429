#include "statistics/practicelog.h"
#include "statistics/statistiky.h"

#include <QtTest>

using namespace statisticsfile;

namespace {

const QDateTime kWhen(QDate(2026, 3, 7), QTime(9, 5, 3));

QStringList cells(const Table &table, int row) {
    const Row &r = table.row(row);
    QStringList texts;
    for (int c = 0; c < statisticsfile::kColumns; ++c)
        texts.append(r.cell(c).toString());
    return texts;
}

} // namespace

class TestStatistiky : public QObject {
    Q_OBJECT
private slots:
    void firstRowEverGoesIntoDataRowOne() {
        Table table;
        QCOMPARE(table.rowCount(), 1);
        QVERIFY(table.row(0).isEmpty());
        QVERIFY(table.fileLines().isEmpty());
        QVERIFY(table.record("C:\\slovniky\\zvirata.slv", 3, 0, "Ano", "Zkoušení I", kWhen));
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(cells(table, 0), (QStringList{"zvirata", "7.3.2026", "9:05:03", "3", "0", "100",
                                               "Ano", "Zkoušení I"}));
        QVERIFY(table.record("/home/u/zvirata.slv", 1, 2, "Ne", "Zkoušení II", kWhen));
        QCOMPARE(table.rowCount(), 2);
        QCOMPARE(table.cell(1, 5), QStringLiteral("33"));
        QCOMPARE(table.fileLines(),
                 (QStringList{"zvirata.slv;7.3.2026;9:05:03;3;0;100;Ano;Zkoušení I",
                              "zvirata.slv;7.3.2026;9:05:03;1;2;33;Ne;Zkoušení II"}));
    }

    void noAnswersRecordNothing() {
        Table table;
        QVERIFY(!table.record("a.slv", 0, 0, "Ne", "Zkoušení I", kWhen));
        QCOMPARE(table.rowCount(), 1);
        QVERIFY(table.fileLines().isEmpty());
    }

    void successRateKeepsTheWholePart_data() {
        QTest::addColumn<int>("correct");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("rate");
        QTest::newRow("3 of 3") << 3 << 0 << 100;
        QTest::newRow("1 of 3") << 1 << 2 << 33;
        QTest::newRow("2 of 3") << 2 << 1 << 66;
        QTest::newRow("0 of 5") << 0 << 5 << 0;
        QTest::newRow("199 of 200") << 199 << 1 << 99;
    }
    void successRateKeepsTheWholePart() {
        QFETCH(int, correct);
        QFETCH(int, wrong);
        QTEST(successRate(correct, wrong), "rate");
    }

    void dictionaryNameDropsFolderAndExtension_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("windows") << "c:\\a\\b\\zvirata.slv"
                                 << "zvirata";
        QTest::newRow("unix") << "/home/u/barvy.slv"
                              << "barvy";
        QTest::newRow("five characters") << "/x/a.slv"
                                         << "a";
        QTest::newRow("four characters") << "/x/.slv"
                                         << "";
        QTest::newRow("no folder") << "dum.slv"
                                   << "dum";
    }
    void dictionaryNameDropsFolderAndExtension() {
        QFETCH(QString, path);
        QTEST(dictionaryName(path), "name");
    }

    void datesAndTimesReadBackInTheirFormat() {
        Table table;
        table.record("a.slv", 1, 0, "Ano", "Zkoušení I",
                     QDateTime(QDate(2026, 12, 31), QTime(23, 59, 1)));
        QCOMPARE(parseDate(table.cell(0, 1)), QDate(2026, 12, 31));
        QCOMPARE(QTime::fromString(table.cell(0, 2), kTimeFormat), QTime(23, 59, 1));
        QVERIFY(!parseDate("31/12/2026"));
        QVERIFY(!parseDate("-"));
    }

    void loadingKeepsEveryLineForTheRewrite() {
        const QStringList lines{"zvirata.slv;7.3.2026;9:05:03;3;0;100;Ano;Zkoušení I",
                                "short.slv;1.1.2026;10:00:00",       // fewer than eight fields
                                "ab;1.1.2026;x;y;z;w;Ne;Zkoušení I", // a name the loader cannot use
                                "",                                  // an empty line
                                "extra.slv;2.1.2026;1:00:00;1;1;50;Ne;Zkoušení II;more"};
        Table table;
        table.load(lines);
        QCOMPARE(table.rowCount(), 5);
        QCOMPARE(cells(table, 1),
                 (QStringList{"short", "1.1.2026", "10:00:00", "", "", "", "", ""}));
        QVERIFY(table.row(2).isEmpty());
        QCOMPARE(table.cell(4, 7), QStringLiteral("Zkoušení II"));
        QCOMPARE(dictionaryNames(table), (QStringList{"zvirata", "short", "extra"}));
        // A new result never overwrites a loaded row, even one without a name.
        table.record("n.slv", 1, 1, "Ne", "Zkoušení I", kWhen);
        QCOMPARE(table.rowCount(), 6);
        QStringList expected = lines;
        expected.removeAll(QString());
        expected << "n.slv;7.3.2026;9:05:03;1;1;50;Ne;Zkoušení I";
        QCOMPARE(table.fileLines(), expected);
    }

    void loadedTableWhoseFirstNameIsEmptyStillAppends() {
        Table table;
        table.load({".slv;1.1.2026;1:00:00;1;0;100;Ano;Zkoušení I"});
        table.record("a.slv", 1, 0, "Ano", "Zkoušení I", kWhen);
        table.record("b.slv", 0, 1, "Ano", "Zkoušení I", kWhen);
        QCOMPARE(table.rowCount(), 3);
        QCOMPARE(table.cell(1, 0), QStringLiteral("a"));
        QCOMPARE(table.cell(2, 0), QStringLiteral("b"));
    }

    void emptyFileIsATableWithoutStatistics() {
        Table table;
        table.load({});
        QCOMPARE(table.rowCount(), 1);
        table.record("a.slv", 1, 0, "Ano", "Zkoušení I", kWhen);
        QCOMPARE(table.rowCount(), 1);
    }

    void oneDayListedOnceAndThreeBarsDrawn() {
        Table table;
        for (int correct : {5, 9, 7})
            table.record("/d/zvirata.slv", correct, 10 - correct, "Ano", "Zkoušení I", kWhen);
        table.record("/d/jine.slv", 20, 0, "Ano", "Zkoušení I", kWhen.addDays(1));
        QCOMPARE(datesOf(table, "zvirata"), QStringList{"7.3.2026"});
        const Chart c = chart(table, "zvirata", Quantity::Correct, "7.3.2026", "7.3.2026");
        QVERIFY(c.stoppedBy.isEmpty());
        QCOMPARE(c.bars.size(), 3);
        QCOMPARE(c.bars[1].value, 9);
        QCOMPARE(c.bars[2].label, QStringLiteral("7.3.2026"));
        QCOMPARE(c.axisMax, 11);
        QCOMPARE(c.step, 2);
        QCOMPARE(c.title,
                 QStringLiteral("Vokab slovník: zvirata\nPorovnání počtu správných výrazů"));
        const Chart rate = chart(table, "zvirata", Quantity::SuccessRate, "7.3.2026", "7.3.2026");
        QCOMPARE(rate.axisMax, 102);
        QCOMPARE(rate.step, 10);
        QCOMPARE(rate.bars[0].value, 50);
        const Chart wrong = chart(table, "zvirata", Quantity::Wrong, "7.3.2026", "7.3.2026");
        QCOMPARE(wrong.axisMax, 7); // largest wrong count 5, plus 2
    }

    void periodLimitsTheBarsButNotTheAxis() {
        Table table;
        table.record("z.slv", 4, 0, "Ano", "Zkoušení I", kWhen);
        table.record("z.slv", 8, 0, "Ano", "Zkoušení I", kWhen.addDays(2));
        table.record("z.slv", 6, 0, "Ano", "Zkoušení I", kWhen.addDays(40));
        const Chart c = chart(table, "z", Quantity::Correct, "8.3.2026", "9.3.2026");
        QCOMPARE(c.bars.size(), 1);
        QCOMPARE(c.bars[0].value, 8);
        QCOMPARE(c.axisMax, 10); // the largest of all rows of the dictionary
        // Dates compare as dates, not as texts: 16.4. lies after 9.3.
        QCOMPARE(chart(table, "z", Quantity::Correct, "9.3.2026", "16.4.2026").bars.size(), 2);
    }

    void cellsThatDoNotConvertStopTheDrawingWithAMessage() {
        Table table;
        table.load({"z.slv;1.1.2026;1:00:00;3;0;100;Ano;Zkoušení I",
                    "z.slv;2.1.2026;1:00:00;tri;0;100;Ano;Zkoušení I",
                    "z.slv;3.1.2026;1:00:00;4;0;100;Ano;Zkoušení I",
                    "y.slv;leden;1:00:00;4;0;100;Ano;Zkoušení I"});
        Chart c = chart(table, "z", Quantity::Correct, "1.1.2026", "3.1.2026");
        QCOMPARE(c.bars.size(), 1); // the bars before it stay
        QVERIFY(c.stoppedBy.contains(QStringLiteral("tri")));
        QCOMPARE(c.axisMax, 6);
        c = chart(table, "y", Quantity::Correct, "1.1.2026", "3.1.2026");
        QVERIFY(c.stoppedBy.contains(QStringLiteral("leden")));
        c = chart(table, "z", Quantity::Correct, "-", "3.1.2026");
        QVERIFY(c.stoppedBy.contains(QStringLiteral("„-“")));
        QVERIFY(c.bars.isEmpty());
    }

    // The series of days with practice: a gap ends one, today without practice yet does
    // not end the current one, a day of nothing but zeros is no practice; the totals count
    // the last days up to today.
    void practiceStreaksAndTotals_data() {
        QTest::addColumn<QList<int>>("daysAgo"); // practised on these days before today
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("longest");
        QTest::addColumn<int>("lastWeek");
        QTest::newRow("none") << QList<int>{} << 0 << 0 << 0;
        QTest::newRow("today only") << QList<int>{0} << 1 << 1 << 1;
        QTest::newRow("yesterday and before, not yet today") << QList<int>{1, 2, 3} << 3 << 3 << 3;
        QTest::newRow("a gap of a day ends it") << QList<int>{0, 1, 3, 4, 5, 6} << 2 << 4 << 6;
        QTest::newRow("two days ago: over") << QList<int>{2, 3} << 0 << 2 << 2;
        QTest::newRow("across a new year and long ago")
            << QList<int>{0, 1, 2, 400, 401, 402, 403, 404} << 3 << 5 << 3;
    }
    void practiceStreaksAndTotals() {
        QFETCH(QList<int>, daysAgo);
        const QDate today(2027, 1, 1);
        practice::Days days;
        for (const int ago : daysAgo)
            practice::add(days, today.addDays(-ago), practice::Kind::Review);
        days[today.addDays(-10)];         // a day of zeros
        days[today.addDays(1)].tests = 5; // a clock put back: not counted
        const practice::Streaks streaks = practice::streaks(days, today);
        QTEST(streaks.current, "current");
        QTEST(streaks.longest, "longest");
        QTEST(practice::totalOfLastDays(days, today, 7), "lastWeek");
    }

    // The day file is untrusted: ours is read (a day twice adds up) and written back the
    // same; anything else is refused in Czech.
    void practiceFilesAreReadAsUntrustedInput_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error"); // empty: read
        QTest::addColumn<int>("total");
        const QByteArray header = "VOKAB-DNY 1\r\n";
        QTest::newRow("ours") << header + "2026-12-09\t12\t5\t30\r\n2026-12-10\t0\t0\t4\r\n"
                              << "" << 51;
        QTest::newRow("empty") << QByteArray() << "" << 0;
        QTest::newRow("a day twice") << header + "2026-12-09\t1\t0\t0\r\n2026-12-09\t2\t0\t0\r\n"
                                     << "" << 3;
        QTest::newRow("no header") << QByteArray("2026-12-09\t1\t0\t0\r\n") << "chybí záhlaví" << 0;
        QTest::newRow("not a day") << header + "2026-02-30\t1\t0\t0\r\n"
                                   << "řádek 2" << 0;
        QTest::newRow("a negative count") << header + "2026-12-09\t-1\t0\t0\r\n"
                                          << "řádek 2" << 0;
        QTest::newRow("too many fields") << header + "2026-12-09\t1\t0\t0\t9\r\n"
                                         << "řádek 2" << 0;
        QTest::newRow("a count beyond a million") << header + "2026-12-09\t1000001\t0\t0\r\n"
                                                  << "řádek 2" << 0;
    }
    void practiceFilesAreReadAsUntrustedInput() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        const Result<practice::Days> read = practice::parse(bytes);
        if (!error.isEmpty()) {
            QVERIFY(!read);
            QVERIFY2(read.error().contains(error), qPrintable(read.error()));
            return;
        }
        QVERIFY2(read, qPrintable(read.error()));
        int total = 0;
        for (const practice::Day &day : *read)
            total += day.total();
        QTEST(total, "total");
        QCOMPARE(*practice::parse(practice::bytes(*read)), *read);
    }
};

QTEST_GUILESS_MAIN(TestStatistiky)
#include "tst_statistiky.moc"
