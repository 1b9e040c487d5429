#pragma once

#include <QByteArray>
#include <QString>

#include "core/result.h"

#include <memory>

// Playing WAV files by name, without waiting; a new sound cuts off the one playing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString &wavFile) = 0;
    // The same for a WAV file in memory (speech); `name` names it in a message.
    virtual void playBytes(const QByteArray &wavBytes, const QString &name) = 0;
    virtual void stop() = 0;
    // Why the last play() gave no sound, as a Czech message; empty when it plays.
    virtual QString lastError() const { return {}; }
    // True while a sound is being played.
    virtual bool isPlaying() const { return false; }
};

// Recording from the default input device into a PCM WAV file.
class SoundRecorder {
public:
    virtual ~SoundRecorder() = default;
    // Starts recording into the file; fails with a Czech message when the device or the
    // file cannot be used.
    virtual Result<void> start(const QString &wavFile) = 0;
    // Stops; with `save` the file is completed and closed, otherwise it is dropped.
    virtual Result<void> stop(bool save) = 0;
    virtual bool isRecording() const = 0;
};

std::unique_ptr<SoundPlayer> makeSoundPlayer();
std::unique_ptr<SoundRecorder> makeSoundRecorder();
