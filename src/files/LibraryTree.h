#pragma once

#include "directory/ServerCall.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

namespace kitbench {

// One node of a file library tree, in the order the nodes are added (a parent before its children).
struct LibraryNode
{
    QString key;       // "F0", "F-1", "F" + folder id, "A" + file id, "U" + version id
    QString parentKey; // empty for the two roots
    QString text;      // empty for the library root: it shows the language pack's text 2505
    QString image;     // image list key: "<folder>", "<folder_gray>", "<asset>" or a file-type key
    QVariant tag;      // qint16 0, a folder's qint32 asset id, or a text (file id, version id, address)
    bool expanded = false;

    bool operator==(const LibraryNode&) const = default;
};

// The nodes of both library trees: the upload job's folder tree and the download job's file tree.
struct LibraryTrees
{
    QList<LibraryNode> folders; // FileListTreeView
    QList<LibraryNode> assets;  // AssetListTreeView
};

// FileLibraryDir (0, True, 0) in the upload and download jobs; nothing in the others.
std::optional<ServerCall> libraryDirCall(int runMode);

// The trees of a library answer ("DirList") for a run mode and server version; nothing when the answer
// does not load. Folders and files the run mode does not show are left out.
std::optional<LibraryTrees> buildLibraryTrees(const QString& xml, int runMode, const QString& serverVersion);

// GetFileExtension: from the last "." to the end, dot included; "" without a dot.
QString GetFileExtension(const QString& name);

} // namespace kitbench
