#include "statistics/Unit23.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm23::TForm23(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form23")) {
    setWindowTitle(QStringLiteral("Statistiky"));
}
