// The settings on Linux: an INI file in the user's configuration folder. Asked for the
// native store all the same, QSettings keeps its own file under the registry's name.
#include "platform/nativeregistry.h"

#include <QStandardPaths>

namespace nativeregistry {

QString settingsFile(const ProgramFolder &) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Vokab2/registry.ini");
}

std::optional<qint32> integer(const QVariant &value) {
    return textInteger(value);
}

QString string(const QVariant &value) {
    return value.toString();
}

} // namespace nativeregistry
