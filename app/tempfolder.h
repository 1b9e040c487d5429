#pragma once

#include <QString>

// Deletes every file directly inside `folder` (hidden ones too); sub-folders and
// their contents stay. A missing folder has nothing to delete. Returns how many
// files could not be deleted.
int deleteFilesIn(const QString &folder);
