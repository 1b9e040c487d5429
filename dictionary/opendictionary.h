#pragma once

#include "dictionary/slovnik.h"

#include <optional>

class Dialogs;
struct FileDialogState;

namespace dictionaryfile {

// What a window does with a dictionary file that holds no expression.
enum class EmptyFile { Refused, Taken };

// Opens the dictionary file a window's open dialog chose, as every window that opens a
// dictionary does. A file that cannot be read is reported. A file in UTF-8 (made by
// another tool) is offered to be read as UTF-8, naming the characters that Windows-1250
// cannot hold and that become "?"; No reads it as Windows-1250, as any other file. An
// empty file is reported ("Nejde načíst prázdný slovník!") unless the window takes it.
// A file read is remembered by the dialog. Nothing when the window keeps what it had.
std::optional<Loaded> openChosenDictionary(const QString &path, Contents contents, EmptyFile empty,
                                           Dialogs &dialogs, FileDialogState &dialog);

// The question asked for a file in UTF-8; `replaced` are the characters that become "?".
QString utf8Question(const QString &replaced);

} // namespace dictionaryfile
