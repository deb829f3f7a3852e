#pragma once

#include "files/FormFields.h"
#include "files/LibraryTree.h"

#include <QIcon>

class QTreeWidget;
class QTreeWidgetItem;

namespace kitbench {

// Replaces the library roots ("F0", "F-1") of a tree view with the given nodes: key, tag and image key
// in the item roles, the library root named by text 2505.
void fillLibraryTree(QTreeWidget* tree, const QList<LibraryNode>& nodes);

// EnsureFileTypeIcon: the desktop's small icon of a file type by extension (".pdf"), kept once
// fetched; a plain file icon when the desktop has none. "<empty>" is a file without extension.
QIcon fileTypeIcon(const QString& extension);

// The chosen node as the transfers read it.
ChosenNode chosenNode(const QTreeWidgetItem* item);

} // namespace kitbench
