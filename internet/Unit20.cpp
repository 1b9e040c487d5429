#include "internet/Unit20.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm20::TForm20(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form20")) {
    setWindowTitle(QStringLiteral("Aktualizace"));
}
