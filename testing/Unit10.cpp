#include "testing/Unit10.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm10::TForm10(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form10")) {
    setWindowTitle(QStringLiteral("Nastavení zkoušeče"));
}
