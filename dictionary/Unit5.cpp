#include "dictionary/Unit5.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm5::TForm5(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form5")) {
    setWindowTitle(QStringLiteral("Práce se zvukem"));
}

void TForm5::zobraz() {
    show();
}
