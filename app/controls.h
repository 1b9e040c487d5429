#pragma once

#include <QList>
#include <QString>
#include <QStyle>

class QLabel;
class QPushButton;
class QTableView;
class QWidget;

// Controls several windows build alike.

// Sets the widget's own font to bold.
void makeBold(QWidget *widget);
// A named label in bold.
QLabel *boldLabel(QWidget *parent, const char *name, const QString &text);
// A named 30 x 28 tool button with a standard icon and a hint; it takes no focus.
QPushButton *toolButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon,
                        const QString &hint);

// Column widths that keep the designed widths' sum where every column is at least as wide
// as it needs: the columns that need more take it from those with room to spare, in
// proportion to their room; the sum grows only when all of them together need more.
QList<int> fittedWidths(const QList<int> &designed, const QList<int> &needed);
// Sets the list's column widths to the designed ones, fitted so that each header shows
// its whole text in the font the system gives it.
void setColumnWidthsFittingHeaders(QTableView *list, const QList<int> &designed);
