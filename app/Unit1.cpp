#include "app/Unit1.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm1::TForm1(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form1")) {
    setWindowTitle(QStringLiteral("Vokab 2.20"));
}
