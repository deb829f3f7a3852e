#include "services/ServiceDispatcher.h"

#include "store/Database.h"

namespace orvdev {

std::optional<User> ServiceDispatcher::authenticate(const std::string& loginText,
                                                    const std::optional<std::string>& password)
{
    std::optional<User> user = User::byLogin(m_db, User::userNameOf(loginText));
    if (!user || !password || m_db.text("SELECT password FROM users WHERE id = ?", {user->id}) != *password)
        return std::nullopt;
    return user;
}

CallOutcome ServiceDispatcher::call(SoapRequest& request)
{
    const Operation& operation = *request.operation;
    const MethodRegistry::Entry* entry = m_registry.find(operation.name);
    if (!entry || !m_version.atLeast(entry->sinceVersion))
        throw SoapError::client(
            "Server did not recognize the value of HTTP Header SOAPAction: " + operation.soapAction + ".");

    CallOutcome outcome;
    outcome.user = User::userNameOf(request.userName.value_or(""));
    std::lock_guard lock(m_mutex);
    std::optional<User> user = authenticate(request.userName.value_or(""), request.userPassword);
    if (!user) {
        outcome.status = accessDeniedText;
        // The version is told to anybody, so that a client can say what it connected to.
        if (operation.name == "GetServerVersion")
            outcome.result = Value::ofString(m_version.text());
        return outcome;
    }
    try {
        CallContext context(m_db, *user, m_version, operation, request.arguments);
        outcome.result = entry->handler(context);
    } catch (const StatusError& e) {
        outcome.status = e.what();
        outcome.result.reset();
    } catch (const std::exception& e) {
        throw SoapError::server(std::string("Server was unable to process request. ---> ") + e.what());
    }
    return outcome;
}

} // namespace orvdev
