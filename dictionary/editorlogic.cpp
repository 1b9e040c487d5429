#include "dictionary/editorlogic.h"

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

QString soundFolder(const QString &dictionaryFolder, const QString &base) {
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
        if (!folder.mkdir(upper) && !QFileInfo(folder.filePath(upper)).isDir())
            return {};
        found = upper;
    }
    return QDir::cleanPath(folder.absoluteFilePath(found));
}

SoundMoveResult moveSounds(Tpole &dictionary, const QString &dictionaryPath) {
    SoundMoveResult result;
    const QString path = QDir::fromNativeSeparators(dictionaryPath);
    QString folder;
    QHash<QString, QString> movedTo; // original path -> moved file
    for (Tslovniky &record : dictionary) {
        if (record.zvuk == slovnik::kNoSound)
            continue;
        if (folder.isEmpty()) {
            folder = soundFolder(slovnik::folderPart(path),
                                 soundFolderBase(slovnik::fileNamePart(path)));
            if (folder.isEmpty()) {
                result.failed.append(record.zvuk);
                continue;
            }
        }
        const QString source = QDir::fromNativeSeparators(record.zvuk);
        const QString target = folder + u'/' + slovnik::fileNamePart(source);
        const QFileInfo sourceInfo(source);
        if (sourceInfo.exists() && sourceInfo == QFileInfo(target)) {
            record.zvuk = QDir::toNativeSeparators(target);
            continue;
        }
        if (!sourceInfo.isFile()) {
            const auto earlier = movedTo.constFind(QDir::cleanPath(sourceInfo.absoluteFilePath()));
            if (earlier != movedTo.constEnd())
                record.zvuk = QDir::toNativeSeparators(*earlier);
            else
                result.failed.append(record.zvuk);
            continue;
        }
        // A file of the same name in the folder gives way only once the move succeeded.
        const QString previous = target + QStringLiteral(".predchozi");
        const bool hadTarget = QFileInfo::exists(target);
        if (hadTarget) {
            QFile::remove(previous);
            if (!QFile::rename(target, previous)) {
                result.failed.append(record.zvuk);
                continue;
            }
        }
        if (!QFile::rename(source, target)) {
            if (hadTarget)
                QFile::rename(previous, target);
            result.failed.append(record.zvuk);
            continue;
        }
        if (hadTarget)
            QFile::remove(previous);
        movedTo.insert(QDir::cleanPath(sourceInfo.absoluteFilePath()), target);
        record.zvuk = QDir::toNativeSeparators(target);
        ++result.moved;
    }
    return result;
}

} // namespace editor
