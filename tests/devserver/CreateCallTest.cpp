// The create calls: each stores everything it was sent and returns the new id.
#include "support/SoapCall.h"
#include "support/WebSession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace orvdev::test;
using ::testing::HasSubstr;

namespace {

struct CreateCase
{
    const char* name;
    const char* version;
    const char* method;
    std::vector<Arg> args;
    std::string viewPath;            // followed by the new id
    std::vector<std::string> inView; // texts the web view must show
    std::string journalArgs;         // the journaled argument list
};

const Arg start = text("startDate", "2026-03-02T09:30:00");

std::vector<CreateCase> cases()
{
    const std::string incidents = "/portals/p/Incidents/IncidentView.aspx?IncidentId=";
    const std::string events = "/portals/p/Events/EventView.aspx?EventID=",
                      todos = "/portals/p/ToDo/ToDoView.aspx?ToDoID=";
    return {
        {"Incident45",
         "4.7",
         "CreateIncident45",
         {text("title", "Printer jams"), text("description", "Tray 2 <again> & again"), num("projectId", 1),
          num("typeId", 7), num("priorityId", 3), num("severityId", 12), ints("categories", {1, 3}),
          num("incidentBoxId", 14), num("contactId", -1), num("organizationId", 4)},
         incidents,
         {"Printer jams", "Tray 2 &lt;again&gt; &amp; again", "Website Relaunch", "Hardware, Network",
          "Pinecrest Bank", "High"},
         "[\"Printer jams\", \"Tray 2 <again> & again\", 1, 7, 3, 12, [1, 3], 14, -1, 4]"},
        {"IncidentOld",
         "4.1",
         "CreateIncident",
         {text("title", "Old style"), text("description", ""), num("projectId", 0), num("typeId", 7),
          num("priorityId", 2), num("severityId", 12), raw("categories", "")},
         incidents,
         {"Old style"},
         "[\"Old style\", \"\", 0, 7, 2, 12, []]"},
        {"Task",
         "4.7",
         "CreateTask",
         {text("title", "Write tests"), text("description", "d"), num("projectId", 2), start,
          text("finishDate", "2026-03-04T17:00:00"), text("isMilestone", "true"), num("priorityId", 2),
          num("completionTypeId", 17), text("mustBeConfirmed", "false"), ints("participants", {3, -6})},
         "/portals/p/Tasks/TaskView.aspx?TaskID=",
         {"Write tests", "ERP Migration", "2026-03-02T09:30:00", "2026-03-04T17:00:00", "Ursula Brandt</li>",
          "Daniel Okafor (must confirm)"},
         "[\"Write tests\", \"d\", 2, \"2026-03-02T09:30:00\", \"2026-03-04T17:00:00\", true, 2, 17, false, "
         "[3, -6]]"},
        {"Event45",
         "4.5",
         "CreateEvent45",
         {text("title", "Kick-off"), text("location", "Room 1"), text("description", ""),
          num("projectId", -4), num("managerId", 2), start, text("endDate", "2026-03-02T10:30:00"),
          num("priorityId", 2), num("typeId", 19), num("reminder", 60), num("contactId", 2),
          num("organizationId", -1), ints("participants", {1, 2})},
         events,
         {"Kick-off", "Room 1", "Warehouse Automation", "Peter Marsh", "60", "Beatrice Lang", "Meeting"},
         "[\"Kick-off\", \"Room 1\", \"\", -4, 2, \"2026-03-02T09:30:00\", \"2026-03-02T10:30:00\", 2, 19, "
         "60, 2, "
         "-1, [1, 2]]"},
        {"EventOld",
         "3.5",
         "CreateEvent",
         {text("title", "Old event"), text("location", ""), text("description", ""), num("projectId", 0),
          num("managerId", 1), start, text("endDate", "2026-03-02T10:30:00"), num("priorityId", 2),
          num("typeId", 19), num("reminder", -1), ints("participants", {})},
         events,
         {"Old event", "-1"},
         ""},
        {"ToDo45",
         "4.7",
         "CreateToDo45",
         {text("title", "Call back"), text("description", ""), num("projectId", 0), num("managerId", 4),
          start, text("finishDate", "2026-03-01T00:00:00"), num("dateFlags", 0), num("priorityId", 2),
          num("completionTypeId", 17), text("mustBeConfirmed", "true"), num("contactId", -1),
          num("organizationId", -1), ints("participants", {-5})},
         todos,
         {"Call back", "Jonathan Cole", "Miriam Hale (must confirm)"},
         ""},
        {"ToDoOld",
         "4.0",
         "CreateToDo",
         {text("title", "Old to-do"), text("description", ""), num("projectId", 3), num("managerId", 1),
          start, text("finishDate", "2026-03-05T00:00:00"), num("dateFlags", 3), num("priorityId", 2),
          num("completionTypeId", 17), text("mustBeConfirmed", "false"), ints("participants", {})},
         todos,
         {"Old to-do", "Trade Fair 2027"},
         ""},
    };
}

class CreateCall : public ::testing::TestWithParam<CreateCase>
{
};

} // namespace

TEST_P(CreateCall, StoresWhatWasSentAndShowsIt)
{
    const CreateCase& c = GetParam();
    ServerProcess server({"--server-version", c.version});
    SoapClient client(server);
    auto answer = client.call(c.method, c.args);
    ASSERT_EQ(answer.state, "OK") << answer.body;
    const std::string id = answer.result;
    ASSERT_GT(std::stoi(id), 0);
    for (const auto& a : c.args) { // by-reference arguments come back as sent
        if (a.name == "contactId" || a.name == "organizationId" || a.name == "dateFlags") {
            EXPECT_EQ(answer.echo(a.name), a.innerXml) << a.name;
        }
    }
    EXPECT_EQ(jsonField(server.lastJournalLine(), "method"), c.method);
    if (!c.journalArgs.empty()) {
        EXPECT_EQ(jsonField(server.lastJournalLine(), "args"), c.journalArgs);
    }

    WebSession web(server);
    ASSERT_EQ(web.signIn("admin@127.0.0.1", "admin"), 302);
    auto page = web.get(c.viewPath + id + "&Tab=General");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    for (const auto& snippet : c.inView)
        EXPECT_THAT(page->body, HasSubstr(snippet));
    EXPECT_NE(client.call(c.method, c.args).result, id); // a second call gets a new id
}

INSTANTIATE_TEST_SUITE_P(Calls, CreateCall, ::testing::ValuesIn(cases()),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(CreateCalls, RefusalsStoreNothing)
{
    ServerProcess server;
    SoapClient client(server);
    auto incident = [&](const std::string& title, long long project, std::vector<long long> categories) {
        return client.call("CreateIncident45", incidentArgs(title, project, categories));
    };
    EXPECT_EQ(incident("  ", -1, {}).state, "The title is required.");
    EXPECT_EQ(incident("x", 999, {}).state, "Project 999 does not exist.");
    EXPECT_EQ(incident("x", -1, {5}).state, "Category 5 does not exist for this kind of object.");
    auto ok = incident("x", -1, {});
    ASSERT_EQ(ok.state, "OK");
    EXPECT_EQ(incident("  ", -1, {}).result, "0");
    auto participants =
        client.call("CreateTask", {text("title", "t"), text("description", ""), num("projectId", 0), start,
                                   text("finishDate", "2026-03-03T00:00:00"), text("isMilestone", "false"),
                                   num("priorityId", 2), num("completionTypeId", 17),
                                   text("mustBeConfirmed", "false"), ints("participants", {3, 9999})});
    EXPECT_EQ(participants.state, "The participant (user 9999) does not exist.");
    // Nothing half-stored: the next incident follows the last good one.
    EXPECT_EQ(std::stoi(incident("y", -1, {}).result), std::stoi(ok.result) + 1);
}

TEST(CreateProjects, ThreeGenerationsAndTemplateRoles)
{
    for (const auto& [version, method] : std::vector<std::pair<std::string, std::string>>{
             {"3.5", "CreateProject"}, {"4.0", "CreateProject40"}, {"4.7", "CreateProject45"}}) {
        SCOPED_TRACE(version);
        ServerProcess server({"--server-version", version});
        SoapClient client(server);
        const bool v35 = method == "CreateProject", v45 = method == "CreateProject45";
        std::vector<Arg> args = {text("title", "New Plant"),
                                 text("description", "desc"),
                                 text("goals", "g"),
                                 text("scope", "s"),
                                 text("deliverables", "d"),
                                 num("managerId", 2),
                                 num("executiveManagerId", 0),
                                 start,
                                 text("finishDate", "2026-06-30T17:00:00"),
                                 num("statusId", 38),
                                 num("typeId", 33),
                                 num("calendarId", 43)};
        if (v45)
            args.insert(args.end(), {num("contactId", -1), num("organizationId", 2)});
        else
            args.push_back(num("clientId", -2));
        args.push_back(num("currencyId", 46));
        if (!v35)
            args.insert(args.end(), {num("priorityId", 50), num("phaseId", 56)});
        args.insert(args.end(), {ints("categories", {16}), ints("participants", {3, -7})});
        if (!v35)
            args.push_back(ints("portfolios", {53}));
        auto created = client.call(method, args);
        ASSERT_EQ(created.state, "OK") << created.body;
        const std::string id = created.result;
        EXPECT_EQ(select(client.call("GetResourceListByProject", {num("projectId", std::stoi(id))}).answer(),
                         "Resources/User/LastName"),
                  (std::vector<std::string>{"Brandt", "Marsh", "Nguyen"}));
        auto list = client.call("GetOrvProjectList2", {num("objectTypeId", 3)}).answer();
        EXPECT_EQ(selectOne(list, "Projects/Project[ObjectID=" + id + "]/Title"), "New Plant");
        EXPECT_EQ(selectOne(list, "Projects/Project[ObjectID=" + id + "]/Manager/User/LastName"), "Marsh");
        if (v35)
            continue;

        auto roles = client.call("GetRoleList", {num("templateId", 1)}).answer();
        auto roleIds = select(roles, "Roles/Role/RoleId");
        ASSERT_EQ(select(roles, "Roles/Role/RoleName"),
                  (std::vector<std::string>{"Developer", "Tester", "Business Analyst"}));
        auto apply = [&](long long templateId, const std::vector<std::string>& assignments) {
            return client.call("updateProjectFromTemplate",
                               {num("projectId", std::stoi(id)), num("templateId", templateId),
                                strings("assignments", assignments)});
        };
        auto applied = apply(1, {"3:" + roleIds[0], "10:" + roleIds[1]});
        ASSERT_EQ(applied.state, "OK");
        EXPECT_EQ(applied.result, "2");
        EXPECT_EQ(applied.echo("assignments"),
                  "<string>3:" + roleIds[0] + "</string><string>10:" + roleIds[1] + "</string>");
        EXPECT_EQ(apply(2, {"3:" + roleIds[0]}).state,
                  "Role " + roleIds[0] + " is not a role of template 2.");
        WebSession web(server);
        web.signIn("admin@127.0.0.1", "admin");
        auto page = web.get("/portals/p/Projects/ProjectView.aspx?ProjectId=" + id + "&Tab=1");
        ASSERT_TRUE(page);
        for (const char* shown : {"Ursula Brandt (Developer)", "Thomas Morgan (Tester)", "Infrastructure"})
            EXPECT_THAT(page->body, HasSubstr(shown));
    }
}
