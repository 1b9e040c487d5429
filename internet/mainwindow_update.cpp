// The main window's part of the update: fetching and reading the version file.
#include "app/Unit1.h"

#include "internet/Unit20.h"
#include "internet/aktulizovaniznetu.h"
#include "internet/verze.h"
#include "platform/platform.h"
#include "ui/forms.h"

#include <QDir>

void TForm1::Aktualizace1Click() {
    if (!aktivnianone()) {
        platform.dialogs->info(QStringLiteral(
            "Momentálně nejste připojeni k Internetu, aktualizace nemůže být provedena"));
        return;
    }
    try {
        if (const auto made = platform.folder.prepareFolder(platform.folder.workDir()); !made) {
            platform.dialogs->error(made.error);
            return;
        }
        HTTPGet1 = platform.network->createDownload();
        connect(HTTPGet1.get(), &Download::done, this,
                [this](const QString &fileName, qint64 size) { HTTPGet1DoneFile(fileName, size); });
        connect(HTTPGet1.get(), &Download::failed, this,
                [this](const QString &error) { HTTPGet1Error(error); });
        HTTPGet1->start(verze::versionFileUrl(),
                        platform.folder.workDir() + QStringLiteral("N-VERZE.TXT"),
                        verze::kMaxFileSize);
        forms.Form20->cekani();
        forms.Form20->show();
    } catch (const std::exception &) {
        platform.dialogs->info(QStringLiteral("Došlo ke kritické chybě!"));
    }
}

bool TForm1::aktivnianone() const {
    return platform.network->connected();
}

void TForm1::HTTPGet1DoneFile(const QString &fileName, qint64) {
    forms.Form20->close();
    forms.Form18->show();
    forms.Form18->nactiverzi(fileName);
}

void TForm1::HTTPGet1Error(const QString &error) {
    forms.Form20->close();
    // The download says why, in Czech.
    platform.dialogs->info(QStringLiteral("Aktualizace se nepovedla.") +
                           (error.isEmpty() ? QString() : u'\n' + error));
    show();
}
