#pragma once

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStyle>

class QComboBox;
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
// its whole text in the font the system gives it, and each column its widest text
// (`widest`, one sample per column; an empty sample asks nothing of its column). The list
// is at least as wide as its columns.
void setColumnWidthsFittingHeaders(QTableView *list, const QList<int> &designed,
                                   const QStringList &widest = {});
// Makes the combo box at least as wide as showing `widest` whole needs.
void setMinimumWidthForText(QComboBox *box, const QString &widest);
// Gives the list's rows the designed height, or the height a row needs to show its text
// whole in the list's font and in `fonts` (a column's own font, such as the phonetic
// font), where that is more. Returns the height.
int setRowHeightFittingText(QTableView *list, int designed, const QList<QFont> &fonts = {});
