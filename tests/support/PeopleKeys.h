#pragma once

// The users a people query answers, asked through the wizard's own session, as "U<id>" keys: what a
// list of the team or templates page should offer.

#include "directory/ServerCall.h"
#include "people/PeopleAnswers.h"
#include "session/SoapSession.h"

#include <QStringList>

inline QStringList serverUserKeys(kitbench::SoapSession& session, const kitbench::ServerCall& call)
{
    QVariantList arguments = call.arguments;
    const kitbench::SoapCallResult answer = session.call(call.method, arguments);
    if (!answer.ok())
        return {QStringLiteral("(the query failed)")};
    QStringList keys;
    for (const kitbench::ResourceUser& user : kitbench::resourceUsers(answer.result.toString()))
        keys.append(kitbench::people::userKey(user.userId));
    return keys;
}
