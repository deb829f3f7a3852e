#pragma once

#include "people/PeopleAnswers.h"

#include <QString>
#include <QStringList>

class QComboBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace kitbench {

// The fillers of the people lists: they show the rows of the people answers in the list views and
// combo boxes of the team and templates pages. Items carry their key in ItemKeyRole and their icon
// key in ItemIconKeyRole. An empty or broken answer adds nothing.

QTreeWidgetItem* addPeopleItem(QTreeWidget* list, const PeopleItem& item);
PeopleItem peopleItemOf(const QTreeWidgetItem* item);
QStringList itemKeys(const QTreeWidget* list);
// The first item with this key, or nullptr.
QTreeWidgetItem* findItemByKey(const QTreeWidget* list, const QString& key);

// FillAvailableUsers: clears `available`, then lists the answer's users not in `selected`.
void FillAvailableUsers(QTreeWidget* available, const QTreeWidget* selected, const QString& answer);
// FillSelectedUsers: adds every user of the answer to `selected`.
void FillSelectedUsers(QTreeWidget* selected, const QString& answer);
// MovePreselectedUsers: each user of the answer found in `available` moves to `selected`.
void MovePreselectedUsers(QTreeWidget* available, QTreeWidget* selected, const QString& answer);
// FillAssignmentUsers: clears `available`, then lists the answer's users without an assignment.
void FillAssignmentUsers(QTreeWidget* available, const QTreeWidget* assignments, const QString& answer);
// Group and role entries appended to a combo box, item data = the server id.
void FillGroups(QComboBox* groups, const QString& answer);
void FillRoles(QComboBox* roles, const QString& answer);

} // namespace kitbench
