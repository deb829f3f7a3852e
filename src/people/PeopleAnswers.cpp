#include "people/PeopleAnswers.h"

#include <QSet>

#include "directory/XmlAnswer.h"

#include <optional>

namespace kitbench {

namespace people {

QString userKey(qint32 userId)
{
    return QLatin1Char('U') + QString::number(userId);
}

QString groupKey(qint32 groupId)
{
    return QLatin1Char('G') + QString::number(groupId);
}

PeopleItem userItem(const ResourceUser& user)
{
    return PeopleItem{userKey(user.userId), user.firstName + QLatin1Char(' ') + user.lastName, userIcon()};
}

QString assignmentUserKey(const QString& assignmentKey)
{
    const qsizetype colon = assignmentKey.indexOf(QLatin1Char(':'));
    return colon < 0 ? assignmentKey : assignmentKey.left(colon);
}

} // namespace people

namespace {

// Calls `read` for each node the path selects; the document lives until the last node was read.
template <typename Read> void forEachNode(const QString& answer, const char* path, Read read)
{
    if (answer.isEmpty())
        return;
    const std::optional<XmlAnswer> document = XmlAnswer::load(answer);
    if (!document)
        return;
    for (const pugi::xml_node& node : document->select(QString::fromLatin1(path)))
        read(node);
}

qint32 numberOf(const pugi::xml_node& node, const char* name)
{
    return xml::toInt32(xml::childText(node, name)).value_or(0);
}

} // namespace

QList<ResourceUser> resourceUsers(const QString& answer)
{
    QList<ResourceUser> users;
    forEachNode(answer, "Resources/User", [&](const pugi::xml_node& node) {
        users.append(ResourceUser{numberOf(node, "UserId"), xml::childText(node, "FirstName"),
                                  xml::childText(node, "LastName")});
    });
    return users;
}

QList<ResourceGroup> resourceGroups(const QString& answer)
{
    QList<ResourceGroup> groups;
    forEachNode(answer, "Groups/Group", [&](const pugi::xml_node& node) {
        groups.append(ResourceGroup{numberOf(node, "GroupId"), xml::childText(node, "GroupName"),
                                    static_cast<int>(numberOf(node, "Level"))});
    });
    return groups;
}

QString groupEntryText(int level, const QString& name)
{
    const int indent = level > 1 ? (level - 1) * 2 : 0;
    return QString(indent, QLatin1Char(' ')) + name;
}

QList<ComboEntry> groupEntries(const QString& answer)
{
    QList<ComboEntry> entries;
    for (const ResourceGroup& group : resourceGroups(answer))
        entries.append(ComboEntry{groupEntryText(group.level, group.name), 0, group.groupId});
    return entries;
}

QList<ComboEntry> roleEntries(const QString& answer)
{
    QList<ComboEntry> entries;
    forEachNode(answer, "Roles/Role", [&](const pugi::xml_node& node) {
        entries.append(ComboEntry{xml::childText(node, "RoleName"), 0, numberOf(node, "RoleId")});
    });
    return entries;
}

QList<PeopleItem> userItems(const QString& answer)
{
    QList<PeopleItem> items;
    for (const ResourceUser& user : resourceUsers(answer))
        items.append(people::userItem(user));
    return items;
}

QList<PeopleItem> availableUserItems(const QString& answer, const QStringList& selectedKeys)
{
    // A set, so that thousands of selected users cost one look-up each, not a walk of the list.
    const QSet<QString> selected(selectedKeys.cbegin(), selectedKeys.cend());
    QList<PeopleItem> items;
    for (const ResourceUser& user : resourceUsers(answer)) {
        PeopleItem item = people::userItem(user);
        if (!selected.contains(item.key))
            items.append(std::move(item));
    }
    return items;
}

QList<PeopleItem> unassignedUserItems(const QString& answer, const QStringList& assignmentKeys)
{
    QStringList assigned;
    assigned.reserve(assignmentKeys.size());
    for (const QString& key : assignmentKeys)
        assigned.append(people::assignmentUserKey(key));
    return availableUserItems(answer, assigned);
}

} // namespace kitbench
