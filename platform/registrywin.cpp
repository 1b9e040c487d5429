// The settings on Windows: the current user's registry, each value with the type the
// program has always written (REG_DWORD for numbers and switches, REG_SZ for texts); a
// portable copy keeps them in registry.ini beside the program instead.
#include "platform/nativeregistry.h"
#include "platform/programfolder.h"

namespace nativeregistry {

QString settingsFile(const ProgramFolder &folder) {
    if (ProgramFolder::isPortable(folder.path()))
        return folder.userFile(QStringLiteral("registry.ini"));
    return {};
}

std::optional<qint32> integer(const QVariant &value) {
    // QSettings reads a REG_DWORD as an int; REG_SZ, REG_QWORD or REG_BINARY come as
    // other types and are not taken for a number.
    if (value.typeId() != QMetaType::Int)
        return std::nullopt;
    return value.toInt();
}

QString string(const QVariant &value) {
    if (value.typeId() != QMetaType::QString)
        return {};
    return value.toString();
}

} // namespace nativeregistry
