#include "testing/Unit12.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm12::TForm12(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form12")) {
    setWindowTitle(QStringLiteral("Zkoušení výrazů II"));
}
