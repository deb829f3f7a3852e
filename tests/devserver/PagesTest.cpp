// The auto-login page and the object views.
#include "support/HttpCheck.h"
#include "support/SharedServer.h"
#include "support/SoapCall.h"
#include "support/WebSession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace orvdev::test;
using ::testing::HasSubstr;

namespace {

class Pages : public SharedServer<>
{
};

} // namespace

TEST_F(Pages, SignInRedirectsIntoThePortalOfTheLogin)
{
    WebSession web(*server);
    EXPECT_EQ(web.signIn("admin@orvello.example.com:8080", "admin",
                         "Incidents/IncidentView.aspx?IncidentId=8&Tab=General"),
              302);
    EXPECT_EQ(web.location,
              "/portals/orvello_example_com/Incidents/IncidentView.aspx?IncidentId=8&Tab=General");
    auto page = web.get(web.location);
    ASSERT_TRUE(answered(page, 200, "Printer on floor 2 offline"));
    auto line = server->lastJournalLine();
    EXPECT_EQ(jsonField(line, "page"), "Incidents/IncidentView.aspx");
    EXPECT_EQ(jsonField(line, "fields"), "{\"IncidentId\": \"8\", \"Tab\": \"General\"}");
}

struct ViewCase
{
    const char* path;
    int status;
    const char* contains;
};

class Views : public Pages, public ::testing::WithParamInterface<ViewCase>
{
};

TEST_P(Views, ShowStoredObjectsOrSayWhy)
{
    const ViewCase& c = GetParam();
    const std::string path = "/portals/p/" + std::string(c.path);
    WebSession anonymous(*server); // a wrong password gets no session either
    EXPECT_EQ(anonymous.signIn("user@h", "wrong"), 403);
    auto denied = anonymous.get(path);
    ASSERT_TRUE(answered(denied, 403));

    WebSession web(*server);
    ASSERT_EQ(web.signIn("user@127.0.0.1", "user"), 302);
    auto page = web.get(path);
    ASSERT_TRUE(answered(page, c.status, c.contains));
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Views,
    ::testing::Values(
        ViewCase{"Incidents/IncidentView.aspx?IncidentId=8&Tab=General", 200, "Printer on floor 2"},
        ViewCase{"Incidents/IncidentView.aspx?IncidentId=1&Tab=General", 404, "no such object"},
        ViewCase{"Tasks/TaskView.aspx?TaskID=4&Tab=General", 200, "Design the new product pages"},
        ViewCase{"Events/EventView.aspx?EventID=1&Tab=General", 200, "Weekly status meeting"},
        ViewCase{"Events/EventView.aspx", 200, "Weekly status meeting"},
        ViewCase{"ToDo/ToDoView.aspx?ToDoID=6&Tab=General", 200, "Order stand material"},
        ViewCase{"Lists/ListView.aspx?ListID=1&Tab=General", 200, "Supplier Contacts"},
        ViewCase{"Lists/ListView.aspx?ListID=77&Tab=General", 404, "no such object"},
        ViewCase{"Projects/ProjectView.aspx?ProjectId=1&Tab=1", 200, "Website Relaunch"},
        ViewCase{"Projects/ProjectView.aspx?ProjectID=1&Tab=FileLibrary", 200, "Sitemap.txt"},
        ViewCase{"FileStorage/default.aspx?FolderID=2", 200, "Welcome.txt"},
        ViewCase{"FileStorage/default.aspx?FolderID=abc", 404, "no such object"},
        ViewCase{"Nowhere/Page.aspx", 404, "no such page"}),
    [](const auto& p) { return caseName(p.param.path) + "_" + std::to_string(p.index); });
