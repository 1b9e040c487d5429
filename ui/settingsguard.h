#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <functional>

class Dialogs;
class QAbstractButton;
class QGroupBox;
class QLayout;
class QRadioButton;
class QWidget;

// Radio groups of settings windows, and the guard that keeps a pair of choices while a
// test is loaded.
namespace settingsguard {

QGroupBox *group(QWidget *parent, QLayout *layout, const QString &caption);
QRadioButton *radio(QGroupBox *group, const char *name, const QString &text, bool checked);

// While `loaded()` is true, checking either button of the pair is refused with the
// warning and the other button is checked again; `reverting` marks that restoring run.
void guard(QWidget *window, QRadioButton *first, QRadioButton *second, bool &reverting,
           std::function<bool()> loaded, Dialogs &dialogs);

} // namespace settingsguard
