#include "dictionary/Unit3.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm3::TForm3(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form3")) {
    setWindowTitle(QStringLiteral("Upravit výraz"));
}
