// Whose projects a user is offered: the ones it takes part in, and for import and export only those it
// manages. Their shape is what the end-to-end project pages read.
#include "support/SoapCall.h"

#include <gtest/gtest.h>

using namespace orvdev::test;

TEST(ProjectLists, FollowTheUser)
{
    ServerProcess server;
    SoapClient admin(server), user(server, "user", "user"), pm(server, "pm", "pm");
    auto titles = [](SoapClient& client, const std::string& method, const std::vector<Arg>& args = {}) {
        return select(client.call(method, args).answer(), "Projects/Project/Title");
    };
    EXPECT_EQ(titles(admin, "GetOrvProjectList2", {num("objectTypeId", 6)}).size(), 6u);
    EXPECT_EQ(titles(user, "GetOrvProjectList2", {num("objectTypeId", 7)}),
              (std::vector<std::string>{"Trade Fair 2027", "Website Relaunch"}));
    EXPECT_TRUE(titles(user, "GetOrvProjectList").empty());
    EXPECT_EQ(titles(pm, "GetOrvProjectList"),
              (std::vector<std::string>{"Warehouse Automation", "Website Relaunch"}));
    EXPECT_EQ(selectOne(pm.call("GetOrvProjectList2", {num("objectTypeId", 3)}).answer(),
                        "Projects/Managers/User[IsCurrentUser]/LastName"),
              "Marsh");
}
