#include "platform/registry.h"

#include "platform/dialogs.h"
#include "platform/nativeregistry.h"

#include <QDir>
#include <QSettings>
#include <QVariant>

#include <optional>

namespace {

class SettingsRegistry final : public Registry {
public:
    explicit SettingsRegistry(const QString &iniFile) : m_iniFile(iniFile) {}
    // The native store keeps each value with its type; an INI file keeps text.
    bool native() const { return m_iniFile.isEmpty(); }

    bool keyExists(const QString &key) const override {
        return settings().childGroups().contains(key);
    }
    bool valueExists(const QString &key, const QString &name) const override {
        return settings().contains(key + u'/' + name);
    }
    void createKey(const QString &) override {
        // A key comes into being with its first value.
    }
    Result<qint32> readInteger(const QString &key, const QString &name) const override {
        const QVariant value = settings().value(key + u'/' + name);
        const std::optional<qint32> number =
            native() ? nativeregistry::integer(value) : nativeregistry::textInteger(value);
        if (!number)
            return Failure{
                QStringLiteral("Chybná hodnota „%1“ v registru (klíč „%2“).").arg(name, key)};
        return *number;
    }
    QString readString(const QString &key, const QString &name) const override {
        const QVariant value = settings().value(key + u'/' + name);
        return native() ? nativeregistry::string(value) : value.toString();
    }
    Result<void> writeInteger(const QString &key, const QString &name, qint32 value) override {
        settings().setValue(key + u'/' + name, value);
        return deferred() ? Result<void>() : flush();
    }
    Result<void> writeString(const QString &key, const QString &name,
                             const QString &value) override {
        settings().setValue(key + u'/' + name, value);
        return deferred() ? Result<void>() : flush();
    }

private:
    // The store is opened once, at its first use, and kept.
    QSettings &settings() const {
        if (!m_settings)
            m_settings = native() ? nativeregistry::open()
                                  : std::make_unique<QSettings>(m_iniFile, QSettings::IniFormat);
        return *m_settings;
    }
    Result<void> flush() override {
        QSettings &s = settings();
        s.sync();
        if (s.status() == QSettings::NoError)
            return {};
        // A failed write is not retried by the next one: the store starts again from
        // what the file holds.
        m_settings.reset();
        if (m_iniFile.isEmpty())
            return Failure{QStringLiteral("Nastavení nelze zapsat do registru.")};
        return Failure{QStringLiteral("Nastavení nelze zapsat do souboru „%1“.")
                           .arg(QDir::toNativeSeparators(m_iniFile))};
    }

    QString m_iniFile;
    mutable std::unique_ptr<QSettings> m_settings;
};

} // namespace

bool Registry::store(Dialogs &dialogs, const std::function<void()> &writes) {
    ++m_deferred;
    try {
        writes();
    } catch (...) {
        --m_deferred;
        throw;
    }
    const Result<void> flushed = --m_deferred == 0 ? flush() : Result<void>();
    if (flushed)
        return true;
    if (!m_failureReported) {
        m_failureReported = true;
        dialogs.error(flushed.error() +
                      QStringLiteral("\nProgram poběží dál s dosavadním nastavením, jeho "
                                     "změny se ale neuloží."));
    }
    return false;
}

bool Registry::writeDeferred(Dialogs &dialogs) {
    if (m_deferred > 0)
        --m_deferred;
    return store(dialogs, [] {});
}

qint32 SettingsReader::integer(const QString &name, qint32 fallback) {
    const Result<qint32> value = m_registry.readInteger(m_key, name);
    if (value)
        return *value;
    m_unreadable.append(name);
    return fallback;
}

void SettingsReader::report(Dialogs &dialogs) const {
    if (m_unreadable.isEmpty())
        return;
    const QString names =
        QStringLiteral("„") + m_unreadable.join(QStringLiteral("“, „")) + QStringLiteral("“");
    dialogs.error(m_unreadable.size() == 1
                      ? QStringLiteral("Chybná hodnota %1 v registru (klíč „%2“), platí pro ni "
                                       "výchozí nastavení.")
                            .arg(names, m_key)
                      : QStringLiteral("Chybné hodnoty %1 v registru (klíč „%2“), platí pro ně "
                                       "výchozí nastavení.")
                            .arg(names, m_key));
}

std::unique_ptr<Registry> makeSettingsRegistry(const QString &iniFile) {
    return std::make_unique<SettingsRegistry>(iniFile);
}

QString defaultRegistryFile(const ProgramFolder &folder) {
    const QByteArray fromEnvironment = qgetenv("VOKAB_REGISTRY");
    if (!fromEnvironment.isEmpty())
        return QString::fromLocal8Bit(fromEnvironment);
    return nativeregistry::settingsFile(folder);
}
