#pragma once

#include "services/ServerVersion.h"
#include "services/User.h"
#include "soap/ServiceContract.h"
#include "soap/Value.h"

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orvdev {

class Database;

// A refusal the service reports in the ConnectionState header instead of "OK".
class StatusError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Everything one method implementation sees: the store, the signed-in user, the version played
// and the arguments by name (by-reference arguments may be changed; they are echoed back).
class CallContext
{
public:
    CallContext(Database& store, const User& signedIn, const ServerVersion& played,
                const Operation& operation, std::vector<Value>& arguments)
        : db(store), user(signedIn), version(played), m_operation(operation), m_arguments(arguments)
    {
    }

    Database& db;
    const User& user;
    const ServerVersion& version;

    Value& arg(const std::string& name);
    bool has(const std::string& name) const;
    std::string str(const std::string& name);  // "" for null
    std::int64_t num(const std::string& name); // int, short and boolean
    bool flag(const std::string& name) { return num(name) != 0; }
    std::string dateTime(const std::string& name);
    const std::vector<std::int32_t>& ints(const std::string& name);
    std::vector<std::string> strings(const std::string& name); // nil items become ""

    const std::string& method() const { return m_operation.name; }
    static std::string now(); // local time, "YYYY-MM-DDTHH:MM:SS"

private:
    const Operation& m_operation;
    std::vector<Value>& m_arguments;
};

using MethodHandler = std::function<std::optional<Value>(CallContext&)>;

} // namespace orvdev
