#include "directory/CategoryList.h"

#include "directory/XmlAnswer.h"
#include "shell/RunMode.h"

namespace kitbench {

QList<ListRow> categoryRows(const QString& xml)
{
    QList<ListRow> rows;
    const std::optional<XmlAnswer> answer = XmlAnswer::load(xml);
    if (!answer)
        return rows;
    for (const pugi::xml_node& category : answer->select(QStringLiteral("Categories/Category"))) {
        rows.append({static_cast<int>(rows.size()) + 1,
                     QLatin1Char('C') + xml::childText(category, "CategoryId"),
                     xml::childText(category, "CategoryName")});
    }
    return rows;
}

QString categoryListViewFor(int runMode, bool importNewProject)
{
    switch (runMode) {
    case CREATEINCIDENT:
        return QStringLiteral("IncidentCategoryListView");
    case CREATETASK:
        return QStringLiteral("TaskCategoryListView");
    case CREATEEVENT:
        return QStringLiteral("EventCategoryListView");
    case CREATELIST:
    case IMPORTLIST:
        return QStringLiteral("ListCategoriesListView");
    case CREATEPROJECT:
        return QStringLiteral("ProjectCatagoryListView");
    case IMPORTPROJECT:
        return importNewProject ? QStringLiteral("ProjectCatagoryListView") : QString();
    default:
        return QString();
    }
}

CategoryFill categoryEntriesForRunMode(const QString& xml, int runMode, bool importNewProject)
{
    CategoryFill fill;
    fill.clearedListViews = {QStringLiteral("IncidentCategoryListView"),
                             QStringLiteral("EventCategoryListView"), QStringLiteral("TaskCategoryListView"),
                             QStringLiteral("ProjectCatagoryListView")};
    fill.targetListView = categoryListViewFor(runMode, importNewProject);
    if (!fill.targetListView.isEmpty())
        fill.rows = categoryRows(xml);
    return fill;
}

} // namespace kitbench
