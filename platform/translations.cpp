#include "platform/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace qttranslations {

QStringList folders(const QString &programDir) {
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
            QDir(programDir).filePath(QStringLiteral("translations"))};
}

bool install(QCoreApplication &application, const QStringList &folders) {
    for (const QString &folder : folders) {
        auto base = std::make_unique<QTranslator>(&application);
        if (!base->load(QStringLiteral("qtbase_cs"), folder))
            continue;
        QCoreApplication::installTranslator(base.release());
        auto multimedia = std::make_unique<QTranslator>(&application);
        if (multimedia->load(QStringLiteral("qtmultimedia_cs"), folder))
            QCoreApplication::installTranslator(multimedia.release());
        return true;
    }
    return false;
}

} // namespace qttranslations
