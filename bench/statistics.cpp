// The statistics: loading a file of 1,000,000 rows into the window's table, and drawing
// the chart of a dictionary with 10,000 results.
#include "measure.h"

#include "statistics/Unit23.h"
#include "statistics/practicecalendar.h"
#include "statistics/statistiky.h"
#include "support/testplatform.h"
#include "ui/barchart.h"
#include "ui/forms.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>

#include <QTabWidget>

#include <algorithm>
#include <cstdio>
#include <memory>

void benchStatistics() {
    const QString input = bench::inputs(QStringLiteral("statistiky-1000000.dat"));
    std::vector<double> loads;
    for (int run = 0; run < bench::kRuns; ++run) {
        TestWindows windows;
        QFile::copy(input, windows.platform().folder.userFile(statisticsfile::kFileName));
        TForm23 *statistics = windows.forms().Form23;
        loads.push_back(bench::milliseconds([&] {
            statistics->FormCreate();
            statistics->naplnslovniky();
        }));
        if (statistics->table().rowCount() != 1000000 || !windows.dialogs().shown.isEmpty()) {
            std::printf("the statistics did not load 1000000 rows\n");
            return bench::missed(QStringLiteral("statistics load"));
        }
    }
    bench::report(QStringLiteral("statistics: load 1000000 rows"), loads,
                  QStringLiteral("< 300 ms"));
    if (bench::median(loads) >= 300)
        bench::missed(QStringLiteral("statistics load"));

    constexpr int kBars = 10000;
    std::vector<double> charts, firstShows;
    for (int run = 0; run < bench::kRuns; ++run) {
        TestWindows windows;
        TForm23 *statistics = windows.forms().Form23;
        for (int i = 0; i < kBars; ++i)
            statistics->zapisdostatistik(QStringLiteral("/slovniky/zvirata.slv"), i % 40, 3,
                                         QStringLiteral("Ano"), QStringLiteral("Zkoušení I"));
        // The window's first showing, its chart among its controls.
        firstShows.push_back(bench::milliseconds([&] {
            statistics->show();
            QCoreApplication::processEvents();
        }));
        statistics->naplnslovniky();
        statistics->ComboBox1->setCurrentIndex(1);
        QCoreApplication::processEvents();
        charts.push_back(bench::milliseconds([&] {
            statistics->BitBtn2Click();
            QCoreApplication::processEvents();
            statistics->Chart1->repaint();
        }));
        if (statistics->barValues().size() != kBars || statistics->Chart1->isHidden()) {
            std::printf("the chart does not show %d bars\n", kBars);
            return bench::missed(QStringLiteral("statistics chart"));
        }
    }
    bench::report(QStringLiteral("statistics: show the window the first time"), firstShows,
                  QStringLiteral("< 10 ms"));
    if (bench::median(firstShows) >= 10)
        bench::missed(QStringLiteral("statistics first showing"));
    bench::report(QStringLiteral("statistics: draw a chart of %1 bars").arg(kBars), charts,
                  QStringLiteral("< 20 ms"));
    if (bench::median(charts) >= 20)
        bench::missed(QStringLiteral("statistics chart"));

    // The calendar of ten years of daily practice: the tab shown and its year drawn.
    std::vector<double> calendars;
    for (int run = 0; run < bench::kRuns * 2; ++run) {
        TestWindows windows;
        TForm23 *statistics = windows.forms().Form23;
        const QDate today = windows.platform().fixedClock().time.date();
        for (int day = 0; day < 3650; ++day) {
            windows.platform().fixedClock().time.setDate(today.addDays(-day));
            for (int answer = 0; answer < day % 7; ++answer)
                statistics->recordPractice(practice::Kind::Review);
        }
        windows.platform().fixedClock().time.setDate(today);
        statistics->show();
        QCoreApplication::processEvents();
        calendars.push_back(bench::milliseconds([&] {
            statistics->PageControl1->setCurrentIndex(statistics->PageControl1->count() - 1);
            statistics->calendarView->repaint();
        }));
        if (statistics->calendarView->levelOf(today.addDays(-6)) != 4)
            return bench::missed(QStringLiteral("statistics calendar"));
    }
    // 30 ms on a machine two to three times slower, the slowest run too.
    bench::report(QStringLiteral("statistics: the calendar of 3650 days of practice"), calendars,
                  QStringLiteral("< 10 ms, the slowest too"));
    if (*std::max_element(calendars.begin(), calendars.end()) >= 10)
        bench::missed(QStringLiteral("statistics calendar"));
}
