#include "ui/fonts.h"

#include "platform/programfolder.h"

#include <QFontDatabase>

void loadPhoneticFont(const ProgramFolder &folder) {
    QFontDatabase::addApplicationFont(folder.shipped(QStringLiteral("VokabFont.ttf")));
    QFontDatabase::addApplicationFont(folder.shipped(QStringLiteral("VokabFont-Bold.ttf")));
}
