#pragma once

#include <QColor>
#include <QString>
#include <QStyle>

#include <optional>

struct Forms;
namespace review {
class PlanRecorder;
struct Key;
enum class Rating;
} // namespace review
class QAction;
class QGridLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;
class TForm9;

// Pieces the windows of the tests share: their controls, the hand-over of a finished
// test to the evaluation window, and the one way they record a result in the statistics.
namespace testwindows {

// The narrow disabled button that separates groups of tool buttons.
QPushButton *separator(QWidget *parent);
QLabel *label(QWidget *parent, const char *name, const QString &text);
// A read-only multi-line text; `bold` for the ones that show expressions.
QPlainTextEdit *memo(QWidget *parent, const char *name, bool bold);

// Shows the evaluation window and hides the test window; `again` checks the option
// "Nechat se znova prozkoušet".
void predejVyhodnoceni(Forms &forms, TForm9 *evaluation, QWidget *test, bool again);

// Records one test result in the statistics (nothing when no answer was given).
// Counts an answer in the review plan of the test's dictionary when it has one (the
// retention the review window asks for); a plan that cannot be written is reported once
// and stops recording.
void recordInPlan(Forms &forms, review::PlanRecorder &plan, const review::Key &key,
                  review::Rating rating);

void zapisStatistiky(Forms &forms, const QString &dictionaryPath, int correct, int wrong,
                     const QString &done, const QString &kind);

} // namespace testwindows
