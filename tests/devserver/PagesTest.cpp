// The auto-login page and the object views.
#include "support/SharedServer.h"
#include "support/SoapCall.h"
#include "support/WebSession.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace orvdev::test;

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
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("Printer on floor 2 offline"), std::string::npos);
    auto line = server->lastJournalLine();
    EXPECT_EQ(jsonField(line, "page"), "Incidents/IncidentView.aspx");
    EXPECT_EQ(jsonField(line, "fields"), "{\"IncidentId\": \"8\", \"Tab\": \"General\"}");
}

TEST_F(Pages, WrongPasswordGetsNoSession)
{
    WebSession web(*server);
    EXPECT_EQ(web.signIn("admin@h", "wrong"), 403);
    auto page = web.get("/portals/h/Incidents/IncidentView.aspx?IncidentId=8");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 403);
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
    WebSession anonymous(*server);
    auto denied = anonymous.get(c.path);
    ASSERT_TRUE(denied);
    EXPECT_EQ(denied->status, 403) << c.path;

    WebSession web(*server);
    ASSERT_EQ(web.signIn("user@127.0.0.1", "user"), 302);
    auto page = web.get(c.path);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, c.status) << c.path;
    EXPECT_NE(page->body.find(c.contains), std::string::npos) << page->body;
    EXPECT_EQ(page->get_header_value("Content-Type"), "text/html; charset=utf-8");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, Views,
    ::testing::Values(
        ViewCase{"/portals/p/Incidents/IncidentView.aspx?IncidentId=8&Tab=General", 200,
                 "Printer on floor 2"},
        ViewCase{"/portals/p/Incidents/IncidentView.aspx?IncidentId=1&Tab=General", 404, "no such object"},
        ViewCase{"/portals/p/Tasks/TaskView.aspx?TaskID=4&Tab=General", 200, "Design the new product pages"},
        ViewCase{"/portals/p/Events/EventView.aspx?EventID=1&Tab=General", 200, "Weekly status meeting"},
        ViewCase{"/portals/p/Events/EventView.aspx", 200, "Weekly status meeting"},
        ViewCase{"/portals/p/ToDo/ToDoView.aspx?ToDoID=6&Tab=General", 200, "Order stand material"},
        ViewCase{"/portals/p/Lists/ListView.aspx?ListID=1&Tab=General", 200, "Supplier Contacts"},
        ViewCase{"/portals/p/Lists/ListView.aspx?ListID=77&Tab=General", 404, "no such object"},
        ViewCase{"/portals/p/Projects/ProjectView.aspx?ProjectId=1&Tab=1", 200, "Website Relaunch"},
        ViewCase{"/portals/p/Projects/ProjectView.aspx?ProjectID=1&Tab=FileLibrary", 200, "Sitemap.txt"},
        ViewCase{"/portals/p/FileStorage/default.aspx?FolderID=2", 200, "Welcome.txt"},
        ViewCase{"/portals/p/FileStorage/default.aspx?FolderID=abc", 404, "no such object"},
        ViewCase{"/portals/p/Nowhere/Page.aspx", 404, "no such page"}),
    [](const auto& p) {
        std::string name;
        for (char c : std::string(p.param.path).substr(11))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name + "_" + std::to_string(p.index);
    });
