// The main window's part of the statistics: writing the table at exit.
#include "app/Unit1.h"

#include "core/textfile.h"
#include "platform/platform.h"
#include "statistics/Unit23.h"
#include "ui/forms.h"

void TForm1::ulozenistatistik() {
    TForm23 *statistics = forms.Form23;
    if (!statistics)
        return;
    if (statistics->tabulka().fileLines().isEmpty())
        return; // no rows: the file is neither created nor touched
    if (statistics->nacteniSelhalo()) {
        platform.dialogs->error(
            QStringLiteral("Statistiky nebyly uloženy: soubor %1 se při spuštění nepodařilo "
                           "načíst a jeho přepsáním by se ztratily jeho řádky.")
                .arg(statistiky::kFileName));
        return;
    }
    // A save that failed (a full disk) can be tried again once the user has made room;
    // the run's results are given up only when the user says so.
    for (;;) {
        const textfile::SaveResult saved = statistics->saveRecordedRows();
        if (saved)
            return;
        const int choice = platform.dialogs->choose(
            MessageKind::Error,
            saved.error +
                QStringLiteral("\n\nVýsledky zkoušení z tohoto spuštění se bez uložení ztratí."),
            {QStringLiteral("Zkusit znovu"), QStringLiteral("Ukončit bez uložení")}, 1);
        if (choice != 0)
            return;
    }
}
