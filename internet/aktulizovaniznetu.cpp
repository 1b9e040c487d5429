#include "internet/aktulizovaniznetu.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm18::TForm18(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form18")) {
    setWindowTitle(QStringLiteral("Aktualizace z Internetu"));
}
