#include "directory/DirectoryRequests.h"

#include "shell/RunMode.h"

namespace kitbench {

std::optional<qint16> dictionarySetCode(int runMode, bool importNewProject)
{
    switch (runMode) {
    case CREATEINCIDENT:
        return qint16(7);
    case CREATETASK:
        return qint16(5);
    case CREATEEVENT:
        return qint16(4);
    case CREATETODO:
        return qint16(6);
    case CREATELIST:
    case IMPORTLIST:
        return qint16(15);
    case CREATEPROJECT:
        return qint16(3);
    case IMPORTPROJECT:
        return importNewProject ? std::optional<qint16>(qint16(3)) : std::nullopt;
    case EXPORTCALENDAR:
        return qint16(-1);
    default:
        return qint16(0);
    }
}

std::optional<ServerCall> loadDictionariesCall(const QString& language, int runMode, bool importNewProject)
{
    const std::optional<qint16> code = dictionarySetCode(runMode, importNewProject);
    if (!code)
        return std::nullopt;
    return ServerCall{QStringLiteral("LoadDictionaries"), {language, QVariant::fromValue(*code)}};
}

std::optional<ServerCall> categoryListCall(int runMode, bool importNewProject)
{
    std::optional<qint16> code = dictionarySetCode(runMode, importNewProject);
    if (!code)
        return std::nullopt;
    if (*code < 0)
        code = qint16(0);
    return ServerCall{QStringLiteral("GetCategoryList2"), {QVariant::fromValue(*code)}};
}

ServerCall projectListCall(int runMode)
{
    switch (runMode) {
    case CREATEINCIDENT:
    case CREATETASK:
    case CREATEEVENT:
    case CREATETODO:
        return ServerCall{QStringLiteral("GetOrvProjectList2"),
                          {QVariant::fromValue(*dictionarySetCode(runMode, false))}};
    case IMPORTPROJECT:
    case EXPORTPROJECT:
        return ServerCall{QStringLiteral("GetOrvProjectList"), {}};
    default:
        return ServerCall{QStringLiteral("GetOrvProjectList2"), {QVariant::fromValue(qint16(0))}};
    }
}

ServerCall categoryUpdateCall(qint16 catId, const QString& updateXml)
{
    if (catId == 0)
        return ServerCall{QStringLiteral("UpdateDictionaries"), {updateXml}};
    return ServerCall{QStringLiteral("UpdateCategoryList"), {QVariant::fromValue(catId), updateXml}};
}

} // namespace kitbench
