#pragma once

#include "directory/DirectoryRows.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kitbench {

// Rows read from the answers of the people queries: users ("Resources/User"), groups ("Groups/Group",
// in tree order) and project roles ("Roles/Role"). An empty answer or one that is not well-formed
// XML gives no rows.

// One user of a "Resources" answer.
struct ResourceUser
{
    qint32 userId = 0;
    QString firstName;
    QString lastName;

    bool operator==(const ResourceUser&) const = default;
};

// One group of a "Groups" answer; level 1 is a top-level group.
struct ResourceGroup
{
    qint32 groupId = 0;
    QString name;
    int level = 1;

    bool operator==(const ResourceGroup&) const = default;
};

// One entry of a user or group list view: its key, its text and the image list key of its icon.
struct PeopleItem
{
    QString key;
    QString text;
    QString iconKey;

    bool operator==(const PeopleItem&) const = default;
};

// Keys and icon keys of the people lists.
namespace people {

QString userKey(qint32 userId);   // "U" + id
QString groupKey(qint32 groupId); // "G" + id
inline QString userIcon()
{
    return QStringLiteral("<user>");
}
inline QString mustConfirmIcon()
{
    return QStringLiteral("<user_must_be_confirmed>");
}
inline QString groupIcon()
{
    return QStringLiteral("<folder>");
}
// The user item of a user: "U" + id, "FirstName LastName", "<user>".
PeopleItem userItem(const ResourceUser& user);
// The part of a template-assignment key before its first ":" (the user key).
QString assignmentUserKey(const QString& assignmentKey);

} // namespace people

QList<ResourceUser> resourceUsers(const QString& answer);
QList<ResourceGroup> resourceGroups(const QString& answer);

// A group entry of a group combo box: (Level - 1) x 2 spaces, then the name; item data = group id.
QString groupEntryText(int level, const QString& name);
QList<ComboEntry> groupEntries(const QString& answer);
// A role entry of the roles combo box: the name; item data = role id.
QList<ComboEntry> roleEntries(const QString& answer);

// Every user of the answer as a user item, in answer order (the selected list takes them all).
QList<PeopleItem> userItems(const QString& answer);
// The available list: the users of the answer whose key is not among `selectedKeys`. A user the
// answer names twice is listed twice.
QList<PeopleItem> availableUserItems(const QString& answer, const QStringList& selectedKeys);
// The templates page's available list: the users who hold no assignment yet (an assignment key is
// the user key, ":" and the role id).
QList<PeopleItem> unassignedUserItems(const QString& answer, const QStringList& assignmentKeys);

} // namespace kitbench
