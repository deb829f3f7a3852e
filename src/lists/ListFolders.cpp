#include "lists/ListFolders.h"

#include "directory/XmlAnswer.h"

namespace kitbench {

namespace {

constexpr int kBuiltInFolderTextBase = 3200;

// The text id a "@@n" name refers to, or 0 for an ordinary name.
int builtInTextId(const QString& name)
{
    if (!name.startsWith(QStringLiteral("@@")))
        return 0;
    const std::optional<qint32> n = xml::toInt32(name.mid(2));
    return n ? *n + kBuiltInFolderTextBase : 0;
}

void addFolders(const pugi::xml_node& container, const QString& parentKey, QList<ListFolderNode>& out)
{
    for (pugi::xml_node folder = container.child("Folder"); folder; folder = folder.next_sibling("Folder")) {
        ListFolderNode node;
        node.id = xml::childText(folder, "Id");
        node.key = QStringLiteral("F") + node.id;
        node.parentKey = parentKey;
        node.canUserWrite = xml::childText(folder, "CanUserWrite") == QStringLiteral("True");
        node.name = xml::childText(folder, "Name");
        node.textId = builtInTextId(node.name);
        out.append(node);
        const pugi::xml_node children = folder.child("ChildList");
        if (children && children.first_child())
            addFolders(children, node.key, out);
    }
}

} // namespace

QString ListFolderNode::displayText(const std::function<QString(int)>& localizedText) const
{
    return textId != 0 && localizedText ? localizedText(textId) : name;
}

std::optional<QList<ListFolderNode>> parseListFolders(const QString& xml)
{
    const std::optional<XmlAnswer> answer = XmlAnswer::load(xml);
    if (!answer)
        return std::nullopt;
    QList<ListFolderNode> folders;
    if (const pugi::xml_node root = answer->selectSingle(QStringLiteral("Folders")))
        addFolders(root, QString(), folders);
    return folders;
}

ServerCall listFoldersCall()
{
    return {QStringLiteral("GetListFolders"),
            {QVariant::fromValue(qint16(0)), QVariant::fromValue(qint16(-1))}};
}

} // namespace kitbench
