#include "testing/Unit4.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm4::TForm4(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form4")) {
    setWindowTitle(QStringLiteral("Zkoušení výrazů I"));
}
