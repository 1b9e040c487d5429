#include "translator/Unit24.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm24::TForm24(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form24")) {
    setWindowTitle(QStringLiteral("Překladač výrazů (CZ -> ANJ)"));
}
