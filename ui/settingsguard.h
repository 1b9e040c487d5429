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
class Registry;

// What the two test settings windows share: their radio groups, the registry values
// of their controls, and the guard that keeps direction and order while a test is
// loaded.
namespace settingsguard {

// A registry value and the control it stores (32-bit integer 0 or 1).
using Values = QList<QPair<QString, QAbstractButton *>>;

QGroupBox *group(QWidget *parent, QLayout *layout, const QString &caption);
QRadioButton *radio(QGroupBox *group, const char *name, const QString &text, bool checked);

// Reads the key's values into the controls in the given order; a missing key is
// created with the controls' current (design) states. A value that cannot be read
// leaves its control in its state, the others are still read, and one message names
// what could not be read.
void load(Registry &registry, Dialogs &dialogs, const QString &key, const Values &values);
// Writes every value from its control, in order, creating the key when it is missing;
// a store that cannot be written is reported (once per run) and the program goes on.
void store(Registry &registry, Dialogs &dialogs, const QString &key, const Values &values);

// While `loaded()` is true, checking either button of the pair is refused with the
// warning and the other button is checked again; `reverting` marks that restoring run.
void guard(QWidget *window, QRadioButton *first, QRadioButton *second, bool &reverting,
           std::function<bool()> loaded, Dialogs &dialogs);

} // namespace settingsguard
