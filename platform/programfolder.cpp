#include "platform/programfolder.h"

#include <QDir>

ProgramFolder::ProgramFolder(const QString &dir) : m_path(QDir::cleanPath(dir)) {
    if (!m_path.endsWith(u'/'))
        m_path += u'/';
}

QString ProgramFolder::locate(const QStringList &arguments, const QString &executableDir) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QStringLiteral("--program-dir") && i + 1 < arguments.size())
            return QDir(arguments[i + 1]).absolutePath();
        if (argument.startsWith(QStringLiteral("--program-dir=")))
            return QDir(argument.mid(14)).absolutePath();
    }
    const QByteArray fromEnvironment = qgetenv("VOKAB_PROGRAM_DIR");
    if (!fromEnvironment.isEmpty())
        return QDir(QString::fromLocal8Bit(fromEnvironment)).absolutePath();
    return executableDir;
}
