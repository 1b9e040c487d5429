// Ten times the largest dictionary (1,000,000 expressions) in the windows that read a
// whole dictionary: Testing I and Testing II until the first question is shown, learning
// and the merger until the dictionary is loaded.
#include "measure.h"

#include "dictionary/Unit14.h"
#include "learning/Unit6.h"
#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit12.h"
#include "testing/Unit13.h"
#include "testing/Unit4.h"
#include "ui/forms.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <functional>

namespace {

constexpr int kCount = 1000000;

// Runs `open` in a fresh set of windows, times it until events are handled and `window`
// repainted, and reports the figure against `limitMs`; `done` checks what it showed.
void measure(const QString &figure, double limitMs,
             const std::function<QWidget *(TestWindows &)> &prepare,
             const std::function<void(TestWindows &)> &open,
             const std::function<bool(TestWindows &)> &done) {
    std::vector<double> runs;
    for (int run = 0; run < bench::kRuns; ++run) {
        TestWindows windows(quint64(run) + 1);
        QWidget *window = prepare(windows);
        window->show();
        QCoreApplication::processEvents();
        windows.dialogs().files = {bench::inputs(QStringLiteral("slovnik-1000000.slv"))};
        runs.push_back(bench::milliseconds([&] {
            open(windows);
            QCoreApplication::processEvents();
            window->repaint();
        }));
        if (!done(windows) || !windows.dialogs().shown.isEmpty()) {
            std::printf("%s: nothing was shown\n", qPrintable(figure));
            return bench::missed(figure);
        }
    }
    bench::report(figure, runs, QStringLiteral("< %1 ms").arg(limitMs));
    if (bench::median(runs) >= limitMs)
        bench::missed(figure);
}

} // namespace

void benchMillion() {
    const QString what = QStringLiteral(" %1 expressions").arg(kCount);
    measure(
        QStringLiteral("Testing I: open") + what + QStringLiteral(", first question (random)"), 500,
        [](TestWindows &w) {
            w.forms().Form10->rbnahodne->setChecked(true);
            return w.forms().Form4;
        },
        [](TestWindows &w) { w.forms().Form4->btnovyClick(); },
        [](TestWindows &w) { return !w.forms().Form4->mevyraz->toPlainText().isEmpty(); });
    measure(
        QStringLiteral("Testing II: open") + what + QStringLiteral(", first question (random)"),
        500,
        [](TestWindows &w) {
            w.forms().Form13->rbnahodne->setChecked(true);
            return w.forms().Form12;
        },
        [](TestWindows &w) { w.forms().Form12->BitBtn2->click(); },
        [](TestWindows &w) { return !w.forms().Form12->mecz->toPlainText().isEmpty(); });
    measure(
        QStringLiteral("learning: load") + what, 700,
        [](TestWindows &w) { return w.forms().Form6; },
        [](TestWindows &w) { w.forms().Form6->BitBtn2Click(); },
        [](TestWindows &w) { return w.forms().Form6->dictionary().size() == kCount; });
    measure(
        QStringLiteral("merger: load") + what, 700, [](TestWindows &w) { return w.forms().Form14; },
        [](TestWindows &w) { w.forms().Form14->btnacti->click(); },
        [](TestWindows &w) { return w.forms().Form14->Tpuvodni().size() == kCount; });
}
