// Finding expressions in the editor with the largest dictionary (1,000,000 expressions)
// open: making the search's index when the search field takes the focus, the list
// filtered as each key of a seven-letter word is typed, and sorted by a clicked column.
#include "measure.h"

#include "dictionary/Unit2.h"
#include "dictionary/expressionfilter.h"
#include "support/testplatform.h"
#include "ui/forms.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kCount = 1000000;
constexpr int kTypingRuns = 50;

// Repaints the list as a screen would after the events of a key.
void shown(TForm2 *editor) {
    QCoreApplication::processEvents();
    editor->stg->viewport()->repaint();
}

int countHolding(const RecordList &records, const QString &text) {
    return int(std::count_if(records.begin(), records.end(), [&](const Tslovniky &r) {
        return r.ang.contains(text, Qt::CaseInsensitive) ||
               r.cz.contains(text, Qt::CaseInsensitive) ||
               r.vyslovnost.contains(text, Qt::CaseInsensitive);
    }));
}

} // namespace

void benchSearch() {
    TestWindows windows(1);
    TForm2 *editor = windows.forms().Form2;
    const QString path = windows.platform().folder.userFile(QStringLiteral("slovnik.slv"));
    QFile::copy(bench::inputs(QStringLiteral("slovnik-%1.slv").arg(kCount)), path);
    editor->show();
    QCoreApplication::processEvents();
    windows.dialogs().files = {path};
    editor->BitBtn2Click();
    shown(editor);
    if (editor->recordCount() != kCount)
        return bench::missed(QStringLiteral("search: the dictionary was not opened"));
    const QString what = QStringLiteral("%1 expressions").arg(kCount);

    // A seven-letter word of the dictionary's Czech texts that begins with a letter of
    // ASCII and has diacritics.
    QString word;
    const QRegularExpression czech(QStringLiteral("^[a-z].*[^a-z]"));
    for (const Tslovniky &record : editor->document().records()) {
        const QString first = record.cz.section(u'+', 0, 0);
        if (first.size() >= 7 && czech.match(first.left(7)).hasMatch()) {
            word = first.left(7);
            break;
        }
    }
    std::printf("search: typing \"%s\"\n", word.toUtf8().constData());

    for (const bool plain : {false, true}) {
        editor->searchField->clear();
        editor->plainSearch->setChecked(plain);
        std::vector<double> builds;
        for (int run = 0; run < bench::kRuns; ++run) {
            editor->shownList()->prepare(!plain); // the other index, made and dropped
            builds.push_back(bench::milliseconds([&] {
                editor->shownList()->prepare(plain);
                shown(editor);
            }));
        }
        const QString mode = plain ? QStringLiteral(" (bez diakritiky)") : QString();
        bench::report(QStringLiteral("search: make the index of ") + what + mode, builds);

        std::vector<std::vector<double>> keys(size_t(word.size()));
        for (int run = 0; run < kTypingRuns; ++run) {
            editor->searchField->clear();
            shown(editor);
            for (qsizetype key = 1; key <= word.size(); ++key)
                keys[size_t(key - 1)].push_back(bench::milliseconds([&] {
                    editor->searchField->setText(word.left(key));
                    shown(editor);
                }));
        }
        if (!plain) {
            for (qsizetype key = 1; key <= word.size(); ++key) {
                editor->searchField->setText(word.left(key));
                const int expected = countHolding(editor->document().records(), word.left(key));
                if (editor->stg->model()->rowCount() != expected) {
                    std::printf("search: %d found for \"%s\", %d hold it\n",
                                editor->stg->model()->rowCount(),
                                word.left(key).toUtf8().constData(), expected);
                    bench::missed(QStringLiteral("search: what was found"));
                }
            }
        }
        for (size_t key = 0; key < keys.size(); ++key) {
            const QString figure = QStringLiteral("search: filter %1%2 while typing, key %3 (%4)")
                                       .arg(what, mode)
                                       .arg(key + 1)
                                       .arg(editor->searchField->text().left(int(key) + 1));
            bench::report(figure, keys[key], QStringLiteral("< 10 ms, the slowest too"));
            if (*std::max_element(keys[key].begin(), keys[key].end()) >= 10)
                bench::missed(figure);
        }
    }
    editor->searchField->clear();
    shown(editor);

    // The list sorted by a click on a header, and back in the dictionary's order.
    QHeaderView *header = editor->stg->horizontalHeader();
    for (const int column : {0, 1, 2}) {
        std::vector<double> sorts;
        for (int run = 0; run < bench::kRuns; ++run) {
            header->setSortIndicator(-1, Qt::AscendingOrder);
            shown(editor);
            sorts.push_back(bench::milliseconds([&] {
                header->setSortIndicator(column, Qt::AscendingOrder);
                shown(editor);
            }));
        }
        const QString figure =
            QStringLiteral("search: sort the list of %1 by column %2 (%3)")
                .arg(what)
                .arg(column)
                .arg(editor->stg->model()->headerData(column, Qt::Horizontal).toString());
        bench::report(figure, sorts, QStringLiteral("< 133 ms, the slowest too"));
        if (*std::max_element(sorts.begin(), sorts.end()) >= 133)
            bench::missed(figure);
    }
    header->setSortIndicator(-1, Qt::AscendingOrder);
    shown(editor);

    // "Seřadit slovník podle…" Czech, and its undo.
    windows.dialogs().choices = {1};
    const double sorted = bench::milliseconds([&] {
        editor->sortAction->trigger();
        shown(editor);
    });
    const double undone = bench::milliseconds([&] {
        editor->undoAction->trigger();
        shown(editor);
    });
    bench::report(QStringLiteral("search: sort the dictionary of ") + what +
                      QStringLiteral(" by Czech"),
                  {sorted});
    bench::report(QStringLiteral("search: undo the sort of ") + what, {undone});
    std::printf("peak memory after the search: %.1f MB\n", double(bench::peakResidentKb()) / 1024);
}
