#pragma once

#include <QList>
#include <QString>

namespace kitbench {

class SoapSession;
struct ServerCall;

// The people queries of the wizard: one server call each through the window's session, followed by
// the standard check. Each returns the answer text, or "" after a failure (whose one message the
// check has shown).
class PeopleQueries
{
public:
    explicit PeopleQueries(SoapSession& session) : m_session(session) {}

    QString QueryResourcesBySubstring(const QString& substring);
    QString QueryResourcesByGroup(qint16 groupId);
    QString QueryGroupList();
    QString QueryResourcesByUserList(const QList<qint32>& resourceUserIds);
    QString QueryResourcesByProject(qint16 projectId);
    QString QueryRoleList(qint32 templateId);

private:
    QString run(const ServerCall& call);

    SoapSession& m_session;
};

} // namespace kitbench
