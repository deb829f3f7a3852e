#include "people/PeopleRequests.h"

#include <QVariant>

namespace kitbench {

ServerCall resourcesBySubstringCall(const QString& substring)
{
    return ServerCall{QStringLiteral("GetResourceListBySubstring"), {QVariant::fromValue(substring)}};
}

ServerCall resourcesByGroupCall(qint16 groupId)
{
    return ServerCall{QStringLiteral("GetResourceListByGroup"), {QVariant::fromValue(groupId)}};
}

ServerCall groupListCall()
{
    return ServerCall{QStringLiteral("GetGroupList"), {}};
}

ServerCall resourcesByUserListCall(const QList<qint32>& userIds)
{
    return ServerCall{QStringLiteral("GetResourceListByOrvUsers"), {QVariant::fromValue(userIds)}};
}

ServerCall resourcesByProjectCall(qint16 projectId)
{
    return ServerCall{QStringLiteral("GetResourceListByProject"), {QVariant::fromValue(projectId)}};
}

ServerCall roleListCall(qint32 templateId)
{
    return ServerCall{QStringLiteral("GetRoleList"), {QVariant::fromValue(templateId)}};
}

bool hasPreselectedUsers(const QList<qint32>& resourceUserIds)
{
    return !resourceUserIds.isEmpty() && resourceUserIds.first() > 0;
}

} // namespace kitbench
