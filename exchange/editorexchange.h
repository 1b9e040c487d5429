#pragma once

#include "dictionary/slovnik.h"
#include "exchange/kvtml.h"

#include <QString>
#include <QStringList>

#include <optional>

class Dialogs;
class DictionaryDocument;
struct FileDialogState;

// What the editor's "Importovat…" and "Exportovat…" ask and tell, around the readers and
// writers of other programs' files.
namespace exchange {

// Reads a KVTML file chosen for import; nothing (after telling why) when it cannot be read
// or holds no expression with both texts.
std::optional<KvtmlRead> readKvtmlImport(const QString &path, Dialogs &dialogs);

// The records to take into a dictionary: the characters Windows-1250 cannot hold are
// listed, to be replaced or the import cancelled (nothing).
std::optional<Tpole> encodableRecords(const Tpole &records, Dialogs &dialogs);

// Tells the rows and sounds an import left out, when there are any.
void tellLeftOut(qsizetype skippedRows, const QStringList &droppedSounds, Dialogs &dialogs);

// Asks where to export the dictionary (CSV, TSV or KVTML by the chosen extension) and
// writes it there.
void exportDocument(const DictionaryDocument &document, Dialogs &dialogs, FileDialogState &dialog);

} // namespace exchange
