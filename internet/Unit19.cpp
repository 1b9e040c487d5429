#include "internet/Unit19.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm19::TForm19(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form19")) {
    setWindowTitle(QStringLiteral("Zpráva autorovi programu:"));
}
