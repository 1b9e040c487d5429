#include "tips/tipy.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm16::TForm16(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form16")) {
    setWindowTitle(QStringLiteral("Tip dne programu Vokab"));
}
