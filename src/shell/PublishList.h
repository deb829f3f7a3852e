#pragma once

#include <QString>
#include <QStringList>

namespace kitbench {

// Files a command-line value names for publishing: a file as typed (whatever its attributes), the
// files below a folder (AddFolderToPublishList), or nothing.
QStringList filesNamedBy(const QString& value);

// The files below a folder: its own ordinary files first, then those of each subfolder in turn.
// Hidden (name starting with "."), read-only (not writable by the owner) and system entries
// (anything that is not a regular file) are left out.
QStringList AddFolderToPublishList(const QString& folder);

} // namespace kitbench
