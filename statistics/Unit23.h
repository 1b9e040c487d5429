#pragma once

#include "app/form.h"

class QTableWidget;

// The statistics window. Its table holds the statistics for the whole run: loaded from
// the statistics file when the window is created, grown by the tests, written back by
// the main window at exit.
class TForm23 : public VokabForm {
    Q_OBJECT
public:
    TForm23(Forms &forms, Platform &platform);

    // Records one test result: the dictionary's path as chosen in the test's file
    // dialog, the counts, "Ano" or "Ne", and "Zkoušení I" or "Zkoušení II". Nothing
    // is recorded when both counts are 0.
    void zapisdostatistik(const QString &dictionaryPath, int correct, int wrong,
                          const QString &done, const QString &kind);
    // Fills the dictionary list of the chart tab; the main window calls it when it
    // shows this window.
    void naplnslovniky();
    // Colours the chart's bars (the general settings' chart colour).
    void setBarvaGrafu(const QColor &colour);
};
