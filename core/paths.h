#pragma once

#include <QString>

// Parts of a path, in either separator spelling, and the lower case of file names.
namespace paths {

// The name part and the folder part (with its trailing separator) of a path.
QString fileNamePart(const QString &path);
QString folderPart(const QString &path);

// ASCII letters A-Z only become lower case; other characters stay as they are.
QString asciiLower(const QString &text);

} // namespace paths
