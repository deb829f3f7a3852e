// LoadDictionaries: the pick lists of one kind of object, the current user's flags and time offset.
#include "services/AnswerXml.h"
#include "services/MethodRegistry.h"
#include "store/Database.h"

namespace orvdev {
namespace {

void addItems(pugi::xml_node root, Database& db, const char* dictionary)
{
    auto list = root.append_child(dictionary);
    db.each("SELECT id, value FROM dictionary_items WHERE dictionary = ? ORDER BY sort, id", {dictionary},
            [&](const Row& r) {
                auto item = list.append_child("Item");
                AnswerXml::add(item, "Value", r.s(1));
                AnswerXml::add(item, "Data", r.i(0));
            });
}

void addClients(pugi::xml_node root, Database& db, const std::string& prefix)
{
    auto organizations = root.append_child((prefix + "Organization").c_str());
    db.each("SELECT id, name FROM organizations ORDER BY name, id", {}, [&](const Row& r) {
        auto item = organizations.append_child("Item");
        AnswerXml::add(item, "Value", r.s(1));
        AnswerXml::add(item, "Data", r.i(0));
    });
    auto contacts = root.append_child((prefix + "Contact").c_str());
    db.each("SELECT id, name FROM contacts ORDER BY name, id", {}, [&](const Row& r) {
        auto item = contacts.append_child("Item");
        AnswerXml::add(item, "Value", r.s(1));
        AnswerXml::add(item, "Data", r.i(0));
    });
}

// Before 4.5 the project client list is one dictionary; organizations carry negative ids.
void addProjectClient(pugi::xml_node root, Database& db)
{
    auto list = root.append_child("ProjectClient");
    db.each("SELECT -id, name FROM organizations UNION ALL SELECT id, name FROM contacts ORDER BY 2, 1", {},
            [&](const Row& r) {
                auto item = list.append_child("Item");
                AnswerXml::add(item, "Value", r.s(1));
                AnswerXml::add(item, "Data", r.i(0));
            });
}

void addUsers(pugi::xml_node root, CallContext& call, const char* name, const char* where)
{
    auto list = root.append_child(name);
    call.db.each(
        std::string("SELECT id, first_name, last_name FROM users WHERE active = 1 AND (") + where +
            ") ORDER BY last_name, first_name",
        {}, [&](const Row& r) { AnswerXml::addUser(list, r.i(0), r.s(1), r.s(2), r.i(0) == call.user.id); });
}

void addCurrentUser(pugi::xml_node root, CallContext& call)
{
    if (!call.version.atLeast(40))
        return; // 3.5 servers do not describe the user
    auto current = root.append_child("CurrentUser");
    AnswerXml::add(current, "UserId", call.user.id);
    AnswerXml::add(current, "IsAdmin", AnswerXml::boolText(call.user.isAdmin));
    AnswerXml::add(current, "IsPM", AnswerXml::boolText(call.user.isPM));
    AnswerXml::add(current, "IsPPM", AnswerXml::boolText(call.user.isPPM));
    AnswerXml::add(current, "IsHDM", AnswerXml::boolText(call.user.isHDM));
    if (call.version.atLeast(45))
        AnswerXml::add(current, "TimeOffset", call.user.timeOffset);
}

std::optional<Value> loadDictionaries(CallContext& call)
{
    AnswerXml answer("Dictionaries");
    auto root = answer.root();
    Database& db = call.db;
    const bool clients45 = call.version.atLeast(45);
    addCurrentUser(root, call);
    switch (call.num("objectTypeId")) {
    case 7: // incident
        addItems(root, db, "Priority");
        addItems(root, db, "IncidentType");
        addItems(root, db, "Severity");
        if (clients45) {
            addClients(root, db, "Incident");
            addItems(root, db, "IncidentBox");
        }
        break;
    case 5: // task
        addItems(root, db, "Priority");
        addItems(root, db, "CompletionType");
        break;
    case 4: // event
        addItems(root, db, "Priority");
        addItems(root, db, "EventType");
        addUsers(root, call, "Organizers", "1");
        if (clients45)
            addClients(root, db, "Event");
        break;
    case 6: // to-do
        addItems(root, db, "Priority");
        addItems(root, db, "CompletionType");
        if (clients45)
            addClients(root, db, "ToDo");
        break;
    case 15: // list
        addItems(root, db, "ListType");
        addItems(root, db, "ListStatus");
        addItems(root, db, "ListTemplate");
        break;
    case 3: // project
        addItems(root, db, "ProjectType");
        addClients(root, db, "Project");
        if (!clients45)
            addProjectClient(root, db);
        addItems(root, db, "ProjectStatus");
        addItems(root, db, "ProjectCalendar");
        addUsers(root, call, "ProjectManager", "is_pm = 1 OR is_ppm = 1 OR is_admin = 1");
        addUsers(root, call, "ExecutiveManager", "is_ppm = 1 OR is_admin = 1");
        addItems(root, db, "ProjectCurrency");
        if (call.version.atLeast(40)) {
            auto templates = root.append_child("ProjectTemplate");
            db.each("SELECT id, name FROM project_templates ORDER BY name", {}, [&](const Row& r) {
                auto item = templates.append_child("Item");
                AnswerXml::add(item, "Value", r.s(1));
                AnswerXml::add(item, "Data", r.i(0));
            });
            addItems(root, db, "ProjectPriority");
            addItems(root, db, "ProjectPortfolio");
            addItems(root, db, "ProjectPhase");
        }
        break;
    default: // -1 (calendar), 0 and others: the user alone
        break;
    }
    return Value::ofString(answer.text());
}

} // namespace

void registerDirectoryMethods(MethodRegistry& registry)
{
    registry.add("LoadDictionaries", 35, loadDictionaries);
}

} // namespace orvdev
