// GetCalendarEvents: the signed-in user's events, tasks and to-dos that overlap a period.
//
// Answer:
// <Calendar Start="..." Finish="...">
//   <Event><Id/><Title/><Location/><Description/><StartDate/><EndDate/><PriorityId/><TypeId/>
//          <Reminder/><ProjectId/><ProjectTitle/><Organizer>(User)</Organizer><Participants>(User*)</Participants></Event>
//   <Task> ...same, with <IsMilestone/> and without Location, TypeId and Reminder... </Task>
//   <ToDo> ...same, with <HasStartDate/> and <HasEndDate/> from the date flags... </ToDo>
// </Calendar>
// The user takes part as creator, manager/organizer or participant; entries are ordered by start.
#include "services/AnswerXml.h"
#include "services/MethodRegistry.h"
#include "store/Database.h"

namespace orvdev {
namespace {

void addEntries(CallContext& call, pugi::xml_node root, const char* kind, const char* element)
{
    const std::string start = call.dateTime("startDate");
    const std::string finish = call.dateTime("finishDate");
    Database& db = call.db;
    db.each("SELECT i.id, i.title, COALESCE(i.location, ''), COALESCE(i.description, ''), i.start_date,"
            " COALESCE(i.finish_date, i.start_date), COALESCE(i.priority_id, 0), COALESCE(i.type_id, 0),"
            " COALESCE(i.reminder, -1), COALESCE(i.project_id, 0), COALESCE(p.title, ''), i.manager_id,"
            " COALESCE(i.is_milestone, 0), COALESCE(i.date_flags, 3)"
            " FROM items i LEFT JOIN projects p ON p.id = i.project_id"
            " WHERE i.kind = ?1 AND i.start_date <= ?3 AND COALESCE(i.finish_date, i.start_date) >= ?2"
            " AND (i.creator_id = ?4 OR i.manager_id = ?4 OR EXISTS (SELECT 1 FROM item_participants x"
            " WHERE x.item_id = i.id AND x.user_id = ?4)) ORDER BY i.start_date, i.id",
            {std::string(kind), start, finish, call.user.id}, [&](const Row& r) {
                auto entry = root.append_child(element);
                const std::string k = kind;
                AnswerXml::add(entry, "Id", r.i(0));
                AnswerXml::add(entry, "Title", r.s(1));
                if (k == "event")
                    AnswerXml::add(entry, "Location", r.s(2));
                AnswerXml::add(entry, "Description", r.s(3));
                AnswerXml::add(entry, "StartDate", r.s(4));
                AnswerXml::add(entry, "EndDate", r.s(5));
                AnswerXml::add(entry, "PriorityId", r.i(6));
                if (k == "event") {
                    AnswerXml::add(entry, "TypeId", r.i(7));
                    AnswerXml::add(entry, "Reminder", r.i(8));
                }
                if (k == "task")
                    AnswerXml::add(entry, "IsMilestone", AnswerXml::boolText(r.i(12) != 0));
                if (k == "todo") {
                    AnswerXml::add(entry, "HasStartDate", AnswerXml::boolText((r.i(13) & 1) != 0));
                    AnswerXml::add(entry, "HasEndDate", AnswerXml::boolText((r.i(13) & 2) != 0));
                }
                AnswerXml::add(entry, "ProjectId", r.i(9));
                AnswerXml::add(entry, "ProjectTitle", r.s(10));
                AnswerXml::addUser(entry.append_child("Organizer"), db, r.i(11), false);
                auto participants = entry.append_child("Participants");
                db.each("SELECT user_id FROM item_participants WHERE item_id = ? ORDER BY position", {r.i(0)},
                        [&](const Row& p) { AnswerXml::addUser(participants, db, p.i(0), false); });
            });
}

std::optional<Value> getCalendarEvents(CallContext& call)
{
    if (call.dateTime("finishDate") < call.dateTime("startDate"))
        throw StatusError("The end of the period is before its start.");
    AnswerXml answer("Calendar");
    answer.root().append_attribute("Start").set_value(call.dateTime("startDate").c_str());
    answer.root().append_attribute("Finish").set_value(call.dateTime("finishDate").c_str());
    if (call.flag("includeEvents"))
        addEntries(call, answer.root(), "event", "Event");
    if (call.flag("includeTasks"))
        addEntries(call, answer.root(), "task", "Task");
    if (call.flag("includeToDos"))
        addEntries(call, answer.root(), "todo", "ToDo");
    return Value::ofString(answer.text());
}

} // namespace

void registerCalendarMethods(MethodRegistry& registry)
{
    registry.add("GetCalendarEvents", 40, getCalendarEvents);
}

} // namespace orvdev
