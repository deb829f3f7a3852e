// The create calls: each stores everything it was sent and returns the new id.
#include "support/HttpCheck.h"
#include "support/SoapCall.h"
#include "support/WebSession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

using namespace orvdev::test;
using ::testing::HasSubstr;

namespace {

struct CreateCase
{
    const char *name, *version, *method;
    std::string args, viewPath; // the view's path is followed by the new id
    std::string inView;         // '|'-separated texts the web view must show
    std::string journalArgs;    // the journaled argument list, when checked
};

const std::string start = "startDate=2026-03-02T09:30:00",
                  incidents = "Incidents/IncidentView.aspx?IncidentId=",
                  events = "Events/EventView.aspx?EventID=", todos = "ToDo/ToDoView.aspx?ToDoID=";

const CreateCase cases[] = {
    {"Incident45", "4.7", "CreateIncident45",
     "title=Printer jams|description=Tray 2 <again> & again|projectId=1|typeId=7|priorityId=3|severityId=12|"
     "categories=[1,3]|incidentBoxId=14|contactId=-1|organizationId=4",
     incidents,
     "Printer jams|Tray 2 &lt;again&gt; &amp; again|Website Relaunch|Hardware, Network|Pinecrest Bank|High",
     R"(["Printer jams", "Tray 2 <again> & again", 1, 7, 3, 12, [1, 3], 14, -1, 4])"},
    {"IncidentOld", "4.1", "CreateIncident",
     "title=Old style|description=|projectId=0|typeId=7|priorityId=2|severityId=12|categories=[]", incidents,
     "Old style", R"(["Old style", "", 0, 7, 2, 12, []])"},
    {"Task", "4.7", "CreateTask",
     "title=Write tests|description=d|projectId=2|" + start +
         "|finishDate=2026-03-04T17:00:00|isMilestone=true|priorityId=2|completionTypeId=17|mustBeConfirmed="
         "false|"
         "participants=[3,-6]",
     "Tasks/TaskView.aspx?TaskID=",
     "Write tests|ERP Migration|2026-03-02T09:30:00|2026-03-04T17:00:00|Ursula Brandt</li>|Daniel Okafor "
     "(must confirm)",
     R"(["Write tests", "d", 2, "2026-03-02T09:30:00", "2026-03-04T17:00:00", true, 2, 17, )"
     R"(false, [3, -6]])"},
    {"Event45", "4.5", "CreateEvent45",
     "title=Kick-off|location=Room 1|description=|projectId=-4|managerId=2|" + start +
         "|endDate=2026-03-02T10:30:00|priorityId=2|typeId=19|reminder=60|contactId=2|organizationId=-1|"
         "participants=[1,2]",
     events, "Kick-off|Room 1|Warehouse Automation|Peter Marsh|60|Beatrice Lang|Meeting",
     R"(["Kick-off", "Room 1", "", -4, 2, "2026-03-02T09:30:00", "2026-03-02T10:30:00", )"
     R"(2, 19, 60, 2, -1, [1, 2]])"},
    {"EventOld", "3.5", "CreateEvent",
     "title=Old event|location=|description=|projectId=0|managerId=1|" + start +
         "|endDate=2026-03-02T10:30:00|priorityId=2|typeId=19|reminder=-1|participants=[]",
     events, "Old event|-1", ""},
    {"ToDo45", "4.7", "CreateToDo45",
     "title=Call back|description=|projectId=0|managerId=4|" + start +
         "|finishDate=2026-03-01T00:00:00|dateFlags=0|priorityId=2|completionTypeId=17|mustBeConfirmed=true|"
         "contactId=-1|organizationId=-1|participants=[-5]",
     todos, "Call back|Jonathan Cole|Miriam Hale (must confirm)", ""},
    {"ToDoOld", "4.0", "CreateToDo",
     "title=Old to-do|description=|projectId=3|managerId=1|" + start +
         "|finishDate=2026-03-05T00:00:00|dateFlags=3|priorityId=2|completionTypeId=17|mustBeConfirmed=false|"
         "participants=[]",
     todos, "Old to-do|Trade Fair 2027", ""},
};

class CreateCall : public ::testing::TestWithParam<CreateCase>
{
};

} // namespace

TEST_P(CreateCall, StoresWhatWasSentAndShowsIt)
{
    const CreateCase& c = GetParam();
    ServerProcess server({"--server-version", c.version});
    SoapClient client(server);
    const std::vector<Arg> args = argList(c.args);
    auto answer = client.call(c.method, args);
    ASSERT_EQ(answer.state, "OK") << answer.body;
    const std::string id = answer.result;
    ASSERT_GT(std::stoi(id), 0);
    for (const auto& a : args) { // by-reference arguments come back as sent
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
    auto page = web.get("/portals/p/" + c.viewPath + id + "&Tab=General");
    ASSERT_TRUE(answered(page, 200));
    for (const auto& snippet : split(c.inView))
        EXPECT_THAT(page->body, HasSubstr(snippet));
    EXPECT_NE(client.call(c.method, args).result, id); // a second call gets a new id
}

INSTANTIATE_TEST_SUITE_P(Calls, CreateCall, ::testing::ValuesIn(cases),
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
    auto participants = client.call(
        "CreateTask",
        argList("title=t|description=|projectId=0|" + start +
                "|finishDate=2026-03-03T00:00:00|isMilestone=false|priorityId=2|completionTypeId=17|"
                "mustBeConfirmed=false|participants=[3,9999]"));
    EXPECT_EQ(participants.state, "The participant (user 9999) does not exist.");
    // Nothing half-stored: the next incident follows the last good one.
    EXPECT_EQ(std::stoi(incident("y", -1, {}).result), std::stoi(ok.result) + 1);
}

TEST(CreateProjects, ThreeGenerationsAndTemplateRoles)
{
    const std::string head = "title=New Plant|description=desc|goals=g|scope=s|deliverables=d|managerId=2|"
                             "executiveManagerId=0|" +
                             start + "|finishDate=2026-06-30T17:00:00|statusId=38|typeId=33|calendarId=43|",
                      tail = "|priorityId=50|phaseId=56|categories=[16]|participants=[3,-7]|portfolios=[53]";
    for (const auto& [version, method, args] : std::vector<std::array<std::string, 3>>{
             {"3.5", "CreateProject", head + "clientId=-2|currencyId=46|categories=[16]|participants=[3,-7]"},
             {"4.0", "CreateProject40", head + "clientId=-2|currencyId=46" + tail},
             {"4.7", "CreateProject45", head + "contactId=-1|organizationId=2|currencyId=46" + tail}}) {
        SCOPED_TRACE(version);
        ServerProcess server({"--server-version", version});
        SoapClient client(server);
        auto created = client.call(method, argList(args));
        ASSERT_EQ(created.state, "OK") << created.body;
        const std::string id = created.result;
        EXPECT_EQ(select(client.call("GetResourceListByProject", {num("projectId", std::stoi(id))}).answer(),
                         "Resources/User/LastName"),
                  (std::vector<std::string>{"Brandt", "Marsh", "Nguyen"}));
        auto list = client.call("GetOrvProjectList2", {num("objectTypeId", 3)}).answer();
        EXPECT_EQ(selectOne(list, "Projects/Project[ObjectID=" + id + "]/Title"), "New Plant");
        EXPECT_EQ(selectOne(list, "Projects/Project[ObjectID=" + id + "]/Manager/User/LastName"), "Marsh");
        if (version == "3.5")
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
