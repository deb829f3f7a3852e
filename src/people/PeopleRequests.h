#pragma once

#include "directory/ServerCall.h"

#include <QList>

namespace kitbench {

// The server calls of the people queries, with the argument types the service takes: the group and
// project ids are 16-bit, the template id 32-bit, the preselected users an array of 32-bit ids.
ServerCall resourcesBySubstringCall(const QString& substring);    // GetResourceListBySubstring
ServerCall resourcesByGroupCall(qint16 groupId);                  // GetResourceListByGroup
ServerCall groupListCall();                                       // GetGroupList
ServerCall resourcesByUserListCall(const QList<qint32>& userIds); // GetResourceListByOrvUsers
ServerCall resourcesByProjectCall(qint16 projectId);              // GetResourceListByProject
ServerCall roleListCall(qint32 templateId);                       // GetRoleList

// A start-up command names users to preselect when the list holds at least one id and its first id
// is above 0 (the list holds a single 0 otherwise).
bool hasPreselectedUsers(const QList<qint32>& resourceUserIds);

} // namespace kitbench
