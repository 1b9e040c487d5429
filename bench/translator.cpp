// The translator: loading the 200,000-entry word list and the first search of a new
// window; searching while typing over a 1,000,000-entry list (one to seven characters,
// each key press until the grid shows the entry) and the exact search.
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

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

// A translator window whose program folder holds `input` as its word list, as an
// installation has it.
struct Translator {
    TestWindows windows;
    TForm24 *window;

    explicit Translator(const QString &input) : windows(platformWith(input)) {
        window = windows.forms().Form24;
    }
    static std::unique_ptr<TestPlatform> platformWith(const QString &input) {
        auto platform = std::make_unique<TestPlatform>();
        QFile::remove(platform->folder.shipped(QStringLiteral("prekladac.dat")));
        QFile::copy(input, platform->folder.shipped(QStringLiteral("prekladac.dat")));
        return platform;
    }
    // One key pressed in the search field until its events have been handled, the
    // repainting of the field and of the grid among them (once, as on a screen).
    double press(QChar key) {
        return bench::milliseconds([&] {
            QTest::keyClick(window->edthledej, key.toLatin1());
            QCoreApplication::processEvents();
        });
    }
};

// The first search of a freshly opened window with the shipped-size word list: the
// list is read at start and decoded when the translator first needs it.
void benchFirstSearch(const QString &input) {
    std::vector<double> firsts;
    for (int run = 0; run < bench::kRuns; ++run) {
        Translator t(input);
        firsts.push_back(bench::milliseconds([&] {
            t.window->show();
            QCoreApplication::processEvents();
            t.press(u'h');
        }));
    }
    bench::report(QStringLiteral("translator: open the window and search the first key"), firsts,
                  QStringLiteral("< 50 ms"));
    if (bench::median(firsts) >= 50)
        bench::missed(QStringLiteral("translator first search"));
}

} // namespace

void benchTranslator() {
    const QString input = bench::inputs(QStringLiteral("prekladac.dat"));
    std::vector<double> loads;
    qsizetype entries = 0;
    for (int run = 0; run < bench::kRuns; ++run) {
        loads.push_back(bench::milliseconds([&] {
            const Result<translatorfile::WordList> list = translatorfile::load(input);
            entries = list ? list->english.size() + list->czech.size() : 0;
        }));
    }
    bench::report(QStringLiteral("translator: load %1 entries").arg(entries), loads);
    benchFirstSearch(input);

    // Typing over the 1,000,000-entry list: every key of 50 seven-letter words; every
    // single key press counts, the slowest one must stay under the bound too.
    Translator t(bench::inputs(QStringLiteral("prekladac-1000000.dat")));
    t.window->show();
    QCoreApplication::processEvents();
    const translatorfile::EntryList &english = t.window->dictionary().english;
    QStringList words;
    for (qsizetype i = 7; words.size() < 50 && i < english.size(); i += english.size() / 997)
        if (english.at(i).expression.size() >= 7)
            words.append(english.at(i).expression);
    if (words.size() < 50) {
        std::printf("the translator did not load the word list\n");
        return bench::missed(QStringLiteral("translator"));
    }
    std::vector<std::vector<double>> perKey(7);
    std::vector<double> exact;
    for (const QString &word : words) {
        t.window->edthledej->clear();
        QCoreApplication::processEvents();
        for (int key = 0; key < 7; ++key)
            perKey[size_t(key)].push_back(t.press(word.at(key)));
        if (t.window->edthledej->text() != word.left(7)) {
            std::printf("typing gave %s\n", qPrintable(t.window->edthledej->text()));
            return bench::missed(QStringLiteral("translator typing"));
        }
        t.window->edthledej->setText(word);
        exact.push_back(bench::milliseconds([&] {
            t.window->SpeedButton1Click();
            QCoreApplication::processEvents();
            t.window->StringGrid1->viewport()->repaint();
        }));
        if (t.window->cell(0, t.window->currentRow()) != word) {
            std::printf("the search did not find %s\n", qPrintable(word));
            return bench::missed(QStringLiteral("translator search"));
        }
    }
    for (int key = 0; key < 7; ++key) {
        const std::vector<double> &runs = perKey[size_t(key)];
        const double slowest = *std::max_element(runs.begin(), runs.end());
        bench::report(QStringLiteral("translator, %1 entries: search while typing, key %2")
                          .arg(english.size() + t.window->dictionary().czech.size())
                          .arg(key + 1),
                      runs, QStringLiteral("< 2 ms, the slowest too"));
        if (slowest >= 2)
            bench::missed(QStringLiteral("translator key %1 (slowest %2 ms)")
                              .arg(key + 1)
                              .arg(slowest, 0, 'f', 3));
    }
    bench::report(QStringLiteral("translator: exact search"), exact);
}
