#include "statistics/Unit23.h"

#include "app/forms.h"
#include "platform/platform.h"

TForm23::TForm23(Forms &forms, Platform &platform)
    : VokabForm(forms, platform, QStringLiteral("Form23")) {
    setWindowTitle(QStringLiteral("Statistiky"));
}

void TForm23::zapisdostatistik(const QString &, int, int, const QString &, const QString &) {}
void TForm23::naplnslovniky() {}
void TForm23::setBarvaGrafu(const QColor &) {}
