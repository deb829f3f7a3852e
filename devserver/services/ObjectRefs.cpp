#include "services/ObjectRefs.h"

#include <cstdlib>

namespace orvdev {

void ObjectRefs::requireTitle(const std::string& title) const
{
    if (title.find_first_not_of(" \t\r\n") == std::string::npos)
        throw StatusError("The title is required.");
}

SqlValue ObjectRefs::project(std::int64_t projectId) const
{
    if (projectId == 0 || projectId == -1)
        return nullptr;
    std::int64_t id = std::llabs(projectId);
    if (!m_call.db.scalar("SELECT 1 FROM projects WHERE id = ?", {id}))
        throw StatusError("Project " + std::to_string(projectId) + " does not exist.");
    return id;
}

SqlValue ObjectRefs::optionalId(std::int64_t id) const
{
    if (id == 0 || id == -1)
        return nullptr;
    return id;
}

void ObjectRefs::requireUser(std::int64_t userId, const char* role) const
{
    if (!m_call.db.scalar("SELECT 1 FROM users WHERE id = ? AND active = 1", {userId}))
        throw StatusError(std::string("The ") + role + " (user " + std::to_string(userId) +
                          ") does not exist.");
}

void ObjectRefs::requireCategories(int objectType, const std::vector<std::int32_t>& ids) const
{
    for (auto id : ids)
        if (!m_call.db.scalar("SELECT 1 FROM categories WHERE id = ? AND object_type = ?",
                              {static_cast<std::int64_t>(id), static_cast<std::int64_t>(objectType)}))
            throw StatusError("Category " + std::to_string(id) + " does not exist for this kind of object.");
}

void ObjectRefs::storeCategories(int objectType, std::int64_t objectId,
                                 const std::vector<std::int32_t>& ids) const
{
    for (auto id : ids)
        m_call.db.exec("INSERT INTO object_categories(object_type, object_id, category_id) VALUES(?, ?, ?)",
                       {static_cast<std::int64_t>(objectType), objectId, static_cast<std::int64_t>(id)});
}

void ObjectRefs::storeParticipants(std::int64_t itemId, const std::vector<std::int32_t>& ids) const
{
    std::int64_t position = 0;
    for (auto id : ids) {
        std::int64_t user = std::llabs(static_cast<std::int64_t>(id));
        requireUser(user, "participant");
        m_call.db.exec(
            "INSERT INTO item_participants(item_id, position, user_id, must_confirm) VALUES(?, ?, ?, ?)",
            {itemId, position++, user, static_cast<std::int64_t>(id < 0)});
    }
}

void ObjectRefs::storeProjectTeam(std::int64_t projectId, const std::vector<std::int32_t>& ids) const
{
    for (auto id : ids) {
        std::int64_t user = std::llabs(static_cast<std::int64_t>(id));
        requireUser(user, "team member");
        m_call.db.exec(
            "INSERT OR REPLACE INTO project_members(project_id, user_id, must_confirm) VALUES(?, ?, ?)",
            {projectId, user, static_cast<std::int64_t>(id < 0)});
    }
}

void ObjectRefs::requireClients(std::int64_t contactId, std::int64_t organizationId) const
{
    if (contactId > 0 && !m_call.db.scalar("SELECT 1 FROM contacts WHERE id = ?", {contactId}))
        throw StatusError("Contact " + std::to_string(contactId) + " does not exist.");
    if (organizationId > 0 && !m_call.db.scalar("SELECT 1 FROM organizations WHERE id = ?", {organizationId}))
        throw StatusError("Organization " + std::to_string(organizationId) + " does not exist.");
}

} // namespace orvdev
