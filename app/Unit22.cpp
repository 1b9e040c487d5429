#include "app/Unit22.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm22::TForm22(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form22")) {
    setWindowTitle(QStringLiteral(""));
}
