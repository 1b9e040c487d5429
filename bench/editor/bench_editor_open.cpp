// Opens a dictionary of many expressions in the editor and prints how long the open
// took (reading the file, filling the list, scrolling to the newest rows).
//   QT_QPA_PLATFORM=offscreen bench_editor_open [expressions]
#include "app/forms.h"
#include "core/textfile.h"
#include "dictionary/Unit2.h"
#include "dictionary/dictionarymodel.h"
#include "support/testplatform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTableView>

#include <cstdio>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    TestWindows windows;
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(QStringLiteral("kočka %1+kocour;cat %1+tomcat;[k4t];NENÍ").arg(i));
    const QString path = windows.platform().folder.file(QStringLiteral("velky.slv"));
    if (!textfile::saveLines(path, lines)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    TForm2 *editor = windows.forms().Form2;
    editor->show();
    QCoreApplication::processEvents();

    windows.dialogs().files = {path};
    QElapsedTimer timer;
    timer.start();
    editor->BitBtn2Click();
    QCoreApplication::processEvents();
    editor->stg->viewport()->repaint();
    const qint64 elapsed = timer.elapsed();
    if (editor->pocet() != count || editor->stg->rowAt(0) != count - 12) {
        std::fprintf(stderr, "the dictionary did not open as expected\n");
        return 1;
    }
    std::printf("opened %d expressions in %lld ms\n", count, static_cast<long long>(elapsed));
    return 0;
}
