#include "lists/ListFolders.h"

#include "directory/XmlAnswer.h"

#include <vector>

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

// The folders depth first, each before its subfolders. The walk keeps its own stack, so folders
// nested any number of levels deep cannot exhaust the thread's.
void addFolders(const pugi::xml_node& container, QList<ListFolderNode>& out)
{
    struct Level
    {
        QString parentKey;
        pugi::xml_node nextFolder;
    };
    std::vector<Level> levels{{QString(), container.child("Folder")}};
    while (!levels.empty()) {
        Level& level = levels.back();
        const pugi::xml_node folder = level.nextFolder;
        if (!folder) {
            levels.pop_back();
            continue;
        }
        level.nextFolder = folder.next_sibling("Folder");
        ListFolderNode node;
        node.id = xml::childText(folder, "Id");
        node.key = QStringLiteral("F") + node.id;
        node.parentKey = level.parentKey;
        node.canUserWrite = xml::childText(folder, "CanUserWrite") == QStringLiteral("True");
        node.name = xml::childText(folder, "Name");
        node.textId = builtInTextId(node.name);
        out.append(node);
        const pugi::xml_node children = folder.child("ChildList");
        if (children && children.first_child())
            levels.push_back({node.key, children.child("Folder")});
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
        addFolders(root, folders);
    return folders;
}

ServerCall listFoldersCall()
{
    return {QStringLiteral("GetListFolders"),
            {QVariant::fromValue(qint16(0)), QVariant::fromValue(qint16(-1))}};
}

} // namespace kitbench
