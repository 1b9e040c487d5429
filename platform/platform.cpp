#include "platform/platform.h"

std::unique_ptr<BackupStore> makeBackupStore(const ProgramFolder &folder, const Clock &clock,
                                             Dialogs &dialogs) {
    auto store = std::make_unique<BackupStore>(folder.userFile(BackupStore::folderName()),
                                               [&clock] { return clock.now(); });
    store->setFailureNotice([&dialogs](const QString &message) { dialogs.warning(message); });
    return store;
}

std::unique_ptr<Platform> makeDesktopPlatform(const ProgramFolder &folder,
                                              const QString &registryFile) {
    auto platform = std::make_unique<Platform>(folder);
    platform->registry = makeSettingsRegistry(registryFile);
    platform->dialogs = makeQtDialogs(folder.dictionaries());
    platform->clock = makeSystemClock();
    platform->random = makeRandomSource(static_cast<quint64>(QDateTime::currentMSecsSinceEpoch()));
    platform->player = makeSoundPlayer();
    platform->recorder = makeSoundRecorder();
    platform->speech = makeSpeechSynthesizer();
    platform->printing = makePrinting();
    platform->network = makeNetwork();
    platform->mail = makeMail();
    platform->shell = makeShell();
    platform->help = makeHelp();
    platform->backups = makeBackupStore(folder, *platform->clock, *platform->dialogs);
    return platform;
}
