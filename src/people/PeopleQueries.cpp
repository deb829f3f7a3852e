#include "people/PeopleQueries.h"

#include "people/PeopleRequests.h"
#include "session/SoapSession.h"

namespace kitbench {

QString PeopleQueries::run(const ServerCall& call)
{
    // The by-reference arguments come back in the list; the wizard does not read them.
    QVariantList arguments = call.arguments;
    const SoapCallResult answer = m_session.call(call.method, arguments);
    if (!m_session.CheckSoapOutcome(answer))
        return QString();
    return answer.result.toString();
}

QString PeopleQueries::QueryResourcesBySubstring(const QString& substring)
{
    return run(resourcesBySubstringCall(substring));
}

QString PeopleQueries::QueryResourcesByGroup(qint16 groupId)
{
    return run(resourcesByGroupCall(groupId));
}

QString PeopleQueries::QueryGroupList()
{
    return run(groupListCall());
}

QString PeopleQueries::QueryResourcesByUserList(const QList<qint32>& resourceUserIds)
{
    return run(resourcesByUserListCall(resourceUserIds));
}

QString PeopleQueries::QueryResourcesByProject(qint16 projectId)
{
    return run(resourcesByProjectCall(projectId));
}

QString PeopleQueries::QueryRoleList(qint32 templateId)
{
    return run(roleListCall(templateId));
}

} // namespace kitbench
