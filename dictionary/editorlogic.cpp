#include "dictionary/editorlogic.h"
#include "core/paths.h"

#include "core/wav.h"
#include "core/win1250.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace editor {

QString fieldText(const QString &typed, const FieldRules &rules) {
    QString text;
    text.reserve(typed.size());
    for (const QChar c : typed) {
        if (c == u';' && !rules.keepSemicolon) {
            if (rules.semicolonToPlus)
                text.append(u'+');
            continue;
        }
        text.append(c);
    }
    return rules.upperCase ? win1250::toUpper(text) : text;
}

QString soundFolderBase(const QString &dictionaryFileName) {
    const qsizetype dot = dictionaryFileName.indexOf(u'.');
    return dot < 0 ? dictionaryFileName : dictionaryFileName.left(dot);
}

namespace {

QString findSoundFolder(const QString &dictionaryFolder, const QString &base, bool create) {
    QDir folder(dictionaryFolder.isEmpty() ? QStringLiteral(".") : dictionaryFolder);
    const QString upper = base.toUpper();
    const QStringList entries = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    QString found;
    for (const QString &preferred : {base, upper}) {
        if (entries.contains(preferred)) {
            found = preferred;
            break;
        }
    }
    if (found.isEmpty()) {
        for (const QString &entry : entries) {
            if (entry.compare(base, Qt::CaseInsensitive) == 0) {
                found = entry;
                break;
            }
        }
    }
    if (found.isEmpty()) {
        if (!create)
            return {};
        if (!folder.mkdir(upper) && !QFileInfo(folder.filePath(upper)).isDir())
            return {};
        found = upper;
    }
    return QDir::cleanPath(folder.absoluteFilePath(found));
}

} // namespace

QString soundFolder(const QString &dictionaryFolder, const QString &base) {
    return findSoundFolder(dictionaryFolder, base, true);
}

QString existingSoundFolder(const QString &dictionaryFolder, const QString &base) {
    return findSoundFolder(dictionaryFolder, base, false);
}

bool livesIn(const QString &path, const QString &folder) {
    const QFileInfo file(QDir::fromNativeSeparators(path));
    if (file.isSymLink() || !file.isFile())
        return false;
    const QString real = file.canonicalFilePath();
    const QString root = QFileInfo(QDir::fromNativeSeparators(folder)).canonicalFilePath();
    if (real.isEmpty() || root.isEmpty())
        return false;
    return QFileInfo(real).absolutePath() == root;
}

bool occupied(const QString &path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString freePath(const QString &folder, const QString &fileName) {
    QString base = QDir::fromNativeSeparators(folder);
    if (!base.isEmpty() && !base.endsWith(u'/'))
        base.append(u'/');
    const QString first = base + fileName;
    if (!occupied(first))
        return first;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString stem = dot <= 0 ? fileName : fileName.left(dot);
    const QString extension = dot <= 0 ? QString() : fileName.mid(dot);
    for (int n = 2;; ++n) {
        const QString candidate = base + stem + u'_' + QString::number(n) + extension;
        if (!occupied(candidate))
            return candidate;
    }
}

QString newRecordingPath(const QString &tempFolder, const QString &expression) {
    return freePath(tempFolder, wav::recordingPath(QString(), expression));
}

namespace {

template <typename Records>
SoundMoveResult moveSoundsOf(Records &dictionary, const QString &dictionaryPath,
                             const QString &tempFolder) {
    SoundMoveResult result;
    const QString path = QDir::fromNativeSeparators(dictionaryPath);
    QString folder;
    QHash<QString, QString> movedTo; // a moved recording's old path -> its new one
    for (qsizetype i = 0; i < dictionary.size(); ++i) {
        Tslovniky &record = dictionary[i];
        if (record.zvuk == dictionaryfile::kNoSound)
            continue;
        const QString source = QDir::fromNativeSeparators(record.zvuk);
        const QString key = QDir::cleanPath(QFileInfo(source).absoluteFilePath());
        if (const auto earlier = movedTo.constFind(key); earlier != movedTo.constEnd()) {
            result.changed.append({i, record.zvuk});
            record.zvuk = QDir::toNativeSeparators(*earlier);
            continue;
        }
        // Only recordings waiting in Temp move; a sound anywhere else is the user's.
        if (!livesIn(source, tempFolder))
            continue;
        if (folder.isEmpty()) {
            folder =
                soundFolder(paths::folderPart(path), soundFolderBase(paths::fileNamePart(path)));
            if (folder.isEmpty()) {
                result.failed.append(record.zvuk);
                continue;
            }
        }
        // A dictionary whose sound folder is Temp itself keeps its sounds in place.
        if (livesIn(source, folder))
            continue;
        const QString target = freePath(folder, paths::fileNamePart(source));
        if (!QFile::rename(source, target)) {
            result.failed.append(record.zvuk);
            continue;
        }
        result.files.append({source, target});
        result.changed.append({i, record.zvuk});
        movedTo.insert(key, target);
        record.zvuk = QDir::toNativeSeparators(target);
    }
    return result;
}

template <typename Records>
QStringList undoSoundMovesOf(Records &dictionary, const SoundMoveResult &moved) {
    QStringList stuck;
    for (auto file = moved.files.crbegin(); file != moved.files.crend(); ++file) {
        if (!QFile::rename(file->to, file->from))
            stuck.append(file->to);
    }
    for (const SoundMoveResult::RecordChange &change : moved.changed) {
        if (change.record >= dictionary.size())
            continue;
        Tslovniky &record = dictionary[change.record];
        if (!stuck.contains(QDir::fromNativeSeparators(record.zvuk)))
            record.zvuk = change.zvuk;
    }
    return stuck;
}

} // namespace

SoundMoveResult moveSounds(Tpole &dictionary, const QString &dictionaryPath,
                           const QString &tempFolder) {
    return moveSoundsOf(dictionary, dictionaryPath, tempFolder);
}

SoundMoveResult moveSounds(RecordList &dictionary, const QString &dictionaryPath,
                           const QString &tempFolder) {
    return moveSoundsOf(dictionary, dictionaryPath, tempFolder);
}

QStringList undoSoundMoves(Tpole &dictionary, const SoundMoveResult &moved) {
    return undoSoundMovesOf(dictionary, moved);
}

QStringList undoSoundMoves(RecordList &dictionary, const SoundMoveResult &moved) {
    return undoSoundMovesOf(dictionary, moved);
}

} // namespace editor
