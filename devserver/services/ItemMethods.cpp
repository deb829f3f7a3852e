// The create calls of incidents, tasks, events and to-dos, in their plain and 4.5 forms.
#include "services/MethodRegistry.h"
#include "services/ObjectRefs.h"

namespace orvdev {
namespace {

SqlValue numOrNull(CallContext& call, const char* name)
{
    return call.has(name) ? SqlValue(call.num(name)) : nullptr;
}

SqlValue textOrNull(CallContext& call, const char* name)
{
    return call.has(name) ? SqlValue(call.str(name)) : SqlValue(nullptr);
}

SqlValue dateOrNull(CallContext& call, const char* name)
{
    return call.has(name) ? SqlValue(call.dateTime(name)) : SqlValue(nullptr);
}

// One item from whatever arguments the method has; names absent from the method are stored as NULL.
std::optional<Value> createItem(CallContext& call, const char* kind, int objectType)
{
    ObjectRefs refs(call);
    const std::string title = call.str("title");
    refs.requireTitle(title);
    SqlValue project = refs.project(call.num("projectId"));
    if (call.has("managerId"))
        refs.requireUser(call.num("managerId"), "manager");
    // A to-do's dates only count when its date flags say so (1 start, 2 finish).
    const bool datesCount = !call.has("dateFlags") || call.num("dateFlags") == 3;
    if (datesCount && call.has("startDate") && call.has("finishDate") &&
        call.dateTime("finishDate") < call.dateTime("startDate"))
        throw StatusError("The finish date is before the start date.");
    if (call.has("startDate") && call.has("endDate") && call.dateTime("endDate") < call.dateTime("startDate"))
        throw StatusError("The end date is before the start date.");
    std::int64_t contact = call.has("contactId") ? call.num("contactId") : -1;
    std::int64_t organization = call.has("organizationId") ? call.num("organizationId") : -1;
    refs.requireClients(contact, organization);
    if (call.has("categories"))
        refs.requireCategories(objectType, call.ints("categories"));

    std::int64_t id = 0;
    call.db.transaction([&] {
        id = call.db.insert(
            "INSERT INTO items(kind, title, description, location, project_id, creator_id, manager_id, "
            "type_id,"
            " priority_id, severity_id, box_id, completion_type_id, start_date, finish_date, date_flags,"
            " is_milestone, must_confirm, reminder, contact_id, organization_id, created_at, created_by)"
            " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {std::string(kind),
             title,
             call.str("description"),
             textOrNull(call, "location"),
             project,
             call.user.id,
             call.has("managerId") ? SqlValue(call.num("managerId")) : SqlValue(call.user.id),
             numOrNull(call, "typeId"),
             numOrNull(call, "priorityId"),
             numOrNull(call, "severityId"),
             numOrNull(call, "incidentBoxId"),
             numOrNull(call, "completionTypeId"),
             call.has("startDate") ? dateOrNull(call, "startDate") : SqlValue(CallContext::now()),
             call.has("finishDate") ? dateOrNull(call, "finishDate") : dateOrNull(call, "endDate"),
             numOrNull(call, "dateFlags"),
             numOrNull(call, "isMilestone"),
             numOrNull(call, "mustBeConfirmed"),
             numOrNull(call, "reminder"),
             refs.optionalId(contact),
             refs.optionalId(organization),
             CallContext::now(),
             call.method()});
        if (call.has("categories"))
            refs.storeCategories(objectType, id, call.ints("categories"));
        if (call.has("participants"))
            refs.storeParticipants(id, call.ints("participants"));
    });
    return Value::ofInt(id);
}

MethodHandler creator(const char* kind, int objectType)
{
    return [kind, objectType](CallContext& call) { return createItem(call, kind, objectType); };
}

} // namespace

void registerItemMethods(MethodRegistry& registry)
{
    registry.add("CreateIncident", 35, creator("incident", 7));
    registry.add("CreateIncident45", 45, creator("incident", 7));
    registry.add("CreateTask", 35, creator("task", 5));
    registry.add("CreateEvent", 35, creator("event", 4));
    registry.add("CreateEvent45", 45, creator("event", 4));
    registry.add("CreateToDo", 35, creator("todo", 6));
    registry.add("CreateToDo45", 45, creator("todo", 6));
}

} // namespace orvdev
