#include "exchange/editorexchange.h"

#include "core/textfile.h"
#include "dictionary/dictionarydocument.h"
#include "exchange/importexport.h"
#include "exchange/kvtml.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace exchange {

std::optional<KvtmlRead> readKvtmlImport(const QString &path, Dialogs &dialogs) {
    Result<KvtmlRead> read = readKvtmlFile(path);
    if (!read) {
        dialogs.error(read.error());
        return std::nullopt;
    }
    if (read->dictionary.isEmpty()) {
        dialogs.warning(QStringLiteral("Ve slovníku „%1“ není žádný výraz s cizím i českým textem.")
                            .arg(QDir::toNativeSeparators(path)));
        return std::nullopt;
    }
    return std::move(read).value();
}

std::optional<Tpole> encodableRecords(const Tpole &records, Dialogs &dialogs) {
    const QList<Replacement> unencodable = unencodableCharacters(records);
    if (unencodable.isEmpty())
        return records;
    constexpr qsizetype kListed = 20;
    QStringList lines;
    for (const Replacement &r : unencodable.first(std::min(kListed, unencodable.size())))
        lines << QStringLiteral("%1 → %2 (%3×)").arg(r.character, r.replacement).arg(r.count);
    if (unencodable.size() > kListed)
        lines << QStringLiteral("… a dalších %1 znaků").arg(unencodable.size() - kListed);
    const int answer = dialogs.choose(
        MessageKind::Warning,
        QStringLiteral("Tyto znaky nelze uložit do slovníku (kódování Windows-1250):\n") +
            lines.join(u'\n') +
            QStringLiteral("\n\nNahradit je uvedenými znaky, nebo import zrušit?"),
        {QStringLiteral("Nahradit"), QStringLiteral("Zrušit")}, 1);
    if (answer != 0)
        return std::nullopt;
    return withReplacements(records);
}

void tellLeftOut(qsizetype skippedRows, const QStringList &droppedSounds, Dialogs &dialogs) {
    QStringList notes;
    if (skippedRows > 0)
        notes << QStringLiteral("Vynechané řádky bez cizího nebo českého výrazu: %1.")
                     .arg(skippedRows);
    if (!droppedSounds.isEmpty())
        notes << QStringLiteral("Tyto zvuky nejsou ve složce importovaného souboru, výrazy "
                                "zůstaly bez zvuku:\n") +
                     droppedSounds.join(u'\n');
    if (!notes.isEmpty())
        dialogs.info(notes.join(QStringLiteral("\n\n")));
}

void exportDocument(const DictionaryDocument &document, Dialogs &dialogs, FileDialogState &dialog) {
    if (document.isEmpty()) {
        dialogs.info(QStringLiteral("Nelze exportovat prázdný slovník."));
        return;
    }
    const QString baseName = QFileInfo(document.fileName()).completeBaseName();
    dialog.fileName = baseName + QStringLiteral(".csv");
    const std::optional<QString> chosen = dialogs.saveFile(dialog);
    if (!chosen)
        return;
    const std::optional<FileFormat> format = exportFormatOf(*chosen);
    if (!format) {
        dialogs.warning(QStringLiteral("Soubor „%1“ nemá příponu .csv, .tsv ani .kvtml, slovník "
                                       "nebyl exportován.")
                            .arg(QDir::toNativeSeparators(*chosen)));
        return;
    }
    // The pictures saved beside the dictionary go with it as the vocabulary's images.
    QStringList pictures;
    if (document.pictureCount() > 0) {
        pictures.reserve(document.count());
        for (int row = 0; row < document.count(); ++row)
            pictures.append(document.picturePath(document.pictureOf(row)));
    }
    const Result<void> saved =
        exportDictionary(*chosen, document.records().toList(), *format, baseName, pictures);
    if (!saved) {
        dialogs.error(saved.error());
        return;
    }
    dialog.remember(*chosen);
    dialogs.info(QStringLiteral("Slovník byl exportován do souboru „%1“.")
                     .arg(QDir::toNativeSeparators(*chosen)));
}

} // namespace exchange
