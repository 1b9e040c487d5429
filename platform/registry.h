#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Dialogs;
class ProgramFolder;

// The program's settings store: the current user's registry under
// HKEY_CURRENT_USER\Software\Vokab2 on Windows, an INI file elsewhere. Keys are
// named relative to that root ("Nastaveni", "Vyuka", ...).
class Registry {
public:
    virtual ~Registry() = default;

    virtual bool keyExists(const QString &key) const = 0;
    virtual bool valueExists(const QString &key, const QString &name) const = 0;
    virtual void createKey(const QString &key) = 0;

    // A missing value, or one that is not a whole number, fails with the Czech message
    // naming it.
    virtual Result<qint32> readInteger(const QString &key, const QString &name) const = 0;
    // A missing string reads as empty text.
    virtual QString readString(const QString &key, const QString &name) const = 0;

    // A write outside store() goes to the store at once and fails when it cannot; within
    // store() it is gathered and never fails.
    virtual Result<void> writeInteger(const QString &key, const QString &name, qint32 value) = 0;
    virtual Result<void> writeString(const QString &key, const QString &name,
                                     const QString &value) = 0;

    Result<bool> readBool(const QString &key, const QString &name) const {
        const Result<qint32> value = readInteger(key, name);
        if (!value)
            return Failure{value.error()};
        return *value != 0;
    }
    Result<void> writeBool(const QString &key, const QString &name, bool value) {
        return writeInteger(key, name, value ? 1 : 0);
    }

    // Runs the writes of one storing of settings. A store that cannot be written (a
    // read-only folder, a settings file that is a folder) never stops the program: the
    // first failure of the run is reported in Czech, later ones are not, and the program
    // goes on with the settings it has. False when the writes failed.
    bool store(Dialogs &dialogs, const std::function<void()> &writes);

    // Start-up stores the defaults of every window: between deferWrites() and
    // writeDeferred() the stores are written to the file together, once; a failure is
    // reported as store() reports it.
    void deferWrites() { ++m_deferred; }
    bool writeDeferred(Dialogs &dialogs);

protected:
    // Whether writes are being gathered to be written together (within a store, or
    // between deferWrites() and writeDeferred()).
    bool deferred() const { return m_deferred > 0; }
    // Writes what was gathered to the store; fails with a Czech message when it cannot.
    virtual Result<void> flush() { return {}; }

private:
    bool m_failureReported = false;
    int m_deferred = 0;
};

// Reads the values of one key for a window's loading. A value that is missing or not a
// whole number never stops the loading: the caller's default stands for it, and
// report() names every such value in one Czech message.
class SettingsReader {
public:
    SettingsReader(const Registry &registry, const QString &key)
        : m_registry(registry), m_key(key) {}

    qint32 integer(const QString &name, qint32 fallback);
    bool boolean(const QString &name, bool fallback) { return integer(name, fallback ? 1 : 0); }
    // A missing string reads as empty text.
    QString string(const QString &name) const { return m_registry.readString(m_key, name); }

    // The values that could not be read, in the order they were asked for.
    const QStringList &unreadable() const { return m_unreadable; }
    // One error message naming them all; nothing when every value was read.
    void report(Dialogs &dialogs) const;

private:
    const Registry &m_registry;
    QString m_key;
    QStringList m_unreadable;
};

// The real store on QSettings. `iniFile` empty: the native registry on Windows, the
// user's configuration folder elsewhere.
std::unique_ptr<Registry> makeSettingsRegistry(const QString &iniFile = {});

// Where the settings live unless VOKAB_REGISTRY names another file: empty for the
// native registry (Windows, an installed program), else an INI file (Linux:
// ~/.config/Vokab2/registry.ini; a portable copy on Windows: registry.ini beside it).
QString defaultRegistryFile(const ProgramFolder &folder);
