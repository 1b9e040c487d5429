#pragma once

#include "core/backups.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/programfolder.h"
#include "platform/random.h"
#include "platform/registry.h"
#include "platform/services.h"
#include "platform/sound.h"
#include "platform/speech.h"

#include <memory>

// Everything the windows ask of the outside world, in one object handed to every
// window. The desktop program fills it with the real services; the tests with
// doubles (scripted dialogs, an in-memory registry, a temporary program folder).
struct Platform {
    explicit Platform(const ProgramFolder &programFolder) : folder(programFolder) {}

    ProgramFolder folder;
    std::unique_ptr<Registry> registry;
    std::unique_ptr<Dialogs> dialogs;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<SoundPlayer> player;
    std::unique_ptr<SoundRecorder> recorder;
    std::unique_ptr<SpeechSynthesizer> speech;
    std::unique_ptr<Printing> printing;
    std::unique_ptr<Network> network;
    std::unique_ptr<Mail> mail;
    std::unique_ptr<Shell> shell;
    std::unique_ptr<Help> help;
    // The earlier versions of what the user saved (`Zalohy/` in the user's data).
    std::unique_ptr<BackupStore> backups;
};

// The backups in the user's folder on the platform's clock; the first failure of a run
// is told through the dialogs.
std::unique_ptr<BackupStore> makeBackupStore(const ProgramFolder &folder, const Clock &clock,
                                             Dialogs &dialogs);

// The real services of the desktop.
std::unique_ptr<Platform> makeDesktopPlatform(const ProgramFolder &folder,
                                              const QString &registryFile);
