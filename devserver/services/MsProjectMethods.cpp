// MS Project exchange: the two import steps and the export of a project as MS Project XML.
#include "services/AnswerXml.h"
#include "services/MethodRegistry.h"
#include "services/ObjectRefs.h"
#include "services/PlanCalendars.h"

#include <cstdlib>

namespace orvdev {
namespace {

std::int64_t existingProject(CallContext& call, std::int64_t projectId)
{
    std::int64_t id = std::llabs(projectId);
    if (!call.db.scalar("SELECT 1 FROM projects WHERE id = ?", {id}))
        throw StatusError("Project " + std::to_string(projectId) + " does not exist.");
    return id;
}

// Step one keeps the plan and proposes a server user for every resource of the plan (same full name).
std::optional<Value> importStep1(CallContext& call)
{
    const std::int64_t projectId = existingProject(call, call.num("projectId"));
    const std::string plan = call.str("projectXml");
    pugi::xml_document doc;
    if (!doc.load_string(plan.c_str()) || !doc.child("Project"))
        throw StatusError("The plan is not an MS Project XML document.");
    std::int64_t documentId = 0;
    call.db.transaction([&] {
        documentId = call.db.insert("INSERT INTO msproject_documents(project_id, step, document, creator_id,"
                                    " created_at) VALUES(?, 1, ?, ?, ?)",
                                    {projectId, plan, call.user.id, CallContext::now()});
    });
    AnswerXml answer("ImportConfig");
    AnswerXml::add(answer.root(), "XMLVersionID", documentId);
    auto resources = answer.root().append_child("Resources");
    call.db.each(
        "SELECT id, first_name, last_name FROM users WHERE active = 1 ORDER BY last_name, first_name", {},
        [&](const Row& r) {
            auto user = resources.append_child("User");
            AnswerXml::add(user, "UserId", r.i(0));
            AnswerXml::add(user, "FirstName", r.s(1));
            AnswerXml::add(user, "LastName", r.s(2));
        });
    auto assignments = answer.root().append_child("ImportAssignments");
    for (auto resource : doc.child("Project").child("Resources").children("Resource")) {
        std::string name = resource.child("Name").text().get();
        if (name.empty())
            continue;
        auto assignment = assignments.append_child("Assignment");
        AnswerXml::add(assignment, "ResourceId", resource.child("UID").text().get());
        AnswerXml::add(assignment, "ResourceName", name);
        auto match =
            call.db.scalar("SELECT id FROM users WHERE active = 1 AND first_name || ' ' || last_name = ?"
                           " COLLATE NOCASE",
                           {name});
        AnswerXml::add(assignment, "UserId", match.value_or(-1));
    }
    return Value::ofString(answer.text());
}

// Step two: the assigned users join the project team; a negative id asks for synchronization mode.
std::optional<Value> importStep2(CallContext& call)
{
    const std::int64_t signedId = call.num("projectId");
    const std::int64_t projectId = existingProject(call, signedId);
    pugi::xml_document doc;
    if (!doc.load_string(call.str("importConfig").c_str()) || !doc.child("ImportConfig"))
        throw StatusError("The import configuration is not well-formed.");
    auto config = doc.child("ImportConfig");
    std::string version = config.child("XMLVersionID").text().get();
    if (!call.db.scalar("SELECT 1 FROM msproject_documents WHERE id = ? AND project_id = ? AND step = 1",
                        {std::atoll(version.c_str()), projectId}))
        throw StatusError("The import '" + version + "' does not belong to project " +
                          std::to_string(projectId) + ".");
    std::vector<std::int64_t> users;
    for (auto assignment : config.child("ImportAssignments").children("Assignment")) {
        std::int64_t user = std::atoll(assignment.child("UserId").text().get());
        if (user == -1)
            continue;
        ObjectRefs(call).requireUser(user, "assigned user");
        users.push_back(user);
    }
    call.db.transaction([&] {
        call.db.exec("INSERT INTO msproject_documents(project_id, step, document, creator_id, created_at)"
                     " VALUES(?, 2, ?, ?, ?)",
                     {projectId, call.str("importConfig"), call.user.id, CallContext::now()});
        for (auto user : users)
            call.db.exec("INSERT OR IGNORE INTO project_members(project_id, user_id) VALUES(?, ?)",
                         {projectId, user});
        if (signedId < 0)
            call.db.exec("UPDATE projects SET ms_project_sync = 1 WHERE id = ?", {projectId});
    });
    return Value::ofInt(projectId);
}

// The project as MS Project exports it: the summary task (UID 0) over the project's tasks with their
// outline levels and numbers, the project's calendar chain, and the team as resources, each with a
// calendar of its own based on the project's.
std::optional<Value> exportProject(CallContext& call)
{
    const std::int64_t projectId = existingProject(call, call.num("projectId"));
    AnswerXml answer("Project");
    auto project = answer.root();
    project.append_attribute("xmlns").set_value("http://schemas.microsoft.com/project");
    std::string title, start, finish;
    call.db.each("SELECT title, start_date, finish_date FROM projects WHERE id = ?", {projectId},
                 [&](const Row& r) {
                     title = r.s(0);
                     start = r.s(1);
                     finish = r.s(2);
                 });
    AnswerXml::add(project, "Name", title + ".xml");
    AnswerXml::add(project, "Title", title);
    AnswerXml::add(project, "ScheduleFromStart", std::int64_t(1));
    AnswerXml::add(project, "StartDate", start);
    AnswerXml::add(project, "FinishDate", finish);
    auto calendarUid = AnswerXml::add(project, "CalendarUID", std::int64_t(-1));
    PlanCalendars calendars(call.db, project.append_child("Calendars"));
    const std::int64_t projectCalendar = calendars.writeProjectChain(projectId);
    calendarUid.text().set(static_cast<long long>(projectCalendar));

    auto tasks = project.append_child("Tasks");
    auto summary = tasks.append_child("Task");
    AnswerXml::add(summary, "UID", std::int64_t(0));
    AnswerXml::add(summary, "ID", std::int64_t(0));
    AnswerXml::add(summary, "Name", title);
    AnswerXml::add(summary, "OutlineNumber", "0");
    AnswerXml::add(summary, "OutlineLevel", std::int64_t(0));
    AnswerXml::add(summary, "Start", start);
    AnswerXml::add(summary, "Finish", finish);
    AnswerXml::add(summary, "Summary", std::int64_t(1));
    AnswerXml::add(summary, "CalendarUID", std::int64_t(-1));
    std::int64_t uid = 1;
    call.db.each(
        "SELECT title, start_date, COALESCE(finish_date, start_date), COALESCE(is_milestone, 0) FROM items"
        " WHERE kind = 'task' AND project_id = ? ORDER BY start_date, id",
        {projectId}, [&](const Row& r) {
            auto task = tasks.append_child("Task");
            AnswerXml::add(task, "UID", uid);
            AnswerXml::add(task, "ID", uid);
            AnswerXml::add(task, "Name", r.s(0));
            AnswerXml::add(task, "WBS", std::to_string(uid));
            AnswerXml::add(task, "OutlineNumber", std::to_string(uid));
            AnswerXml::add(task, "OutlineLevel", std::int64_t(1));
            AnswerXml::add(task, "Start", r.s(1));
            AnswerXml::add(task, "Finish", r.s(2));
            AnswerXml::add(task, "Milestone", r.i(3));
            AnswerXml::add(task, "Summary", std::int64_t(0));
            AnswerXml::add(task, "CalendarUID", std::int64_t(-1)); // the project's calendar
            ++uid;
        });
    auto resources = project.append_child("Resources");
    uid = 1;
    call.db.each(
        "SELECT u.first_name || ' ' || u.last_name FROM project_members m JOIN users u ON u.id = m.user_id"
        " WHERE m.project_id = ? ORDER BY u.last_name",
        {projectId}, [&](const Row& r) {
            auto resource = resources.append_child("Resource");
            AnswerXml::add(resource, "UID", uid);
            AnswerXml::add(resource, "ID", uid++);
            AnswerXml::add(resource, "Name", r.s(0));
            AnswerXml::add(resource, "Type", std::int64_t(1));
            AnswerXml::add(resource, "CalendarUID", calendars.addResourceCalendar(r.s(0), projectCalendar));
        });
    return Value::ofString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + answer.text());
}

} // namespace

void registerMsProjectMethods(MethodRegistry& registry)
{
    registry.add("ImportMsProjectStep1", 35, importStep1);
    registry.add("ImportMsProjectStep2", 35, importStep2);
    registry.add("ExportOrvProject", 35, exportProject);
}

} // namespace orvdev
