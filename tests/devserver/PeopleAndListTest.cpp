// Users, groups, roles; list folders and lists.
#include "support/HttpCheck.h"
#include "support/SharedServer.h"
#include "support/SoapCall.h"
#include "support/WebSession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace orvdev::test;
using ::testing::HasSubstr;

namespace {

class People : public SharedServer<>
{
protected:
    // "First Last" of each user of a resource list.
    std::vector<std::string> names(const std::string& method, const std::vector<Arg>& args)
    {
        std::vector<std::string> out;
        const auto answer = SoapClient(*server).call(method, args).answer(); // the nodes point into it
        for (auto u : answer.select_nodes("Resources/User"))
            out.push_back(std::string(u.node().child_value("FirstName")) + " " +
                          u.node().child_value("LastName"));
        return out;
    }
};

} // namespace

TEST_F(People, GroupsInTreeOrderWithLevels)
{
    std::vector<std::string> shown;
    const auto answer = SoapClient(*server).call("GetGroupList").answer(); // the nodes point into it
    for (auto g : answer.select_nodes("Groups/Group")) {
        const int level = std::stoi(g.node().child_value("Level"));
        shown.push_back(std::string(static_cast<std::size_t>((level - 1) * 2), ' ') +
                        g.node().child_value("GroupName"));
        EXPECT_FALSE(std::string(g.node().child_value("GroupId")).empty());
    }
    EXPECT_EQ(shown,
              (std::vector<std::string>{"Harlowe Ltd", "  Engineering", "    Platform", "    Applications",
                                        "  Sales", "    Europe", "    Americas", "  Operations",
                                        "    Help Desk", "    Facilities", "  Management"}));
}

TEST_F(People, ResourceQueries)
{
    EXPECT_EQ(names("GetResourceListBySubstring", {text("substring", "MAR")}),
              (std::vector<std::string>{"Peter Marsh", "Marco Reyes"}));
    EXPECT_EQ(names("GetResourceListByOrvUsers", {ints("userIds", {3, 999, 1})}),
              (std::vector<std::string>{"Ursula Brandt", "Ada Whitfield"}));
    EXPECT_TRUE(names("GetResourceListByOrvUsers", {raw("userIds", "")}).empty());
    // A group lists its own members and those of the groups below it.
    auto engineering = names("GetResourceListByGroup", {num("groupId", 2)});
    auto platform = names("GetResourceListByGroup", {num("groupId", 3)});
    auto applications = names("GetResourceListByGroup", {num("groupId", 4)});
    EXPECT_EQ(engineering.size(), platform.size() + applications.size());
    EXPECT_THAT(applications, ::testing::Contains("Ursula Brandt"));
    EXPECT_EQ(names("GetResourceListByProject", {num("projectId", 3)}).size(), 5u);
    SoapClient client(*server);
    EXPECT_EQ(client.call("GetResourceListByProject", {num("projectId", 3)}).echo("projectId"), "3");
    EXPECT_TRUE(select(client.call("GetRoleList", {num("templateId", 999)}).answer(), "Roles/Role").empty());
}

TEST_F(People, ListFoldersNestedWithWriteRightsAndTheirLists)
{
    SoapClient client(*server);
    auto folders = [&](long long parent, long long depth) {
        return client.call("GetListFolders", {num("parentFolderId", parent), num("depth", depth)}).answer();
    };
    auto doc = folders(0, -1);
    EXPECT_EQ(select(doc, "Folders/Folder/Name"), (std::vector<std::string>{"@@1", "@@2", "@@3"}));
    EXPECT_EQ(selectOne(doc, "Folders/Folder[Id=1]/CanUserWrite"), "True");
    EXPECT_EQ(selectOne(doc, "Folders/Folder[Id=2]/CanUserWrite"), "False");
    EXPECT_EQ(selectOne(doc, "Folders/Folder[Id=1]/ChildList/Folder/ChildList/Folder/Name"), "Sales");
    EXPECT_EQ(selectOne(doc, "//Folder[Name='ERP Migration']/ChildList/Folder/CanUserWrite"), "True");
    auto oneLevel = folders(1, 1);
    EXPECT_EQ(select(oneLevel, "Folders/Folder/Name"), (std::vector<std::string>{"Team Lists"}));
    EXPECT_TRUE(select(oneLevel, "//ChildList/Folder").empty());

    // New folders only in writable ones; parent 0 (the wizard's tag of a read-only folder) puts the
    // folder at the top level.
    auto folder = [&](long long parent, const std::string& name) {
        return client.call("CreateListFolder", {num("parentFolderId", parent), text("folderName", name)});
    };
    auto created = folder(5, "Leads");
    ASSERT_EQ(created.state, "OK");
    EXPECT_EQ(folder(2, "x").state, "You cannot create folders in list folder 2.");
    ASSERT_EQ(folder(0, "Mine").state, "OK");
    auto again = folders(0, -1);
    EXPECT_EQ(selectOne(again, "//Folder[Id=" + created.result + "]/Name"), "Leads");
    EXPECT_EQ(select(again, "Folders/Folder/Name"), (std::vector<std::string>{"@@1", "@@2", "@@3", "Mine"}));
    EXPECT_EQ(selectOne(again, "Folders/Folder[Name='Mine']/CanUserWrite"), "True");

    // A list goes into a writable folder and shows in its view.
    auto list = [&](const std::string& title, long long folderId, std::vector<long long> categories) {
        return client.call("CreateList",
                           {num("templateId", 0), text("title", title), text("description", "d"),
                            num("folderId", folderId), num("typeId", 23), num("statusId", 27),
                            ints("categories", categories)});
    };
    auto prospects = list("Prospects", std::stoi(created.result), {17});
    ASSERT_EQ(prospects.state, "OK");
    EXPECT_EQ(jsonField(server->lastJournalLine(), "args"),
              "[0, \"Prospects\", \"d\", " + created.result + ", 23, 27, [17]]");
    EXPECT_EQ(list("No", 2, {}).state, "You cannot create lists in list folder 2.");
    WebSession web(*server);
    web.signIn("admin@127.0.0.1", "admin");
    auto page = web.get("/portals/p/Lists/ListView.aspx?ListID=" + prospects.result + "&Tab=General");
    ASSERT_TRUE(answered(page, 200));
    for (const char* s : {"Prospects", "Leads", "Contacts", "Active", "Reference"})
        EXPECT_THAT(page->body, HasSubstr(s));
    // Lists from a workbook need the uploaded file first.
    EXPECT_EQ(listFromWorkbook(client, "book.xls", "Sheet1", {"A"}, 1).state,
              "The uploaded file 'book.xls' was not found.");
}
