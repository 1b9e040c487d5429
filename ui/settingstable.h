#pragma once

#include <QList>
#include <QString>

#include <functional>

class Dialogs;
class QAbstractButton;
class QAction;
class QSpinBox;
class Registry;

// One registry key of a window, declared once: each value's name, the control it is kept
// in and its default, in the order the values are read and written. The table loads the
// controls, stores them, and writes the defaults of a key that is missing.
class SettingsTable {
public:
    explicit SettingsTable(QString key) : m_key(std::move(key)) {}
    const QString &key() const { return m_key; }

    // A 32-bit integer 0 or 1: whether the control is checked.
    SettingsTable &flag(const QString &name, QAbstractButton *control, bool fallback);
    SettingsTable &flag(const QString &name, QAction *control, bool fallback);
    // The same, read and written through the window's own functions.
    SettingsTable &flag(const QString &name, std::function<bool()> get,
                        std::function<void(bool)> set, bool fallback);
    // A 32-bit integer: the spin box's value.
    SettingsTable &number(const QString &name, QSpinBox *control, int fallback);
    // A string, read and written through the window's own functions.
    SettingsTable &text(const QString &name, std::function<QString()> get,
                        std::function<void(const QString &)> set, const QString &fallback);

    // The values declared after this are read only when the key holds `name` (a key
    // written by an earlier version lacks them); they keep their controls' states.
    SettingsTable &readOnlyWith(const QString &name);
    // The values declared after this may be missing without a message; a missing one
    // keeps its control's state.
    SettingsTable &mayBeMissing();

    // Reads every value into its control; a value that is missing or not a number leaves
    // its control as it is, the others are still read, and one message names what could
    // not be read.
    void load(Registry &registry, Dialogs &dialogs) const;
    // Loads the key when it exists; otherwise creates it with the controls' states.
    void loadOrStore(Registry &registry, Dialogs &dialogs) const;
    // Writes every value from its control, in order, creating the key when it is missing;
    // a store that cannot be written is reported (once per run) and the program goes on.
    void store(Registry &registry, Dialogs &dialogs) const;
    // Writes every value's default, in order, creating the key.
    void storeDefaults(Registry &registry, Dialogs &dialogs) const;

private:
    struct Value {
        QString name;
        bool isText = false;
        std::function<qint32()> integer;
        std::function<void(qint32)> setInteger;
        qint32 integerDefault = 0;
        std::function<QString()> string;
        std::function<void(const QString &)> setString;
        QString stringDefault;
        QString onlyWith;
        bool mayBeMissing = false;
    };
    SettingsTable &add(Value value);
    void write(Registry &registry, bool defaults) const;

    QString m_key;
    QList<Value> m_values;
    QString m_onlyWith;
    bool m_mayBeMissing = false;
};
