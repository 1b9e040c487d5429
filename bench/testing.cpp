// Testing I: opening the largest dictionary and showing its first question, drawn at
// random.
#include "measure.h"

#include "support/testplatform.h"
#include "testing/Unit10.h"
#include "testing/Unit4.h"
#include "ui/forms.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <cstdio>

void benchTesting() {
    std::vector<double> runs;
    for (int run = 0; run < bench::kRuns; ++run) {
        TestWindows windows(quint64(run) + 1);
        windows.forms().Form10->rbnahodne->setChecked(true);
        TForm4 *test = windows.forms().Form4;
        test->show();
        QCoreApplication::processEvents();
        windows.dialogs().files = {bench::inputs(QStringLiteral("slovnik-100000.slv"))};
        runs.push_back(bench::milliseconds([&] {
            test->btnovyClick();
            QCoreApplication::processEvents();
            test->repaint();
        }));
        if (test->mevyraz->toPlainText().isEmpty() || !windows.dialogs().shown.isEmpty()) {
            std::printf("Testing I showed no question\n");
            return bench::missed(QStringLiteral("Testing I"));
        }
    }
    bench::report(QStringLiteral("Testing I: open 100000 expressions and show the first "
                                 "question (random order)"),
                  runs);
}
