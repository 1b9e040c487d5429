// The main window's part of the statistics: writing the table at exit.
#include "app/Unit1.h"

#include "app/forms.h"
#include "core/textfile.h"
#include "platform/platform.h"
#include "statistics/Unit23.h"

void TForm1::ulozenistatistik() {
    const TForm23 *statistics = forms.Form23;
    if (!statistics)
        return;
    const QStringList lines = statistics->tabulka().fileLines();
    if (lines.isEmpty())
        return; // no rows: the file is neither created nor touched
    if (statistics->nacteniSelhalo()) {
        platform.dialogs->error(
            QStringLiteral("Statistiky nebyly uloženy: soubor %1 se při spuštění nepodařilo "
                           "načíst a jeho přepsáním by se ztratily jeho řádky.")
                .arg(statistiky::kFileName));
        return;
    }
    const textfile::SaveResult saved =
        textfile::saveLines(platform.folder.file(statistiky::kFileName), lines);
    if (!saved)
        platform.dialogs->error(saved.error);
}
