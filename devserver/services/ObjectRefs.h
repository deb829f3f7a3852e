#pragma once

#include "services/CallContext.h"
#include "store/Database.h"

#include <cstdint>
#include <vector>

namespace orvdev {

// Checks and writes the references a create call carries: project, users, categories, clients.
// Every refusal is a StatusError with a readable text.
class ObjectRefs
{
public:
    explicit ObjectRefs(CallContext& call) : m_call(call) {}

    void requireTitle(const std::string& title) const;
    // 0 and -1 mean "no project"; a negative id (MS Project synchronization mode) names the project too.
    SqlValue project(std::int64_t projectId) const;
    SqlValue optionalId(std::int64_t id) const; // -1 and 0 stored as NULL
    void requireUser(std::int64_t userId, const char* role) const;
    void requireCategories(int objectType, const std::vector<std::int32_t>& ids) const;
    void storeCategories(int objectType, std::int64_t objectId, const std::vector<std::int32_t>& ids) const;
    // Participants: a negative id is the user who must confirm the participation.
    void storeParticipants(std::int64_t itemId, const std::vector<std::int32_t>& ids) const;
    void storeProjectTeam(std::int64_t projectId, const std::vector<std::int32_t>& ids) const;
    void requireClients(std::int64_t contactId, std::int64_t organizationId) const;

private:
    CallContext& m_call;
};

} // namespace orvdev
