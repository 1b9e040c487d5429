#include "testing/Unit13.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm13::TForm13(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form13")) {
    setWindowTitle(QStringLiteral("Nastavení zkoušeče"));
}
