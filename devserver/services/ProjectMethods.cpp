// Project creation in its three generations, and applying a template's roles afterwards.
#include "services/MethodRegistry.h"
#include "services/ObjectRefs.h"

#include <cstdlib>

namespace orvdev {
namespace {

SqlValue numOrNull(CallContext& call, const char* name)
{
    return call.has(name) ? SqlValue(call.num(name)) : nullptr;
}

std::optional<Value> createProject(CallContext& call)
{
    ObjectRefs refs(call);
    const std::string title = call.str("title");
    refs.requireTitle(title);
    refs.requireUser(call.num("managerId"), "project manager");
    if (call.num("executiveManagerId") > 0)
        refs.requireUser(call.num("executiveManagerId"), "executive manager");
    if (call.dateTime("finishDate") < call.dateTime("startDate"))
        throw StatusError("The finish date is before the start date.");
    // Before 4.5 one client id: negative for an organization, positive for a contact.
    std::int64_t contact = -1, organization = -1;
    if (call.has("clientId")) {
        std::int64_t client = call.num("clientId");
        if (client > 0)
            contact = client;
        if (client < 0)
            organization = -client;
    } else {
        contact = call.num("contactId");
        organization = call.num("organizationId");
    }
    refs.requireClients(contact, organization);
    refs.requireCategories(3, call.ints("categories"));

    std::int64_t id = 0;
    call.db.transaction([&] {
        id = call.db.insert(
            "INSERT INTO projects(title, description, goals, scope, deliverables, manager_id, executive_id,"
            " creator_id, created_at, start_date, finish_date, status_id, type_id, calendar_id, client_id,"
            " contact_id, organization_id, currency_id, priority_id, phase_id, created_by)"
            " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {title,
             call.str("description"),
             call.str("goals"),
             call.str("scope"),
             call.str("deliverables"),
             call.num("managerId"),
             refs.optionalId(call.num("executiveManagerId")),
             call.user.id,
             CallContext::now(),
             call.dateTime("startDate"),
             call.dateTime("finishDate"),
             call.num("statusId"),
             call.num("typeId"),
             call.num("calendarId"),
             numOrNull(call, "clientId"),
             refs.optionalId(contact),
             refs.optionalId(organization),
             call.num("currencyId"),
             numOrNull(call, "priorityId"),
             numOrNull(call, "phaseId"),
             call.method()});
        refs.storeCategories(3, id, call.ints("categories"));
        refs.storeProjectTeam(id, call.ints("participants"));
        call.db.exec("INSERT OR IGNORE INTO project_members(project_id, user_id) VALUES(?, ?)",
                     {id, call.num("managerId")});
        if (call.has("portfolios"))
            for (auto portfolio : call.ints("portfolios"))
                call.db.exec("INSERT INTO project_portfolios(project_id, portfolio_id) VALUES(?, ?)",
                             {id, static_cast<std::int64_t>(portfolio)});
    });
    return Value::ofInt(id);
}

// Assignments are "userId:roleId" texts; the roles must belong to the template.
std::optional<Value> updateProjectFromTemplate(CallContext& call)
{
    const std::int64_t projectId = std::llabs(call.num("projectId"));
    const std::int64_t templateId = call.num("templateId");
    if (!call.db.scalar("SELECT 1 FROM projects WHERE id = ?", {projectId}))
        throw StatusError("Project " + std::to_string(projectId) + " does not exist.");
    if (!call.db.scalar("SELECT 1 FROM project_templates WHERE id = ?", {templateId}))
        throw StatusError("Template " + std::to_string(templateId) + " does not exist.");
    std::vector<std::pair<std::int64_t, std::int64_t>> assignments;
    for (const auto& text : call.strings("assignments")) {
        auto colon = text.find(':');
        char *end1 = nullptr, *end2 = nullptr;
        std::string userText = text.substr(0, colon == std::string::npos ? 0 : colon);
        std::string roleText = colon == std::string::npos ? "" : text.substr(colon + 1);
        long long user = std::strtoll(userText.c_str(), &end1, 10);
        long long role = std::strtoll(roleText.c_str(), &end2, 10);
        if (userText.empty() || roleText.empty() || *end1 || *end2)
            throw StatusError("The assignment '" + text + "' is not of the form user:role.");
        if (!call.db.scalar("SELECT 1 FROM template_roles WHERE id = ? AND template_id = ?",
                            {role, templateId}))
            throw StatusError("Role " + roleText + " is not a role of template " +
                              std::to_string(templateId) + ".");
        ObjectRefs(call).requireUser(user, "assigned user");
        assignments.emplace_back(user, role);
    }
    call.db.transaction([&] {
        call.db.exec("UPDATE projects SET template_id = ? WHERE id = ?", {templateId, projectId});
        for (auto [user, role] : assignments)
            call.db.exec("INSERT INTO project_members(project_id, user_id, role_id) VALUES(?, ?, ?)"
                         " ON CONFLICT(project_id, user_id) DO UPDATE SET role_id = excluded.role_id",
                         {projectId, user, role});
    });
    return Value::ofInt(static_cast<std::int64_t>(assignments.size()));
}

} // namespace

void registerProjectMethods(MethodRegistry& registry)
{
    registry.add("CreateProject", 35, createProject);
    registry.add("CreateProject40", 40, createProject);
    registry.add("CreateProject45", 45, createProject);
    registry.add("updateProjectFromTemplate", 40, updateProjectFromTemplate);
}

} // namespace orvdev
