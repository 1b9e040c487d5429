#include "dictionary/Unit17.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm17::TForm17(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form17")) {
    setWindowTitle(QStringLiteral("Vysvětlivky"));
}
