#include "review/fsrs.h"

#include <QTest>

#include <random>

using review::Memory;
using review::Rating;
using review::State;

namespace {

const QDate kStart(2024, 3, 1);

// Random answers on random days: each history answers one expression 1 to 12 times,
// on the day it is due or up to twice its interval early or late.
QList<std::pair<int, Rating>> randomHistory(std::mt19937 &random) {
    QList<std::pair<int, Rating>> history;
    Memory memory;
    int day = 0;
    const int answers = 1 + int(random() % 12);
    for (int i = 0; i < answers; ++i) {
        if (i > 0) {
            const int interval = int(kStart.addDays(day).daysTo(memory.due));
            day += int(random() % (2 * interval + 2));
        }
        const Rating rating = review::kRatings[random() % 4];
        history.append({day, rating});
        memory = review::answered(memory, rating, kStart.addDays(day));
    }
    return history;
}

} // namespace

class TestFsrs : public QObject {
    Q_OBJECT

private slots:
    // The numbers of tools/fsrs_reference.py, a second implementation of the published
    // FSRS-4.5 formulas with their default parameters (open-spaced-repetition's page "The
    // Algorithm", section FSRS-4.5, and the model those parameters were fitted with),
    // written in plain Python apart from the program; its output is copied here: interval
    // in days, stability, difficulty. One of them worked by hand as a check of the script:
    // "Dobře" 4 days after a first "Dobře" (S 3.7145, D 5.1618):
    //   R  = (1 + 19/81 · 4/3.7145)^−0.5              = 0.893504
    //   S' = 3.7145 · (1 + e^1.6474 · (11 − 5.1618) · 3.7145^−0.1367 · (e^(1.0461·(1−R)) − 1))
    //      = 3.7145 · (1 + 5.19350 · 5.8382 · 0.835784 · 0.117848) = 14.8081 → 15 days
    //   D' = 0.031 · 5.1618 + 0.969 · (5.1618 − 0.8975 · 0) = 5.1618
    void intervalsFollowTheReferenceNumbers_data() {
        QTest::addColumn<double>("retention");
        QTest::addColumn<QString>("history");  // day:rating (1 Znovu .. 4 Snadno)
        QTest::addColumn<QString>("expected"); // interval stability difficulty | ...
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("lapses");
        QTest::newRow("always Dobře, on time")
            << 0.9 << "0:3 4:3 19:3 84:3"
            << "4 3.714500 5.161800 | 15 14.808101 5.161800 | 49 49.461605 5.161800 | "
               "173 173.120460 5.161800"
            << int(State::Known) << 0;
        QTest::newRow("Znovu first, then Dobře")
            << 0.9 << "0:1 1:3 4:3"
            << "1 0.487200 7.621400 | 2 2.422474 7.545152 | 8 7.560789 7.471268"
            << int(State::Known) << 0;
        QTest::newRow("a lapse after two successes")
            << 0.9 << "0:3 4:3 19:1"
            << "4 3.714500 5.161800 | 15 14.808101 5.161800 | 1 3.149321 6.901155"
            << int(State::Learning) << 1;
        QTest::newRow("relearned after the lapse")
            << 0.9 << "0:3 4:3 19:1 20:3"
            << "4 3.714500 5.161800 | 15 14.808101 5.161800 | 1 3.149321 6.901155 | "
               "5 5.304055 6.847235"
            << int(State::Known) << 1;
        QTest::newRow("Snadno, then Těžké")
            << 0.9 << "0:4 14:2 30:4"
            << "14 13.820600 3.932000 | 23 22.801216 4.839801 | 132 131.916761 3.980106"
            << int(State::Known) << 0;
        QTest::newRow("Dobře, answered late")
            << 0.9 << "0:3 30:3"
            << "4 3.714500 5.161800 | 54 54.463965 5.161800" << int(State::Known) << 0;
        QTest::newRow("Dobře, answered early")
            << 0.9 << "0:3 1:3"
            << "4 3.714500 5.161800 | 7 6.731069 5.161800" << int(State::Known) << 0;
        QTest::newRow("retention 0.8")
            << 0.8 << "0:3 8:3"
            << "9 3.714500 5.161800 | 57 23.803284 5.161800" << int(State::Known) << 0;
    }
    void intervalsFollowTheReferenceNumbers() {
        QFETCH(double, retention);
        QFETCH(QString, history);
        QFETCH(QString, expected);
        review::Parameters parameters;
        parameters.desiredRetention = retention;
        const QStringList answers = history.split(u' ');
        const QStringList rows = expected.split(u'|');
        QCOMPARE(answers.size(), rows.size());
        Memory memory;
        for (qsizetype i = 0; i < answers.size(); ++i) {
            const QStringList answer = answers[i].split(u':');
            const QDate day = kStart.addDays(answer[0].toInt());
            memory = review::answered(memory, Rating(answer[1].toInt()), day, parameters);
            const QStringList row = rows[i].split(u' ', Qt::SkipEmptyParts);
            QCOMPARE(day.daysTo(memory.due), row[0].toLongLong());
            QVERIFY2(qAbs(memory.stability - row[1].toDouble()) < 1e-6, qPrintable(rows[i]));
            QVERIFY2(qAbs(memory.difficulty - row[2].toDouble()) < 1e-6, qPrintable(rows[i]));
            QCOMPARE(memory.lastReview, day);
            QCOMPARE(memory.reps, int(i + 1));
        }
        QCOMPARE(memory.firstReview, kStart);
        QTEST(int(memory.state), "state");
        QTEST(memory.lapses, "lapses");
    }

    // "Snadno" on a due expression never shortens its interval and always plans at least
    // a day more than "Dobře" would (below the longest interval), at every retention the
    // settings allow: at a high one, both would otherwise round to the same day.
    void snadnoNeverShortensTheIntervalAndOutlastsDobre_data() {
        QTest::addColumn<double>("retention");
        QTest::newRow("lowest retention") << review::Parameters::kMinimumRetention;
        QTest::newRow("default retention") << 0.9;
        QTest::newRow("highest retention") << review::Parameters::kMaximumRetention;
    }
    void snadnoNeverShortensTheIntervalAndOutlastsDobre() {
        QFETCH(double, retention);
        review::Parameters parameters;
        parameters.desiredRetention = retention;
        std::mt19937 random(27);
        for (int h = 0; h < 2000; ++h) {
            Memory memory;
            for (const auto &[offset, rating] : randomHistory(random))
                memory = review::answered(memory, rating, kStart.addDays(offset), parameters);
            const int interval = int(memory.lastReview.daysTo(memory.due));
            for (const int late : {0, 1, interval / 2, interval, 2 * interval}) {
                const QDate due = memory.due.addDays(late);
                const auto after = review::outcomes(memory, due, parameters);
                const qint64 easy = due.daysTo(after[int(Rating::Easy) - 1].due);
                const qint64 good = due.daysTo(after[int(Rating::Good) - 1].due);
                const QString context = QStringLiteral("S %1 D %2 interval %3, %4 days late: "
                                                       "Dobře %5, Snadno %6")
                                            .arg(memory.stability)
                                            .arg(memory.difficulty)
                                            .arg(interval)
                                            .arg(late)
                                            .arg(good)
                                            .arg(easy);
                QVERIFY2(easy >= interval, qPrintable(context));
                QVERIFY2(easy > good || good == parameters.maximumInterval, qPrintable(context));
            }
        }
    }

    void retrievabilityFallsWithTime_data() {
        QTest::addColumn<double>("stability");
        QTest::newRow("a fresh memory") << 0.4872;
        QTest::newRow("a day") << 1.0;
        QTest::newRow("a month") << 30.0;
        QTest::newRow("a century") << 36500.0;
    }
    void retrievabilityFallsWithTime() {
        QFETCH(double, stability);
        QCOMPARE(review::retrievability(0, stability), 1.0);
        QVERIFY(qAbs(review::retrievability(stability, stability) - 0.9) < 1e-12);
        double before = 1;
        for (double days = 0.5; days < 100000; days *= 1.5) {
            const double r = review::retrievability(days, stability);
            QVERIFY2(r < before && r > 0, qPrintable(QString::number(days)));
            before = r;
        }
    }

    void stabilityGrowsOnEveryRecall() {
        std::mt19937 random(28);
        for (int h = 0; h < 2000; ++h) {
            Memory memory;
            for (const auto &[offset, rating] : randomHistory(random)) {
                const Memory after = review::answered(memory, rating, kStart.addDays(offset));
                if (memory.state != State::New && rating != Rating::Again) {
                    QVERIFY(after.stability >= memory.stability);
                    // Answered after a day or more, a recall always adds to the memory.
                    if (memory.lastReview.daysTo(kStart.addDays(offset)) > 0 &&
                        memory.stability < review::Parameters::kMaximumStability)
                        QVERIFY(after.stability > memory.stability);
                }
                if (memory.state != State::New && rating == Rating::Again)
                    QVERIFY(after.stability <= memory.stability);
                memory = after;
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestFsrs)
#include "tst_fsrs.moc"
