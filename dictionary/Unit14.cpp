#include "dictionary/Unit14.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm14::TForm14(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form14")) {
    setWindowTitle(QStringLiteral("Slučovač slovníků"));
}
