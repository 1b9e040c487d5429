#include "learning/Unit7.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm7::TForm7(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form7")) {
    setWindowTitle(QStringLiteral("Nastavení výuky výrazů"));
}
