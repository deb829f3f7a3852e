// The project lists of the item pages and of MS Project import and export.
#include "services/AnswerXml.h"
#include "services/MethodRegistry.h"
#include "store/Database.h"

namespace orvdev {
namespace {

std::string fullName(Database& db, std::int64_t userId)
{
    return db.text("SELECT first_name || ' ' || last_name FROM users WHERE id = ?", {userId}).value_or("");
}

// managedOnly: the projects the user may import into or export (manager, or everyone's for
// administrators); otherwise every project the user takes part in.
std::string projectList(CallContext& call, bool managedOnly)
{
    AnswerXml answer("Projects");
    Database& db = call.db;
    const std::int64_t me = call.user.id;
    std::string where;
    if (!call.user.seesAllProjects())
        where = managedOnly
                    ? " WHERE p.manager_id = ?1"
                    : " WHERE p.manager_id = ?1 OR p.executive_id = ?1 OR p.creator_id = ?1 OR EXISTS "
                      "(SELECT 1 FROM project_members m WHERE m.project_id = p.id AND m.user_id = ?1)";
    SqlParams params;
    if (!where.empty())
        params.push_back(me);
    db.each(
        "SELECT p.id, p.title, p.ms_project_sync, p.created_at, p.start_date, p.finish_date, p.creator_id,"
        " p.manager_id, p.description FROM projects p" +
            where + " ORDER BY p.title, p.id",
        params, [&](const Row& r) {
            auto project = answer.root().append_child("Project");
            const bool sync = r.i(2) != 0;
            AnswerXml::add(project, "Title", r.s(1));
            // Projects in MS Project synchronization mode are told apart by a negative id on 4.7.
            AnswerXml::add(project, "ObjectID", sync && call.version.atLeast(47) ? -r.i(0) : r.i(0));
            AnswerXml::add(project, "IsMSProject", AnswerXml::boolText(sync));
            AnswerXml::add(project, "DateCreated", r.s(3));
            AnswerXml::add(project, "StartDate", r.s(4));
            AnswerXml::add(project, "EndDate", r.s(5));
            AnswerXml::add(project, "Creator", fullName(db, r.i(6)));
            AnswerXml::add(project, "ManagerCanonName", fullName(db, r.i(7)));
            AnswerXml::add(project, "Description", r.s(8));
            AnswerXml::addUser(project.append_child("Manager"), db, r.i(7), false);
        });
    auto managers = answer.root().append_child("Managers");
    db.each("SELECT id, first_name, last_name FROM users WHERE active = 1 ORDER BY last_name, first_name", {},
            [&](const Row& r) { AnswerXml::addUser(managers, r.i(0), r.s(1), r.s(2), r.i(0) == me); });
    return answer.text();
}

} // namespace

void registerProjectListMethods(MethodRegistry& registry)
{
    registry.add("GetOrvProjectList", 35, [](CallContext& call) -> std::optional<Value> {
        return Value::ofString(projectList(call, true));
    });
    registry.add("GetOrvProjectList2", 35, [](CallContext& call) -> std::optional<Value> {
        return Value::ofString(projectList(call, false));
    });
}

} // namespace orvdev
