// The main window's part of the update: checking the version file.
#include "app/Unit1.h"

#include "app/forms.h"
#include "platform/platform.h"

void TForm1::Aktualizace1Click() {}

bool TForm1::aktivnianone() const {
    return platform.network->connected();
}

void TForm1::HTTPGet1DoneFile(const QString &, qint64) {}

void TForm1::HTTPGet1Error(const QString &) {}
