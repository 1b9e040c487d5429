#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

class ProgramFolder;

// What the settings store does differently on each system (registrywin.cpp,
// registryunix.cpp); registry.cpp holds the rest.
namespace nativeregistry {

// The settings file when VOKAB_REGISTRY names none; empty for the native registry.
QString settingsFile(const ProgramFolder &folder);
// The native store: HKEY_CURRENT_USER\Software\Vokab2 on Windows.
inline std::unique_ptr<QSettings> open() {
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Vokab2"),
                                       QSettings::NativeFormat);
}
// A whole number as an INI file keeps one, as text; nothing for a value that is missing or
// is no number.
inline std::optional<qint32> textInteger(const QVariant &value) {
    bool ok = false;
    const qint32 number = value.toInt(&ok);
    if (!value.isValid() || !ok)
        return std::nullopt;
    return number;
}
// A whole number as the native store keeps one (REG_DWORD); nothing for a value that is
// missing or of another type.
std::optional<qint32> integer(const QVariant &value);
// A text as the native store keeps one (REG_SZ); a value of another type reads as empty.
QString string(const QVariant &value);

} // namespace nativeregistry
