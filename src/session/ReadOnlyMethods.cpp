#include "session/ReadOnlyMethods.h"

namespace kitbench {

const QSet<QString>& readOnlyServiceMethods()
{
    static const QSet<QString> methods{
        QStringLiteral("CheckFileName"),
        QStringLiteral("ExportOrvProject"),
        QStringLiteral("FileLibraryDir"),
        QStringLiteral("GetCalendarEvents"),
        QStringLiteral("GetCategoryList2"),
        QStringLiteral("GetGroupList"),
        QStringLiteral("GetListFolders"),
        QStringLiteral("GetOrvProjectList"),
        QStringLiteral("GetOrvProjectList2"),
        QStringLiteral("GetResourceListByGroup"),
        QStringLiteral("GetResourceListByOrvUsers"),
        QStringLiteral("GetResourceListByProject"),
        QStringLiteral("GetResourceListBySubstring"),
        QStringLiteral("GetRoleList"),
        QStringLiteral("GetServerVersion"),
        QStringLiteral("LoadDictionaries"),
    };
    return methods;
}

} // namespace kitbench
