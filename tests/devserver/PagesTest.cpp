// The object views: what the wizard's web links open (signed in through the auto-login page) is the
// end-to-end item runs'; here the views no client reaches and the refusals.
#include "support/HttpCheck.h"
#include "support/SharedServer.h"
#include "support/SoapCall.h"
#include "support/WebSession.h"

#include <gtest/gtest.h>

using namespace orvdev::test;

namespace {

struct ViewCase
{
    const char* path;
    int status;
    const char* contains;
};

class Views : public SharedServer<::testing::TestWithParam<ViewCase>>
{
};

} // namespace

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
    ::testing::Values(ViewCase{"Incidents/IncidentView.aspx?IncidentId=1&Tab=General", 404, "no such object"},
                      ViewCase{"Events/EventView.aspx", 200, "Weekly status meeting"},
                      ViewCase{"Lists/ListView.aspx?ListID=77&Tab=General", 404, "no such object"},
                      ViewCase{"Projects/ProjectView.aspx?ProjectID=1&Tab=FileLibrary", 200, "Sitemap.txt"},
                      ViewCase{"FileStorage/default.aspx?FolderID=2", 200, "Welcome.txt"},
                      ViewCase{"FileStorage/default.aspx?FolderID=abc", 404, "no such object"},
                      ViewCase{"Nowhere/Page.aspx", 404, "no such page"}),
    [](const auto& p) { return caseName(p.param.path) + "_" + std::to_string(p.index); });
