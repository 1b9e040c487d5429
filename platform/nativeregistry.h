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
std::unique_ptr<QSettings> open();
// A whole number as the native store keeps one (REG_DWORD); nothing for a value that is
// missing or of another type.
std::optional<qint32> integer(const QVariant &value);
// A text as the native store keeps one (REG_SZ); a value of another type reads as empty.
QString string(const QVariant &value);

} // namespace nativeregistry
