#pragma once

#include "directory/ServerCall.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace kitbench {

// One folder of the list folder document, as a node of the folder tree.
struct ListFolderNode
{
    QString key;       // "F" + the folder's "Id"
    QString parentKey; // the key of the folder whose "ChildList" holds it; empty at root level
    QString id;        // "Id" as the server wrote it
    QString name;      // "Name" as the server wrote it
    int textId = 0;    // for a built-in folder named "@@n": the text n + 3200 that names it; else 0
    bool canUserWrite = false;

    bool atRoot() const { return parentKey.isEmpty(); }
    // The node text: the name, or the localized text of a built-in folder.
    QString displayText(const std::function<QString(int)>& localizedText) const;
};

// The folders of a GetListFolders answer in the order they go into the tree: each folder, then the
// folders of its "ChildList", depth first in document order. Nothing when the text does not load as
// a document; a document without a "Folders" root gives no folders.
std::optional<QList<ListFolderNode>> parseListFolders(const QString& xml);

// GetListFolders (0, -1): every folder from the top, all levels.
ServerCall listFoldersCall();

} // namespace kitbench
