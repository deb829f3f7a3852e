#pragma once

#include "directory/DirectoryRows.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kitbench {

// What the category answer does to the pages: the category list views of the item and project pages
// are cleared, and the run mode's list view gets one checkable item per "Categories/Category" (index
// from 1, key "C" + "CategoryId", text "CategoryName"). An answer that does not parse only clears.
struct CategoryFill
{
    QStringList clearedListViews;
    QString targetListView; // empty when the run mode has no category list
    QList<ListRow> rows;
};

CategoryFill categoryEntriesForRunMode(const QString& xml, int runMode, bool importNewProject);

// The rows of a category answer alone (also the reload after the category editor saved changes).
QList<ListRow> categoryRows(const QString& xml);

// The category list view of a run mode (empty for jobs without one).
QString categoryListViewFor(int runMode, bool importNewProject);

} // namespace kitbench
