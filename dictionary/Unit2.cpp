#include "dictionary/Unit2.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm2::TForm2(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form2")) {
    setWindowTitle(QStringLiteral("Editor výrazů - novyslovnik.slv"));
}
