// How the client list is edited (the editor's own calls are the end-to-end category runs'), and whose
// projects a user is offered: the ones it takes part in, and for import and export only those it
// manages (their shape is what the end-to-end project pages read).
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

// One list of clients: organizations are sent with negative data, contacts with positive.
TEST(Clients, SignTellsOrganizationsFromContacts)
{
    for (const std::string version : {"4.1", "4.7"}) {
        ServerProcess server({"--server-version", version});
        SoapClient client(server);
        auto dictionaries = [&] {
            return client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", 3)}).answer();
        };
        const auto before = dictionaries();
        const std::string org = selectOne(before, "//ProjectOrganization/Item[Value='Pinecrest Bank']/Data"),
                          contact = selectOne(before, "//ProjectContact/Item[Value='Hannah Wolfe']/Data");
        auto item = [](const char* state, const std::string& value, const std::string& data) {
            return "<Item State=\"" + std::string(state) + "\"><Value>" + value + "</Value><Data>" + data +
                   "</Data></Item>";
        };
        ASSERT_EQ(client
                      .call("UpdateDictionaries",
                            {text("dictionariesXml",
                                  "<Dictionaries><ProjectClient>" + item("Added", "New Org", "-1") +
                                      item("Added", "New Contact", "1") +
                                      item("Modified", "Pinecrest Savings", "-" + org) +
                                      item("Deleted", "", contact) + "</ProjectClient></Dictionaries>")})
                      .state,
                  "OK");
        const auto after = dictionaries();
        EXPECT_EQ(
            select(after, "//ProjectOrganization/Item/Value[.='New Org' or .='Pinecrest Savings']").size() +
                select(after, "//ProjectContact/Item[Value='New Contact']").size(),
            3u)
            << version;
        EXPECT_EQ(selectOne(after, "//ProjectOrganization/Item[Data='" + org + "']/Value"),
                  "Pinecrest Savings");
        EXPECT_TRUE(select(after, "//ProjectContact/Item[Value='Hannah Wolfe']").empty()) << version;
    }
}
