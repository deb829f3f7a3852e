#include "files/LibraryTreeView.h"

#include "files/FormFields.h"
#include "shell/Artwork.h"
#include "shell/Controls.h"
#include "shell/TextCatalogue.h"

#include <QFileIconProvider>
#include <QHash>
#include <QMimeDatabase>
#include <QTreeWidget>

namespace kitbench {

namespace {

QIcon iconFor(const QString& imageKey)
{
    return imageKey.startsWith(QLatin1Char('<')) && imageKey != QLatin1String("<empty>")
               ? imageListIcon(imageKey)
               : fileTypeIcon(imageKey);
}

} // namespace

QIcon fileTypeIcon(const QString& extension)
{
    static QHash<QString, QIcon> icons;
    const auto known = icons.constFind(extension);
    if (known != icons.constEnd())
        return *known;
    QIcon icon;
    if (extension.startsWith(QLatin1Char('.'))) {
        // By the name alone: the file need not exist.
        const QMimeType type = QMimeDatabase().mimeTypeForFile(QStringLiteral("file") + extension,
                                                               QMimeDatabase::MatchExtension);
        icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    }
    if (icon.isNull())
        icon = QFileIconProvider().icon(QFileIconProvider::File);
    icons.insert(extension, icon);
    return icon;
}

void fillLibraryTree(QTreeWidget* tree, const QList<LibraryNode>& nodes)
{
    if (!tree)
        return;
    tree->setUpdatesEnabled(false);
    // The view tracks every expanded item, and each one it tracks is checked against every row that
    // goes: collapsed first, a deep old tree goes at once instead of in time growing with its square.
    tree->collapseAll();
    for (int i = tree->topLevelItemCount() - 1; i >= 0; --i) {
        const QString key = tree->topLevelItem(i)->data(0, ItemKeyRole).toString();
        if (key == QLatin1String("F0") || key == QLatin1String("F-1"))
            delete tree->takeTopLevelItem(i);
    }
    QHash<QString, QTreeWidgetItem*> byKey;
    QList<QTreeWidgetItem*> expanded;
    for (const LibraryNode& node : nodes) {
        QTreeWidgetItem* parent = byKey.value(node.parentKey);
        if (!node.parentKey.isEmpty() && !parent)
            continue; // a parent the tree does not show
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, node.text.isEmpty() && node.key == QLatin1String("F0") ? GetLocalizedText(2505)
                                                                                : node.text);
        item->setData(0, ItemKeyRole, node.key);
        item->setData(0, ItemTagRole, node.tag);
        item->setData(0, ItemIconKeyRole, node.image);
        item->setIcon(0, iconFor(node.image));
        byKey.insert(node.key, item);
        if (node.expanded)
            expanded.append(item);
    }
    for (QTreeWidgetItem* item : std::as_const(expanded))
        item->setExpanded(true);
    tree->setUpdatesEnabled(true);
}

ChosenNode chosenNode(const QTreeWidgetItem* item)
{
    if (!item)
        return {};
    const QTreeWidgetItem* parent = item->parent();
    return {item->data(0, ItemKeyRole).toString(), item->data(0, ItemTagRole).toString(),
            parent ? parent->data(0, ItemKeyRole).toString() : QString()};
}

} // namespace kitbench
