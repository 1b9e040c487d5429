#include "app/fonts.h"

#include "platform/programfolder.h"

#include <QFontDatabase>

void loadPhoneticFont(const ProgramFolder &folder) {
    QFontDatabase::addApplicationFont(folder.file(QStringLiteral("VokabFont.ttf")));
    QFontDatabase::addApplicationFont(folder.file(QStringLiteral("VokabFont-Bold.ttf")));
}
