#pragma once

#include "services/MethodRegistry.h"
#include "services/ServerVersion.h"
#include "soap/RequestReader.h"

#include <mutex>
#include <optional>
#include <string>

namespace orvdev {

class Database;

struct CallOutcome
{
    std::string status = "OK"; // the ConnectionState text
    std::optional<Value> result;
    std::string user; // the user name the header named
};

// Runs one read request against the store as the version played: checks that the version offers
// the method, signs the user in, runs the method. Calls are serialized (one store connection).
class ServiceDispatcher
{
public:
    static constexpr const char* accessDeniedText = "Access denied: unknown user or wrong password.";

    ServiceDispatcher(Database& db, MethodRegistry registry, ServerVersion version)
        : m_db(db), m_registry(std::move(registry)), m_version(version)
    {
    }

    // Throws SoapError: the unknown-SOAPAction fault for a method this version lacks, and a
    // soap:Server fault when the method fails inside.
    CallOutcome call(SoapRequest& request);
    // The user a login text ("admin@host:port") and password sign in as; nullopt for an unknown
    // user or a wrong password. The caller holds storeMutex().
    std::optional<User> authenticate(const std::string& loginText,
                                     const std::optional<std::string>& password);
    const ServerVersion& version() const { return m_version; }
    const MethodRegistry& registry() const { return m_registry; }
    // The lock every store access takes (web pages too).
    std::mutex& storeMutex() { return m_mutex; }

private:
    Database& m_db;
    MethodRegistry m_registry;
    ServerVersion m_version;
    std::mutex m_mutex;
};

} // namespace orvdev
