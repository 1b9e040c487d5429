#include "internet/versioncheck.h"

#include "app/Unit1.h"
#include "internet/Unit20.h"
#include "internet/aktulizovaniznetu.h"
#include "internet/verze.h"
#include "platform/platform.h"
#include "ui/forms.h"

namespace versioncheck {

void start(TForm1 &main, Forms &forms, Platform &platform) {
    try {
        if (const auto made = platform.folder.prepareFolder(platform.folder.workDir()); !made) {
            platform.dialogs->error(made.error);
            return;
        }
        main.HTTPGet1 = platform.network->createDownload();
        QObject::connect(main.HTTPGet1.get(), &Download::done, &main, &TForm1::HTTPGet1DoneFile);
        QObject::connect(main.HTTPGet1.get(), &Download::failed, &main, &TForm1::HTTPGet1Error);
        main.HTTPGet1->start(verze::versionFileUrl(),
                             platform.folder.workDir() + QStringLiteral("N-VERZE.TXT"),
                             verze::kMaxFileSize);
        forms.Form20->cekani();
        forms.Form20->show();
    } catch (const std::exception &) {
        platform.dialogs->info(QStringLiteral("Došlo ke kritické chybě!"));
    }
}

void received(Forms &forms, const QString &fileName) {
    forms.Form20->close();
    forms.Form18->show();
    forms.Form18->nactiverzi(fileName);
}

void failed(TForm1 &main, Forms &forms, Platform &platform, const QString &error) {
    forms.Form20->close();
    // The download says why, in Czech.
    platform.dialogs->info(QStringLiteral("Aktualizace se nepovedla.") +
                           (error.isEmpty() ? QString() : u'\n' + error));
    main.show();
}

} // namespace versioncheck
