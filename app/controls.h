#pragma once

#include <QString>
#include <QStyle>

class QLabel;
class QPushButton;
class QWidget;

// Controls several windows build alike.

// Sets the widget's own font to bold.
void makeBold(QWidget *widget);
// A named label in bold.
QLabel *boldLabel(QWidget *parent, const char *name, const QString &text);
// A named 30 x 28 tool button with a standard icon and a hint; it takes no focus.
QPushButton *toolButton(QWidget *parent, const char *name, QStyle::StandardPixmap icon,
                        const QString &hint);
