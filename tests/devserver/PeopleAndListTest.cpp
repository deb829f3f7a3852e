// Users, groups, roles; list folders and lists.
#include "support/SharedServer.h"
#include "support/SoapCall.h"
#include "support/WebSession.h"

#include <gtest/gtest.h>

using namespace orvdev::test;

namespace {

class People : public SharedServer<>
{
};

} // namespace

TEST_F(People, GroupsInTreeOrderWithLevels)
{
    SoapClient client(*server);
    auto doc = client.call("GetGroupList").answer();
    std::vector<std::string> shown;
    for (auto g : doc.select_nodes("Groups/Group")) {
        int level = std::stoi(g.node().child_value("Level"));
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
    SoapClient client(*server);
    auto names = [](const pugi::xml_document& doc) {
        std::vector<std::string> out;
        for (auto u : doc.select_nodes("Resources/User"))
            out.push_back(std::string(u.node().child_value("FirstName")) + " " +
                          u.node().child_value("LastName"));
        return out;
    };
    EXPECT_EQ(names(client.call("GetResourceListBySubstring", {text("substring", "MAR")}).answer()),
              (std::vector<std::string>{"Peter Marsh", "Marco Reyes"}));
    EXPECT_EQ(names(client.call("GetResourceListByOrvUsers", {ints("userIds", {3, 999, 1})}).answer()),
              (std::vector<std::string>{"Ursula Brandt", "Ada Whitfield"}));
    EXPECT_TRUE(
        select(client.call("GetResourceListByOrvUsers", {raw("userIds", "")}).answer(), "Resources/User")
            .empty());
    // A group lists its own members and those of the groups below it.
    auto engineering = names(client.call("GetResourceListByGroup", {num("groupId", 2)}).answer());
    auto platform = names(client.call("GetResourceListByGroup", {num("groupId", 3)}).answer());
    auto applications = names(client.call("GetResourceListByGroup", {num("groupId", 4)}).answer());
    EXPECT_EQ(engineering.size(), platform.size() + applications.size());
    EXPECT_NE(std::find(applications.begin(), applications.end(), "Ursula Brandt"), applications.end());
    EXPECT_EQ(names(client.call("GetResourceListByProject", {num("projectId", 3)}).answer()).size(), 5u);
    auto byProject = client.call("GetResourceListByProject", {num("projectId", 3)});
    EXPECT_EQ(byProject.echo("projectId"), "3");
    EXPECT_TRUE(select(client.call("GetRoleList", {num("templateId", 999)}).answer(), "Roles/Role").empty());
}

TEST(ListFolders, NestedWithWriteRightsAndTextReferences)
{
    ServerProcess server;
    SoapClient client(server);
    auto doc = client.call("GetListFolders", {num("parentFolderId", 0), num("depth", -1)}).answer();
    EXPECT_EQ(select(doc, "Folders/Folder/Name"), (std::vector<std::string>{"@@1", "@@2", "@@3"}));
    EXPECT_EQ(selectOne(doc, "Folders/Folder[Id=1]/CanUserWrite"), "True");
    EXPECT_EQ(selectOne(doc, "Folders/Folder[Id=2]/CanUserWrite"), "False");
    EXPECT_EQ(selectOne(doc, "Folders/Folder[Id=1]/ChildList/Folder/ChildList/Folder/Name"), "Sales");
    EXPECT_EQ(selectOne(doc, "//Folder[Name='ERP Migration']/ChildList/Folder/CanUserWrite"), "True");
    auto oneLevel = client.call("GetListFolders", {num("parentFolderId", 1), num("depth", 1)}).answer();
    EXPECT_EQ(select(oneLevel, "Folders/Folder/Name"), (std::vector<std::string>{"Team Lists"}));
    EXPECT_TRUE(select(oneLevel, "//ChildList/Folder").empty());

    // New folders only in writable ones; parent 0 (the wizard's tag of a read-only folder) puts the
    // folder at the top level.
    auto created = client.call("CreateListFolder", {num("parentFolderId", 5), text("folderName", "Leads")});
    ASSERT_EQ(created.state, "OK");
    EXPECT_EQ(client.call("CreateListFolder", {num("parentFolderId", 2), text("folderName", "x")}).state,
              "You cannot create folders in list folder 2.");
    auto topLevel = client.call("CreateListFolder", {num("parentFolderId", 0), text("folderName", "Mine")});
    ASSERT_EQ(topLevel.state, "OK");
    auto again = client.call("GetListFolders", {num("parentFolderId", 0), num("depth", -1)}).answer();
    EXPECT_EQ(selectOne(again, "//Folder[Id=" + created.result + "]/Name"), "Leads");
    EXPECT_EQ(select(again, "Folders/Folder/Name"), (std::vector<std::string>{"@@1", "@@2", "@@3", "Mine"}));
    EXPECT_EQ(selectOne(again, "Folders/Folder[Name='Mine']/CanUserWrite"), "True");

    // A list goes into a writable folder and shows in its view.
    auto list =
        client.call("CreateList", {num("templateId", 0), text("title", "Prospects"), text("description", "d"),
                                   num("folderId", std::stoi(created.result)), num("typeId", 23),
                                   num("statusId", 27), ints("categories", {17})});
    ASSERT_EQ(list.state, "OK");
    EXPECT_EQ(jsonField(server.lastJournalLine(), "args"),
              "[0, \"Prospects\", \"d\", " + created.result + ", 23, 27, [17]]");
    EXPECT_EQ(client
                  .call("CreateList",
                        {num("templateId", 0), text("title", "No"), text("description", ""),
                         num("folderId", 2), num("typeId", 23), num("statusId", 27), raw("categories", "")})
                  .state,
              "You cannot create lists in list folder 2.");
    WebSession web(server);
    web.signIn("admin@127.0.0.1", "admin");
    auto page = web.get("/portals/p/Lists/ListView.aspx?ListID=" + list.result + "&Tab=General");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    for (const char* s : {"Prospects", "Leads", "Contacts", "Active", "Reference"})
        EXPECT_NE(page->body.find(s), std::string::npos) << s;

    // Lists from a workbook need the uploaded file first.
    auto excel =
        client.call("CreateListFromExcel",
                    {text("fileName", "book.xls"), text("sheetName", "Sheet1"), text("title", "t"),
                     text("description", ""), num("folderId", 1), num("typeId", 23), num("statusId", 27),
                     raw("categories", ""), strings("columns", {"A"}), num("ignoreErrorRows", 1)});
    EXPECT_EQ(excel.state, "The uploaded file 'book.xls' was not found.");
}
