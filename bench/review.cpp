// The review plan: opening a 100,000-expression dictionary with a plan that remembers
// every expression, until the window shows its counts, forecast and first question; one
// answer as the scheduler computes it, and one answer through the window, which writes
// the whole plan file.
#include "measure.h"

#include "dictionary/slovnik.h"
#include "review/fsrs.h"
#include "review/reviewfile.h"
#include "review/reviewwindow.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QCoreApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>

namespace {

// A plan in which every expression was answered once, on one of the last 60 days.
review::Plan planOf(const Tpole &dictionary, QDate today) {
    review::Plan plan;
    for (qsizetype i = 0; i < dictionary.size(); ++i) {
        const QDate day = today.addDays(-(i % 60));
        const auto rating = review::Rating(1 + i % 4);
        plan.set(review::keyOf(dictionary[i]), review::answered({}, rating, day));
    }
    return plan;
}

} // namespace

void benchReview() {
    QTemporaryDir folder;
    const QString dictionary = folder.filePath(QStringLiteral("slovnik.slv"));
    QFile::copy(bench::inputs(QStringLiteral("slovnik-100000.slv")), dictionary);
    const Result<dictionaryfile::Loaded> read = dictionaryfile::readDictionaryFile(dictionary);
    const QDate today(2026, 12, 8);
    review::Plan plan = planOf(read->dictionary, today);
    if (!review::writePlanFile(review::planPath(dictionary), plan).ok()) {
        std::printf("the plan could not be written\n");
        return bench::missed(QStringLiteral("review"));
    }

    std::vector<double> opens, written;
    for (int run = 0; run < bench::kRuns; ++run) {
        TestWindows windows;
        windows.platform().fixedClock().time.setDate(today);
        ReviewWindow *window = windows.forms().review;
        window->show();
        QCoreApplication::processEvents();
        opens.push_back(bench::milliseconds([&] {
            window->openDictionary(dictionary);
            QCoreApplication::processEvents();
            window->repaint();
        }));
        if (window->queue().isEmpty() || !windows.dialogs().shown.isEmpty()) {
            std::printf("the review window asked nothing\n");
            return bench::missed(QStringLiteral("review"));
        }
        QTest::keyClick(window, Qt::Key_Space);
        written.push_back(bench::milliseconds([&] { QTest::keyClick(window, Qt::Key_3); }));
    }
    bench::report(QStringLiteral("review: open 100000 expressions with their plan and show "
                                 "the first question"),
                  opens, QStringLiteral("< 150 ms"));
    if (bench::median(opens) >= 150)
        bench::missed(QStringLiteral("review open"));

    std::vector<double> answers;
    for (int run = 0; run < 20; ++run) {
        const review::Key key = review::keyOf(read->dictionary[run * 997]);
        answers.push_back(bench::milliseconds([&] {
            plan.set(key, review::answered(plan.memoryOf(key), review::Rating::Good, today));
        }));
    }
    bench::report(QStringLiteral("review: one answer scheduled in a plan of 100000"), answers,
                  QStringLiteral("< 1 ms"));
    if (*std::max_element(answers.begin(), answers.end()) >= 1)
        bench::missed(QStringLiteral("review answer"));
    bench::report(QStringLiteral("review: one answer through the window, the plan file written"),
                  written);
}
