// The object views. A created item keeps every value it was sent: its web view shows them (escaped),
// and a second call gets a new id. The calls' arguments as the wizard sends them are the end-to-end item
// runs' check.
#include "support/ServerTest.h"
#include "support/SoapCall.h"
#include "support/WebSession.h"

#include <gmock/gmock.h>

using namespace orvdev::test;

struct CreateCase
{
    const char *name, *method;
    std::string args, view, shown; // the view's path is followed by the new id; shown: '|'-separated
};

const std::string start = "startDate=2026-03-02T09:30:00|";
const CreateCase cases[] = {
    {"Incident", "CreateIncident45",
     "title=Printer jams|description=Tray 2 <again> & again|projectId=1|typeId=7|priorityId=3|severityId=12|"
     "categories=[1,3]|incidentBoxId=14|contactId=-1|organizationId=4",
     "Incidents/IncidentView.aspx?Tab=General&IncidentId=",
     "Printer jams|Tray 2 &lt;again&gt; &amp; again|Website Relaunch|Hardware, Network|Pinecrest Bank|High"},
    {"Task", "CreateTask",
     "title=Write tests|description=d|projectId=2|" + start +
         "finishDate=2026-03-04T17:00:00|isMilestone=true|priorityId=2|completionTypeId=17|"
         "mustBeConfirmed=false|participants=[3,-6]",
     "Tasks/TaskView.aspx?Tab=General&TaskID=",
     "Write tests|ERP Migration|2026-03-02T09:30:00|2026-03-04T17:00:00|Ursula Brandt</li>|Daniel Okafor "
     "(must confirm)"},
    {"Event", "CreateEvent45",
     "title=Kick-off|location=Room 1|description=|projectId=-4|managerId=2|" + start +
         "endDate=2026-03-02T10:30:00|priorityId=2|typeId=19|reminder=60|contactId=2|organizationId=-1|"
         "participants=[1,2]",
     "Events/EventView.aspx?Tab=General&EventID=",
     "Kick-off|Room 1|Warehouse Automation|Peter Marsh|60|Beatrice Lang|Meeting"},
    {"ToDo", "CreateToDo45",
     "title=Call back|description=|projectId=3|managerId=4|" + start +
         "finishDate=2026-03-01T00:00:00|dateFlags=0|priorityId=2|completionTypeId=17|mustBeConfirmed=true|"
         "contactId=-1|organizationId=-1|participants=[-5]",
     "ToDo/ToDoView.aspx?Tab=General&ToDoID=",
     "Call back|Trade Fair 2027|Jonathan Cole|Miriam Hale (must confirm)"},
    {"Project", "CreateProject45",
     "title=New Plant|description=desc|goals=g|scope=s|deliverables=d|managerId=2|executiveManagerId=0|" +
         start +
         "finishDate=2026-06-30T17:00:00|statusId=38|typeId=33|calendarId=43|contactId=-1|organizationId=2|"
         "currencyId=46|priorityId=50|phaseId=56|categories=[16]|participants=[3,-7]|portfolios=[53]",
     "Projects/ProjectView.aspx?Tab=1&ProjectId=",
     "New Plant|Infrastructure|<li>Peter Marsh|<li>Ursula Brandt|<li>Linh Nguyen"},
};

using CreateCall = SharedServer<::testing::TestWithParam<CreateCase>>;

TEST_P(CreateCall, StoresWhatWasSentAndShowsIt)
{
    const CreateCase& c = GetParam();
    SoapClient client(*server);
    const auto args = argList(c.args);
    auto answer = client.call(c.method, args);
    ASSERT_EQ(answer.state, "OK") << answer.body;
    WebSession web(*server);
    ASSERT_EQ(web.signIn("admin@127.0.0.1", "admin"), 302);
    auto page = web.get("/portals/p/" + c.view + answer.result);
    ASSERT_TRUE(answered(page, 200));
    for (const auto& shown : split(c.shown))
        EXPECT_THAT(page->body, ::testing::HasSubstr(shown));
    EXPECT_NE(client.call(c.method, args).result, answer.result);
}

INSTANTIATE_TEST_SUITE_P(Calls, CreateCall, ::testing::ValuesIn(cases),
                         [](const auto& p) { return std::string(p.param.name); });

// A template's roles go to the team members they are given to (the call as the wizard makes it is the
// end-to-end template runs').
TEST(CreateCall, TemplateRolesShowInTheProjectsTeam)
{
    ServerProcess server;
    SoapClient client(server);
    auto applied =
        client.call("updateProjectFromTemplate", argList("projectId=1|templateId=1|assignments={3:1,10:2}"));
    ASSERT_EQ(std::tie(applied.state, applied.result), std::tuple("OK", "2"));
    WebSession web(server);
    web.signIn("admin@127.0.0.1", "admin");
    auto page = web.get("/portals/p/Projects/ProjectView.aspx?ProjectId=1&Tab=1");
    ASSERT_TRUE(answered(page, 200, "Ursula Brandt (Developer)"));
    EXPECT_THAT(page->body, ::testing::HasSubstr("Thomas Morgan (Tester)"));
}

// The object views: what the wizard's web links open (signed in through the auto-login page) is the
// end-to-end item runs'; here the views no client reaches and the refusals.
struct ViewCase
{
    const char* path;
    int status;
    const char* contains;
};
using Views = SharedServer<::testing::TestWithParam<ViewCase>>;

TEST_P(Views, ShowStoredObjectsOrSayWhy)
{
    const ViewCase& c = GetParam();
    const std::string path = "/portals/p/" + std::string(c.path);
    WebSession anonymous(*server); // a wrong password gets no session either
    EXPECT_EQ(anonymous.signIn("user@h", "wrong"), 403);
    EXPECT_TRUE(answered(anonymous.get(path), 403));

    WebSession web(*server);
    ASSERT_EQ(web.signIn("user@127.0.0.1", "user"), 302);
    auto page = web.get(path);
    ASSERT_TRUE(answered(page, c.status, c.contains));
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Views,
    ::testing::Values(ViewCase{"Incidents/IncidentView.aspx?IncidentId=1&Tab=General", 404, "no such object"},
                      ViewCase{"Events/EventView.aspx", 200, "Weekly status meeting"},
                      ViewCase{"Lists/ListView.aspx?ListID=77&Tab=General", 404, "no such object"},
                      ViewCase{"Projects/ProjectView.aspx?ProjectID=1&Tab=FileLibrary", 200, "Sitemap.txt"},
                      ViewCase{"FileStorage/default.aspx?FolderID=2", 200, "Welcome.txt"},
                      ViewCase{"FileStorage/default.aspx?FolderID=abc", 404, "no such object"},
                      ViewCase{"Nowhere/Page.aspx", 404, "no such page"}),
    [](const auto& p) { return caseName(p.param.path) + "_" + std::to_string(p.index); });
