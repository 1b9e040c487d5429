#pragma once

#include <QString>

#include <memory>

// The program's settings store: the current user's registry under
// HKEY_CURRENT_USER\Software\Vokab2 on Windows, an INI file elsewhere. Keys are
// named relative to that root ("Nastaveni", "Vyuka", ...).
class Registry {
public:
    virtual ~Registry() = default;

    virtual bool keyExists(const QString &key) const = 0;
    virtual bool valueExists(const QString &key, const QString &name) const = 0;
    virtual void createKey(const QString &key) = 0;

    // A missing value, or one that is not a whole number, is an error of the
    // registry layer: it throws VokabError, which aborts the caller's loading.
    virtual qint32 readInteger(const QString &key, const QString &name) const = 0;
    // A missing string reads as empty text.
    virtual QString readString(const QString &key, const QString &name) const = 0;

    virtual void writeInteger(const QString &key, const QString &name, qint32 value) = 0;
    virtual void writeString(const QString &key, const QString &name, const QString &value) = 0;

    bool readBool(const QString &key, const QString &name) const {
        return readInteger(key, name) != 0;
    }
    void writeBool(const QString &key, const QString &name, bool value) {
        writeInteger(key, name, value ? 1 : 0);
    }
};

// The real store on QSettings. `iniFile` empty: the native registry on Windows, the
// user's configuration folder elsewhere.
std::unique_ptr<Registry> makeSettingsRegistry(const QString &iniFile = {});

// Where the settings live unless VOKAB_REGISTRY names another file.
QString defaultRegistryFile();
