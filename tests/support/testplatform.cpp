#include "support/testplatform.h"

#include "core/textfile.h"
#include "core/wav.h"
#include "support/testfiles.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

bool MemoryRegistry::valueExists(const QString &key, const QString &name) const {
    return find(key, name) != nullptr;
}

void MemoryRegistry::createKey(const QString &key) {
    if (!m_keys.contains(key))
        m_keys.insert(key, {});
}

const MemoryRegistry::Value *MemoryRegistry::find(const QString &key, const QString &name) const {
    const auto it = m_keys.constFind(key);
    if (it == m_keys.constEnd())
        return nullptr;
    for (const Value &v : *it) {
        if (v.name == name)
            return &v;
    }
    return nullptr;
}

Result<qint32> MemoryRegistry::readInteger(const QString &key, const QString &name) const {
    const Value *v = find(key, name);
    if (!v || v->value.typeId() != QMetaType::Int)
        return Failure{
            QStringLiteral("Chybná hodnota „%1“ v registru (klíč „%2“).").arg(name, key)};
    return v->value.toInt();
}

QString MemoryRegistry::readString(const QString &key, const QString &name) const {
    const Value *v = find(key, name);
    return v ? v->value.toString() : QString();
}

void MemoryRegistry::write(const QString &key, const QString &name, const QVariant &value) {
    writes.append(key + u'/' + name);
    QList<Value> &values = m_keys[key];
    for (Value &v : values) {
        if (v.name == name) {
            v.value = value;
            return;
        }
    }
    values.append({name, value});
}

Result<void> MemoryRegistry::writeInteger(const QString &key, const QString &name, qint32 value) {
    write(key, name, QVariant(value));
    return {};
}

Result<void> MemoryRegistry::writeString(const QString &key, const QString &name,
                                         const QString &value) {
    write(key, name, QVariant(value));
    return {};
}

void MemoryRegistry::removeValue(const QString &key, const QString &name) {
    QList<Value> &values = m_keys[key];
    values.removeIf([&](const Value &v) { return v.name == name; });
}

Result<void> ScriptedRecorder::start(const QString &wavFile) {
    if (!failure.isEmpty())
        return Failure{failure};
    const Result<void> prepared = textfile::saveFile(wavFile, wav::pcmFile({}, 11025, 1, 8));
    if (!prepared)
        return prepared;
    started.append(wavFile);
    m_path = wavFile;
    m_recording = true;
    return {};
}

Result<void> ScriptedRecorder::stop(bool save) {
    if (!m_recording)
        return {};
    m_recording = false;
    if (!save) {
        ++dropped;
        return {};
    }
    const QByteArray silence(qsizetype(seconds * 11025), char(0x80));
    const Result<void> written = textfile::saveFile(m_path, wav::pcmFile(silence, 11025, 1, 8));
    ++saved;
    if (!written)
        return written;
    return {};
}

Result<bool> RecordingPrinting::printLines(const QList<PrintLine> &lines, const QFont &font,
                                           const QFont &phonetic) {
    if (cancel)
        return false;
    QStringList texts;
    QStringList phoneticTexts;
    for (const PrintLine &line : lines) {
        QString text;
        for (const PrintPiece &piece : line) {
            text += piece.text;
            if (piece.phonetic)
                phoneticTexts.append(piece.text);
        }
        texts.append(text);
    }
    jobs.append(texts);
    phoneticPieces.append(phoneticTexts);
    fonts.append(font);
    phoneticFonts.append(phonetic);
    return true;
}

bool RecordingMail::send(const QString &recipient, const QString &subject,
                         const QString &attachment) {
    QFile file(attachment);
    QString text;
    if (file.open(QIODevice::ReadOnly))
        text = QString::fromLatin1(file.readAll());
    sent.append({recipient, subject, attachment, text});
    return result;
}

Result<void> RecordingHelp::show(const QString &helpFile, const QString &topic) {
    if (!QFileInfo::exists(helpFile))
        return Failure{QStringLiteral("Soubor nápovědy nebyl nalezen.")};
    shown.append(helpFile + u'#' + topic);
    return {};
}

TemporaryProgramFolder::TemporaryProgramFolder()
    : programDir(qEnvironmentVariableIsSet("VOKAB_TEST_PROGRAM_DIR")
                     ? qEnvironmentVariable("VOKAB_TEST_PROGRAM_DIR")
                     : directory.path()) {
    const QDir dir(programDir);
    dir.mkpath(QStringLiteral("Temp"));
    dir.mkpath(QStringLiteral("WorkDir"));
    dir.mkpath(QStringLiteral("Aktualizace"));
    // A program folder holds its tips file, as an installation does; without it the tip
    // window would report a damaged installation whenever the windows are created.
    QFile tips(dir.filePath(QStringLiteral("Tips.vkb")));
    if (!tips.exists() && tips.open(QIODevice::WriteOnly))
        tips.write("1;Tip;Text\r\n");
    // And its translator word list; without it the translator reports it missing at start-up.
    QFile words(dir.filePath(QStringLiteral("prekladac.dat")));
    if (!words.exists() && words.open(QIODevice::WriteOnly))
        words.write("CAT;KO\xc8KA\r\n\r\nZa\xe8\xe1tek \xe8"
                    "esk\xfd v\xfdraz\xf9\r\nKO\xc8KA;CAT\r\n");
}

TestPlatform::TestPlatform(quint64 seed) : Platform(ProgramFolder(programDir)) {
    auto dialogs = std::make_unique<ScriptedDialogs>();
    m_dialogs = dialogs.get();
    this->dialogs = std::move(dialogs);
    auto memoryRegistry = std::make_unique<MemoryRegistry>();
    m_registry = memoryRegistry.get();
    registry = std::move(memoryRegistry);
    auto fixed = std::make_unique<FixedClock>();
    m_clock = fixed.get();
    clock = std::move(fixed);
    random = makeRandomSource(seed);
    auto recordingPlayer = std::make_unique<RecordingPlayer>();
    m_player = recordingPlayer.get();
    player = std::move(recordingPlayer);
    auto scriptedRecorder = std::make_unique<ScriptedRecorder>();
    m_recorder = scriptedRecorder.get();
    recorder = std::move(scriptedRecorder);
    auto recordingSpeech = std::make_unique<RecordingSpeech>();
    m_speech = recordingSpeech.get();
    speech = std::move(recordingSpeech);
    auto recordingPrinting = std::make_unique<RecordingPrinting>();
    m_printing = recordingPrinting.get();
    printing = std::move(recordingPrinting);
    network = makeNetwork();
    auto recordingMail = std::make_unique<RecordingMail>();
    m_mail = recordingMail.get();
    mail = std::move(recordingMail);
    auto recordingShell = std::make_unique<RecordingShell>();
    m_shell = recordingShell.get();
    shell = std::move(recordingShell);
    auto recordingHelp = std::make_unique<RecordingHelp>();
    m_help = recordingHelp.get();
    help = std::move(recordingHelp);
    backups = makeBackupStore(folder, *clock, *this->dialogs);
}

QString TestPlatform::sourceDir() {
    return ::sourceDir();
}

void TestPlatform::installDataFile(const QString &name) {
    const QString target = folder.shipped(name);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::remove(target);
    QFile::copy(sourceDir() + QStringLiteral("/data/") + name, target);
}

QString TestPlatform::writeFile(const QString &relativePath, const QByteArray &bytes) {
    const QString target = folder.userFile(relativePath);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile file(target);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
    return target;
}

TestWindows::TestWindows(quint64 seed) : TestWindows(std::make_unique<TestPlatform>(seed)) {}

TestWindows::TestWindows(std::unique_ptr<TestPlatform> platform)
    : m_platform(std::move(platform)), m_windows(std::make_unique<Windows>(*m_platform)) {}

void typeText(QWidget *widget, const QString &text) {
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), {});
}

DesktopFont::DesktopFont(int pointSize) : m_system(QApplication::font()) {
    if (pointSize <= 0)
        return;
    QFont larger = m_system;
    larger.setPointSize(pointSize);
    QApplication::setFont(larger);
}

DesktopFont::~DesktopFont() {
    QApplication::setFont(m_system);
}
