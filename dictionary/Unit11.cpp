#include "dictionary/Unit11.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm11::TForm11(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form11")) {
    setWindowTitle(QStringLiteral("Tisk"));
}
