#pragma once

#include "app/startup.h"
#include "platform/platform.h"
#include "support/recordingspeech.h"
#include "support/scripteddialogs.h"

#include <QDateTime>
#include <QFont>
#include <QList>
#include <QMap>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

class QWidget;

// A registry in memory that remembers the type and the order of the values written.
class MemoryRegistry final : public Registry {
public:
    struct Value {
        QString name;
        QVariant value; // int for integers, QString for strings
    };

    bool keyExists(const QString &key) const override { return m_keys.contains(key); }
    bool valueExists(const QString &key, const QString &name) const override;
    void createKey(const QString &key) override;
    Result<qint32> readInteger(const QString &key, const QString &name) const override;
    QString readString(const QString &key, const QString &name) const override;
    Result<void> writeInteger(const QString &key, const QString &name, qint32 value) override;
    Result<void> writeString(const QString &key, const QString &name,
                             const QString &value) override;

    // The values of a key in the order they were first written.
    QList<Value> values(const QString &key) const { return m_keys.value(key); }
    // Every write, in order, as "key/name".
    QStringList writes;
    void removeValue(const QString &key, const QString &name);

private:
    const Value *find(const QString &key, const QString &name) const;
    void write(const QString &key, const QString &name, const QVariant &value);
    QMap<QString, QList<Value>> m_keys;
};

class FixedClock final : public Clock {
public:
    QDateTime now() const override { return time; }
    QDateTime time = QDateTime(QDate(2026, 12, 8), QTime(10, 15, 30));
};

class RecordingPlayer final : public SoundPlayer {
public:
    void play(const QString &wavFile) override { played.append(wavFile); }
    void playBytes(const QByteArray &wavBytes, const QString &) override {
        playedBytes.append(wavBytes);
    }
    void stop() override { ++stops; }
    QStringList played;
    QList<QByteArray> playedBytes; // WAV files played from memory (speech)
    int stops = 0;
};

// A recorder without a device: start() prepares the file as the real one does (or
// fails with `failure` when it is set), stop(true) writes `seconds` of silence as an
// 8-bit mono PCM WAV file at 11,025 samples per second.
class ScriptedRecorder final : public SoundRecorder {
public:
    Result<void> start(const QString &wavFile) override;
    Result<void> stop(bool save) override;
    bool isRecording() const override { return m_recording; }
    QString failure;
    double seconds = 2.0;
    QStringList started; // paths, in order
    int saved = 0;
    int dropped = 0;

private:
    bool m_recording = false;
    QString m_path;
};

class RecordingPrinting final : public Printing {
public:
    Result<bool> printLines(const QList<PrintLine> &lines, const QFont &font,
                            const QFont &phonetic) override;
    bool cancel = false;
    // Each job's lines as printed, and the pieces of them drawn in the phonetic font.
    QList<QStringList> jobs;
    QList<QStringList> phoneticPieces;
    QList<QFont> fonts;
    QList<QFont> phoneticFonts;
};

class RecordingMail final : public Mail {
public:
    struct Sent {
        QString recipient, subject, attachment, attachmentText;
    };
    bool send(const QString &recipient, const QString &subject, const QString &attachment) override;
    QString adviceOnFailure() const override { return QStringLiteral("Zkontrolujte poštu."); }
    bool result = true;
    QList<Sent> sent;
};

class RecordingShell final : public Shell {
public:
    bool openUrl(const QUrl &url) override {
        urls.append(url);
        return opens;
    }
    bool opens = true; // what openUrl() answers
    QList<QUrl> urls;
};

class RecordingHelp final : public Help {
public:
    Result<void> show(const QString &helpFile, const QString &topic) override;
    QStringList shown; // "file#topic"
};

// The platform of the tests: a temporary program folder (with Temp, WorkDir and
// Aktualizace), an in-memory registry, scripted dialogs, a fixed clock, a seeded
// random generator and recording doubles for sound, speech, printing, mail, shell and help.
// A temporary program folder with its working folders; a base of TestPlatform so
// that it exists before the platform is given its path.
// A fresh program folder, removed with the platform; VOKAB_TEST_PROGRAM_DIR names a
// folder to use instead (kept), so that a child process can work in a known place.
struct TemporaryProgramFolder {
    TemporaryProgramFolder();
    QTemporaryDir directory;
    QString programDir;
};

class TestPlatform : private TemporaryProgramFolder, public Platform {
public:
    explicit TestPlatform(quint64 seed = 1);

    // Copies a shipped data file (from the source tree's data/ folder) into the
    // temporary program folder.
    void installDataFile(const QString &name);
    // Writes bytes to a file relative to the program folder, creating folders.
    QString writeFile(const QString &relativePath, const QByteArray &bytes);

    ScriptedDialogs &scripted() { return *m_dialogs; }
    MemoryRegistry &memory() { return *m_registry; }
    FixedClock &fixedClock() { return *m_clock; }
    RecordingPlayer &sound() { return *m_player; }
    ScriptedRecorder &microphone() { return *m_recorder; }
    RecordingSpeech &voice() { return *m_speech; }
    RecordingPrinting &printer() { return *m_printing; }
    RecordingMail &mailer() { return *m_mail; }
    RecordingShell &desktop() { return *m_shell; }
    RecordingHelp &helpViewer() { return *m_help; }

    static QString sourceDir();

public:
    ScriptedDialogs *m_dialogs = nullptr;
    MemoryRegistry *m_registry = nullptr;
    FixedClock *m_clock = nullptr;
    RecordingPlayer *m_player = nullptr;
    ScriptedRecorder *m_recorder = nullptr;
    RecordingSpeech *m_speech = nullptr;
    RecordingPrinting *m_printing = nullptr;
    RecordingMail *m_mail = nullptr;
    RecordingShell *m_shell = nullptr;
    RecordingHelp *m_help = nullptr;
};

// Every window of the program, built on a test platform.
class TestWindows {
public:
    explicit TestWindows(quint64 seed = 1);
    // Lets a test prepare the platform (registry values, data files) before the
    // windows are created.
    explicit TestWindows(std::unique_ptr<TestPlatform> platform);

    TestPlatform &platform() { return *m_platform; }
    Forms &forms() { return m_windows->forms(); }
    ScriptedDialogs &dialogs() { return m_platform->scripted(); }

private:
    std::unique_ptr<TestPlatform> m_platform;
    std::unique_ptr<Windows> m_windows;
};

// Types text into a widget one character at a time, as key events carrying the
// character (so that Czech letters arrive as a keyboard would send them).
void typeText(QWidget *widget, const QString &text);

// The desktop's font at `pointSize` points while a test runs (0 keeps the system's), as a
// user may have set it; the system's font comes back when it goes.
class DesktopFont {
public:
    explicit DesktopFont(int pointSize);
    ~DesktopFont();
    DesktopFont(const DesktopFont &) = delete;
    DesktopFont &operator=(const DesktopFont &) = delete;

private:
    QFont m_system;
};
