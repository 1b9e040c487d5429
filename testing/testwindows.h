#pragma once

#include "testing/choices.h"

#include <QList>
#include <QString>

struct Forms;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// Pieces the windows of the tests and the review share: their controls, and the one way
// they record a result in the statistics.
namespace testwindows {

// The narrow disabled button that separates groups of tool buttons.
QPushButton *separator(QWidget *parent);
QLabel *label(QWidget *parent, const char *name, const QString &text);
// A read-only multi-line text; `bold` for the ones that show expressions.
QPlainTextEdit *memo(QWidget *parent, const char *name, bool bold);

// Records one test result in the statistics (nothing when no answer was given: false).
bool recordStatistics(Forms &forms, const QString &dictionaryPath, int correct, int wrong,
                      const QString &done, const QString &kind);
// Takes back the result recorded last in this run.
void withdrawStatistics(Forms &forms);

// The buttons of a question answered by choice, one under another in `panel`
// ("choiceButton1" … "4").
QList<QPushButton *> optionButtons(QWidget *panel);
// Shows the question's options on them ("1   text", read as "Možnost 1: text"), hiding
// the buttons it has no option for.
void showOptions(const QList<QPushButton *> &buttons, const choices::Question &question);

} // namespace testwindows
