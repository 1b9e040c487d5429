#include "internet/versioncheck.h"

#include "internet/Unit20.h"
#include "internet/aktulizovaniznetu.h"
#include "internet/verze.h"
#include "platform/platform.h"
#include "ui/forms.h"
#include "ui/mainwindow.h"

namespace versioncheck {

void start(MainWindow &main, Forms &forms, Platform &platform) {
    try {
        if (const auto made = platform.folder.prepareFolder(platform.folder.workDir()); !made) {
            platform.dialogs->error(made.error());
            return;
        }
        std::unique_ptr<Download> &download = main.versionDownload();
        download = platform.network->createDownload();
        // The download belongs to the main window, so it never outlives the handlers.
        QObject::connect(download.get(), &Download::done, download.get(),
                         [&main](const QString &fileName, qint64 size) {
                             main.HTTPGet1DoneFile(fileName, size);
                         });
        QObject::connect(download.get(), &Download::failed, download.get(),
                         [&main](const QString &error) { main.HTTPGet1Error(error); });
        download->start(versionfile::versionFileUrl(),
                        platform.folder.workDir() + QStringLiteral("N-VERZE.TXT"),
                        versionfile::kMaxFileSize);
        forms.Form20->showWaiting();
        forms.Form20->show();
    } catch (const std::exception &) {
        platform.dialogs->info(QStringLiteral("Došlo ke kritické chybě!"));
    }
}

void received(Forms &forms, const QString &fileName) {
    forms.Form20->close();
    forms.Form18->show();
    forms.Form18->readVersion(fileName);
}

void failed(MainWindow &main, Forms &forms, Platform &platform, const QString &error) {
    forms.Form20->close();
    // The download says why, in Czech.
    platform.dialogs->info(QStringLiteral("Aktualizace se nepovedla.") +
                           (error.isEmpty() ? QString() : u'\n' + error));
    main.showMainWindow();
}

} // namespace versioncheck
