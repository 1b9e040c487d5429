#pragma once

#include <QString>
#include <QStringList>

// Deletes every file directly inside `folder` (hidden ones too) except the files that
// `keep` names (paths in either separator spelling; a link is kept when it or what it
// points to is named); sub-folders and their contents stay. A missing folder has
// nothing to delete. Returns how many files could not be deleted.
int deleteFilesIn(const QString &folder, const QStringList &keep = {});
