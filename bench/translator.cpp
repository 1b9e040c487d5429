// The translator: loading the 200,000-entry word list, searching while typing (one to
// seven characters, each key press until the grid shows the entry) and the exact
// search.
#include "measure.h"

#include "support/testplatform.h"
#include "translator/Unit24.h"
#include "translator/prekladac.h"
#include "ui/forms.h"

#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <cstdio>
#include <memory>

void benchTranslator() {
    const QString input = bench::inputs(QStringLiteral("prekladac.dat"));
    std::vector<double> loads;
    qsizetype entries = 0;
    for (int run = 0; run < bench::kRuns; ++run) {
        loads.push_back(bench::milliseconds([&] {
            const prekladac::WordList list = prekladac::load(input);
            entries = list.english.size() + list.czech.size();
        }));
    }
    bench::report(QStringLiteral("translator: load %1 entries").arg(entries), loads);

    // The window, with the word list in its program folder as an installation has it.
    auto platform = std::make_unique<TestPlatform>();
    QFile::remove(platform->folder.shipped(QStringLiteral("prekladac.dat")));
    QFile::copy(input, platform->folder.shipped(QStringLiteral("prekladac.dat")));
    TestWindows windows(std::move(platform));
    TForm24 *translator = windows.forms().Form24;
    translator->show();
    QCoreApplication::processEvents();
    const prekladac::EntryList &english = translator->slovnik().english;
    if (english.size() < 1000) {
        std::printf("the translator did not load the word list\n");
        return bench::missed(QStringLiteral("translator"));
    }

    // Words of at least seven letters from all over the list.
    QStringList words;
    for (qsizetype i = 7; words.size() < bench::kRuns * 4 && i < english.size(); i += 997)
        if (english.at(i).expression.size() >= 7)
            words.append(english.at(i).expression);
    std::vector<std::vector<double>> perLength(7);
    std::vector<double> exact;
    double slowest = 0;
    for (const QString &word : words) {
        translator->edthledej->clear();
        QCoreApplication::processEvents();
        for (int length = 1; length <= 7; ++length) {
            const double ms = bench::milliseconds([&] {
                QTest::keyClick(translator->edthledej, word.at(length - 1).toLatin1());
                QCoreApplication::processEvents();
                translator->StringGrid1->viewport()->repaint();
            });
            perLength[size_t(length - 1)].push_back(ms);
            slowest = std::max(slowest, ms);
        }
        if (translator->edthledej->text() != word.left(7)) {
            std::printf("typing gave %s\n", qPrintable(translator->edthledej->text()));
            return bench::missed(QStringLiteral("translator typing"));
        }
        translator->edthledej->setText(word);
        exact.push_back(bench::milliseconds([&] {
            translator->SpeedButton1Click();
            QCoreApplication::processEvents();
            translator->StringGrid1->viewport()->repaint();
        }));
        if (translator->bunka(0, translator->aktualniRadek()) != word) {
            std::printf("the search did not find %s\n", qPrintable(word));
            return bench::missed(QStringLiteral("translator search"));
        }
    }
    for (int length = 1; length <= 7; ++length) {
        const std::vector<double> &runs = perLength[size_t(length - 1)];
        bench::report(QStringLiteral("translator: search while typing, key %1").arg(length), runs,
                      QStringLiteral("< 2 ms"));
        if (bench::median(runs) >= 2)
            bench::missed(QStringLiteral("translator key %1").arg(length));
    }
    bench::reportValue(QStringLiteral("translator: slowest key of all"),
                       QStringLiteral("%1 ms").arg(slowest, 0, 'f', 3));
    bench::report(QStringLiteral("translator: exact search"), exact);
}
