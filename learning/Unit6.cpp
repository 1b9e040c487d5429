#include "learning/Unit6.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm6::TForm6(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form6")) {
    setWindowTitle(QStringLiteral("Výuka výrazů"));
}
