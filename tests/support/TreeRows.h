#pragma once

// The items of a flat list view as the tests compare them.

#include "shell/Controls.h"

#include <QStringList>
#include <QTreeWidget>

// "key text icon" of each item, in list order.
inline QStringList rows(const QTreeWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = list->topLevelItem(i);
        out.append(item->data(0, kitbench::ItemKeyRole).toString() + ' ' + item->text(0) + ' ' +
                   item->data(0, kitbench::ItemIconKeyRole).toString());
    }
    return out;
}

// The item keys, in list order.
inline QStringList keys(const QTreeWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out.append(list->topLevelItem(i)->data(0, kitbench::ItemKeyRole).toString());
    return out;
}
