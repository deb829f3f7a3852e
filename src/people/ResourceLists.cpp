#include "people/ResourceLists.h"

#include "shell/Artwork.h"
#include "shell/Controls.h"

#include <QComboBox>
#include <QTreeWidget>

namespace kitbench {

QTreeWidgetItem* addPeopleItem(QTreeWidget* list, const PeopleItem& item)
{
    auto* row = new QTreeWidgetItem(list, QStringList{item.text});
    row->setData(0, ItemKeyRole, item.key);
    row->setData(0, ItemIconKeyRole, item.iconKey);
    row->setIcon(0, imageListIcon(item.iconKey));
    return row;
}

PeopleItem peopleItemOf(const QTreeWidgetItem* item)
{
    return PeopleItem{item->data(0, ItemKeyRole).toString(), item->text(0),
                      item->data(0, ItemIconKeyRole).toString()};
}

QStringList itemKeys(const QTreeWidget* list)
{
    QStringList keys;
    keys.reserve(list->topLevelItemCount());
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        keys.append(list->topLevelItem(i)->data(0, ItemKeyRole).toString());
    return keys;
}

QTreeWidgetItem* findItemByKey(const QTreeWidget* list, const QString& key)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (item->data(0, ItemKeyRole).toString() == key)
            return item;
    }
    return nullptr;
}

void FillAvailableUsers(QTreeWidget* available, const QTreeWidget* selected, const QString& answer)
{
    available->clear();
    for (const PeopleItem& item : availableUserItems(answer, itemKeys(selected)))
        addPeopleItem(available, item);
}

void FillSelectedUsers(QTreeWidget* selected, const QString& answer)
{
    for (const PeopleItem& item : userItems(answer))
        addPeopleItem(selected, item);
}

void MovePreselectedUsers(QTreeWidget* available, QTreeWidget* selected, const QString& answer)
{
    for (const PeopleItem& item : userItems(answer)) {
        QTreeWidgetItem* found = findItemByKey(available, item.key);
        if (!found)
            continue;
        delete found;
        addPeopleItem(selected, item);
    }
}

void FillAssignmentUsers(QTreeWidget* available, const QTreeWidget* assignments, const QString& answer)
{
    available->clear();
    for (const PeopleItem& item : unassignedUserItems(answer, itemKeys(assignments)))
        addPeopleItem(available, item);
}

namespace {

void appendEntries(QComboBox* combo, const QList<ComboEntry>& entries)
{
    for (const ComboEntry& entry : entries)
        combo->addItem(entry.text, entry.itemData);
}

} // namespace

void FillGroups(QComboBox* groups, const QString& answer)
{
    appendEntries(groups, groupEntries(answer));
}

void FillRoles(QComboBox* roles, const QString& answer)
{
    appendEntries(roles, roleEntries(answer));
}

} // namespace kitbench
