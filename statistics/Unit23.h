#pragma once

#include "core/textfile.h"
#include "platform/dialogs.h"
#include "statistics/practicelog.h"
#include "statistics/statistiky.h"
#include "ui/form.h"

#include <QColor>
#include <QPoint>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class StatisticsModel;

class BarChart;
class BarSeries;
class PracticeCalendar;

// The statistics window. Its table holds the statistics for the whole run: loaded from
// the statistics file when the window is created, grown by the tests, written back by
// the main window at exit.
class TForm23 : public VokabForm {
    Q_OBJECT
public:
    TForm23(Forms &forms, Platform &platform);
    ~TForm23() override;

    // Records one test result: the dictionary's path as chosen in the test's file
    // dialog, the counts, "Ano" or "Ne", and "Zkoušení I" or "Zkoušení II". Nothing
    // is recorded when both counts are 0 (false then).
    bool zapisdostatistik(const QString &dictionaryPath, int correct, int wrong,
                          const QString &done, const QString &kind);
    // Takes back the row recorded last in this run (an answer taken back after the
    // session it ended was recorded).
    void withdrawLast();
    // Fills the dictionary list of the chart tab; the main window calls it when it
    // shows this window.
    void naplnslovniky();
    // Ours: counts a practice of today (an answer in a test or a review, an expression of a
    // learning session) for the calendar; the day file is written at the end of the run.
    void recordPractice(practice::Kind kind);
    // Takes one back (an answer taken back).
    void withdrawPractice(practice::Kind kind);
    // The days the calendar shows.
    practice::Days practiceDays() const;
    // Writes this run's practice into the day file (read again first, so that another
    // program's days stay); fails with the Czech message of a failed read or write.
    Result<void> savePractice();
    // Colours the chart's bars (the general settings' chart colour).
    void setChartColour(const QColor &colour);

    QTabWidget *PageControl1 = nullptr;
    QTableView *stg1 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QLabel *Label2 = nullptr;
    QComboBox *ComboBox2 = nullptr;
    QComboBox *ComboBox3 = nullptr;
    QComboBox *ComboBox4 = nullptr;
    QPushButton *BitBtn2 = nullptr; // "Zobraz"
    QPushButton *BitBtn3 = nullptr; // "Ulož"
    QPushButton *BitBtn1 = nullptr; // "Zavřít"
    QCheckBox *CheckBox1 = nullptr;
    BarChart *Chart1 = nullptr;
    BarSeries *Series1 = nullptr; // the chart's bars
    // Ours: the tab "Kalendář".
    PracticeCalendar *calendarView = nullptr;
    QLabel *currentStreakLabel = nullptr;
    QLabel *longestStreakLabel = nullptr;
    QLabel *lastWeekLabel = nullptr;
    QLabel *lastMonthLabel = nullptr;

    void FormCreate();
    void ComboBox1Change();
    void ComboBox3Change();
    void ComboBox4Change();
    void BitBtn2Click();
    void BitBtn3Click();
    void CheckBox1Click();
    void BitBtn1Click();
    void stg1MouseMove(const QPoint &position);

    const statisticsfile::Table &table() const { return m_table; }
    // Writes the statistics at the end of the run. The file is read again and keeps
    // every line it holds now, also those another running program added since the
    // start; the rows recorded in this run follow. The table then holds what the file
    // holds, so a later save adds nothing twice. Fails with a Czech message naming the
    // file when it cannot be read or written; the file is then as it was.
    Result<void> saveRecordedRows();
    // The main window's statistics save at the end of the program (`ulozenistatistik`):
    // nothing when there are no rows; refused when the file could not be read at the
    // start; a failed write offered again ("Zkusit znovu") until it succeeds or the user
    // gives the results up.
    void saveAtExit();
    // The statistics file exists but could not be read: writing the table back would
    // lose its lines.
    bool loadFailed() const { return m_loadFailed; }
    // The bars drawn: their labels and values, left to right.
    QStringList barLabels() const;
    QList<int> barValues() const;
    // The vertical axis: its bottom, its top and its step.
    double axisMin() const;
    int axisMax() const;
    int axisStep() const;
    // The chart's title, two lines joined by "\n".
    QString chartTitle() const;
    QColor chartColour() const;
    const FileDialogState &saveDialog() const { return m_saveDialog; }

protected:
    void FormClose() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildCalendar();
    void showCalendar();
    void loadTable();
    QSize chartMinimumSize() const;

    statisticsfile::Table m_table;
    StatisticsModel *m_model = nullptr;
    QPoint m_lastHintCell{-1, -1};
    FileDialogState m_saveDialog;
    bool m_loadFailed = false;
    practice::Days m_practice;     // the day file as read at the start
    practice::Days m_practicedNow; // this run's, not yet written
};
