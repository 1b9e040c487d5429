// The settings on Linux: an INI file in the user's configuration folder. Asked for the
// native store all the same, QSettings keeps its own file under the registry's name.
#include "platform/nativeregistry.h"

#include <QStandardPaths>

namespace nativeregistry {

QString settingsFile(const ProgramFolder &) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vokab2/registry.ini");
}

std::unique_ptr<QSettings> open() {
    return std::make_unique<QSettings>(QStringLiteral("HKEY_CURRENT_USER\\Software\\Vokab2"),
                                       QSettings::NativeFormat);
}

std::optional<qint32> integer(const QVariant &value) {
    bool ok = false;
    const qint32 number = value.toInt(&ok);
    if (!value.isValid() || !ok)
        return std::nullopt;
    return number;
}

QString string(const QVariant &value) {
    return value.toString();
}

} // namespace nativeregistry
