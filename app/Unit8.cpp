#include "app/Unit8.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm8::TForm8(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form8")) {
    setWindowTitle(QStringLiteral("Obecné nastavení"));
}
