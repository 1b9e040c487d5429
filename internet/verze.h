#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

// The version file the product's web site announces a new release with, and the
// checks that keep what it says from doing harm: the installer's name must be one
// plain file name and its address an http(s) address.
namespace versionfile {

// The version this program reports of itself.
inline const QString kRunningVersion = QStringLiteral("2.20");
// A version file is a few short lines; anything larger is not one.
constexpr qsizetype kMaxFileSize = 64 * 1024;

struct VersionFile {
    QString version;  // line 1
    QString size;     // line 2: the installer's size in bytes
    QString date;     // line 3
    QString address;  // line 4: where the installer is
    QString fileName; // line 5: the name the installer is saved under
    QStringList news; // line 6 cut at ";", up to the first empty item
};

// The six lines of the file (Windows-1250; lines beyond the sixth are ignored, missing
// ones read as empty); nothing for a file larger than kMaxFileSize.
std::optional<VersionFile> parse(QByteArrayView bytes);

// Whether the announced version differs from the running one (any other text counts
// as new, an older one too).
bool isNew(const VersionFile &file, const QString &running = kRunningVersion);

// The installer's size when line 2 is a whole number of bytes.
std::optional<qint64> announcedSize(const VersionFile &file);

// One plain file name: not empty, no folder separators, no "..", no drive, no control
// characters and none of the characters a file name cannot hold on Windows.
bool isPlainFileName(const QString &name);

// An absolute http or https address with a host.
bool isWebAddress(const QString &address);

// The address of the version file: VOKAB_UPDATE_URL when it is set, else the product's.
QUrl versionFileUrl();

} // namespace versionfile
