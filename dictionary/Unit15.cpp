#include "dictionary/Unit15.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm15::TForm15(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form15")) {
    setWindowTitle(QStringLiteral("Převaděč slovníků"));
}
