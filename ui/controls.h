#pragma once

#include <QAction>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStyle>

#include <optional>

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
class QWidget;

// Controls several windows build alike.

// Sets the widget's own font to bold.
void makeBold(QWidget *widget);
// A named label in bold.
QLabel *boldLabel(QWidget *parent, const char *name, const QString &text);
// The style's standard icon, one copy for all windows, at the sizes buttons show it (16 to
// 48 pixels; the style's own icon also holds a 128-pixel picture).
QIcon standardIcon(const QWidget *widget, QStyle::StandardPixmap which);
// A named 30 x 28 tool button with a standard icon and a hint; it takes no focus.
QPushButton *toolButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon,
                        const QString &hint);

// A named spin field that changes only by its arrows (its text cannot be typed into),
// from `minimum` to `maximum`, showing `value`.
QSpinBox *arrowsOnlySpinBox(QWidget *parent, const char *name, int minimum, int maximum, int value);

// A caption and its value in one row of a grid: the caption (a label named `captionName`
// when it has one) in the first column, the value label `name` showing `value` in the
// second. Returns the value label.
QLabel *captionAndValue(QGridLayout *grid, int row, const QString &caption, const char *name,
                        const QString &value = QStringLiteral("-"),
                        const char *captionName = nullptr);
// A named item of a menu (a menu, a menu bar or a window's own keys) with its shortcut.
QAction *menuItem(QWidget *menu, const char *name, const QString &caption,
                  const QKeySequence &key = {});
// The same, pressing the window's handler when chosen.
template <typename Window>
QAction *menuItem(QWidget *menu, const char *name, const QString &caption, Window *window,
                  void (Window::*handler)(), const QKeySequence &key = {}) {
    QAction *action = menuItem(menu, name, caption, key);
    QObject::connect(action, &QAction::triggered, window, handler);
    return action;
}
// Text colour of a label or text box; nothing restores the normal colour.
void setTextColour(QWidget *widget, const std::optional<QColor> &colour);

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
// Lets the user size the list's columns from their widths so far: a header's edge
// dragged, a double click on it fits the column to the texts in view; a scroll bar
// appears when the columns grow wider than the list.
void letUserSizeColumns(QTableView *list);
// Gives the list's rows the designed height, or the height a row needs to show its text
// whole in the list's font and in `fonts` (a column's own font, such as the phonetic
// font), where that is more. Returns the height.
int setRowHeightFittingText(QTableView *list, int designed, const QList<QFont> &fonts = {});
