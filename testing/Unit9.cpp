#include "testing/Unit9.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm9::TForm9(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form9")) {
    setWindowTitle(QStringLiteral("Vyhodnocení"));
}
