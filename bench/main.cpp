// The benchmark of what users wait on. tools/bench.sh builds it in Release, writes its
// inputs and runs it:
//   vokab_bench INPUTS PROGRAM PROGRAM_DIR [group...]
// groups: startup editor testing million translator statistics review backups search pictures (all
// when none is named).
// A figure that misses its target is reported and makes the status non-zero.
#include "measure.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 4 && arguments[1] == QStringLiteral("--editor-memory"))
        return editorMemoryChild(arguments[2], arguments[3]);
    if (arguments.size() == 3 && arguments[1] == QStringLiteral("--pictures-memory"))
        return picturesMemoryChild(arguments[2]);
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: vokab_bench INPUTS PROGRAM PROGRAM_DIR [group...]\n");
        return 2;
    }
    bench::setInputs(arguments[1]);
    QStringList groups = arguments.mid(4);
    if (groups.isEmpty())
        groups = {"startup",    "editor", "testing", "million", "translator",
                  "statistics", "review", "backups", "search",  "pictures"};
    for (const QString &group : groups) {
        if (group == QStringLiteral("startup"))
            benchStartUp(arguments[2], arguments[3]);
        else if (group == QStringLiteral("editor"))
            benchEditor(arguments[3]);
        else if (group == QStringLiteral("testing"))
            benchTesting();
        else if (group == QStringLiteral("million"))
            benchMillion();
        else if (group == QStringLiteral("translator"))
            benchTranslator();
        else if (group == QStringLiteral("statistics"))
            benchStatistics();
        else if (group == QStringLiteral("review"))
            benchReview();
        else if (group == QStringLiteral("backups"))
            benchBackups();
        else if (group == QStringLiteral("search"))
            benchSearch();
        else if (group == QStringLiteral("pictures"))
            benchPictures();
        else
            std::fprintf(stderr, "unknown group %s\n", qPrintable(group));
    }
    return bench::missedCount() == 0 ? 0 : 1;
}
