#include "dictionary/opendictionary.h"

#include "platform/dialogs.h"

namespace dictionaryfile {
namespace {

// A message lists no more of the characters than the user can take in.
constexpr qsizetype kCharactersListed = 40;

} // namespace

QString utf8Question(const QString &replaced) {
    QString text = QStringLiteral("Soubor je v kódování UTF-8. Načíst jej a při uložení převést do "
                                  "Windows-1250?");
    if (replaced.isEmpty())
        return text;
    QStringList listed;
    for (qsizetype i = 0; i < replaced.size() && i < kCharactersListed; ++i)
        listed.append(replaced.at(i) == QChar::ReplacementCharacter
                          ? QStringLiteral("(emoji a jiné zvláštní znaky)")
                          : QString(replaced.at(i)));
    if (replaced.size() > kCharactersListed)
        listed.append(QStringLiteral("… (celkem %1 znaků)").arg(replaced.size()));
    text += QStringLiteral("\n\nTyto znaky kódování Windows-1250 nemá, v načteném slovníku "
                           "budou nahrazeny otazníkem „?“:\n") +
            listed.join(u' ');
    return text;
}

std::optional<Loaded> openChosenDictionary(const QString &path, Contents contents, EmptyFile empty,
                                           Dialogs &dialogs, FileDialogState &dialog) {
    Result<Loaded> read = readDictionaryFile(path, contents);
    if (!read) {
        dialogs.error(read.error());
        return std::nullopt;
    }
    if (read->looksUtf8) {
        Result<Loaded> utf8 = readDictionaryFile(path, contents, {}, Encoding::Utf8);
        if (utf8 && dialogs.question(MessageKind::Confirmation, utf8Question(utf8->replaced)))
            read = std::move(utf8);
    }
    if (read->empty && empty == EmptyFile::Refused) {
        dialogs.info(kEmptyFileMessage);
        return std::nullopt;
    }
    dialog.remember(path);
    return std::move(read).value();
}

} // namespace dictionaryfile
