// Dictionaries, categories, clients and project lists, read with the expressions the wizard uses.
#include "support/SharedServer.h"
#include "support/SoapCall.h"

#include <gtest/gtest.h>

#include <regex>

using namespace orvdev::test;

namespace {

struct DictionaryCase
{
    int code;
    std::vector<std::string> itemPaths; // each must select Item elements with Value and numeric Data
    std::vector<std::string> userPaths; // each must select users with names and ids
};

void PrintTo(const DictionaryCase& c, std::ostream* os)
{
    *os << "code " << c.code;
}

class Dictionaries : public SharedServer<::testing::TestWithParam<DictionaryCase>>
{
};

} // namespace

TEST_P(Dictionaries, EverySetCarriesItsLists)
{
    const auto& c = GetParam();
    SoapClient client(*server, "pm@127.0.0.1", "pm");
    auto answer = client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", c.code)});
    ASSERT_EQ(answer.state, "OK");
    auto doc = answer.answer();
    ASSERT_TRUE(doc.child("Dictionaries"));
    EXPECT_EQ(selectOne(doc, "Dictionaries/CurrentUser/IsPM"), "True");
    EXPECT_EQ(selectOne(doc, "Dictionaries/CurrentUser/IsAdmin"), "False");
    EXPECT_EQ(selectOne(doc, "Dictionaries/CurrentUser/TimeOffset"), "0");
    const std::regex number("-?[0-9]+");
    for (const auto& path : c.itemPaths) {
        auto items = doc.select_nodes(path.c_str());
        EXPECT_GE(items.size(), 2u) << path;
        for (auto item : items) {
            EXPECT_FALSE(std::string(item.node().child_value("Value")).empty()) << path;
            EXPECT_TRUE(std::regex_match(std::string(item.node().child_value("Data")), number)) << path;
        }
    }
    for (const auto& path : c.userPaths) {
        auto users = doc.select_nodes(path.c_str());
        EXPECT_GE(users.size(), 2u) << path;
        for (auto user : users) {
            EXPECT_FALSE(std::string(user.node().child_value("FirstName")).empty());
            EXPECT_TRUE(std::regex_match(std::string(user.node().child_value("UserId")), number));
        }
        // The signed-in user is marked where listed.
        auto marked = doc.select_nodes((path + "[IsCurrentUser]").c_str());
        EXPECT_LE(marked.size(), 1u);
        if (!marked.empty()) {
            EXPECT_EQ(std::string(marked.first().node().child_value("LastName")), "Marsh");
        }
    }
    EXPECT_EQ(jsonField(server->lastJournalLine(), "args"), "[\"en\", " + std::to_string(c.code) + "]");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Dictionaries,
    ::testing::Values(
        DictionaryCase{7,
                       {"Dictionaries/Priority/Item", "Dictionaries/IncidentType/Item",
                        "Dictionaries/Severity/Item", "Dictionaries/IncidentOrganization/Item",
                        "Dictionaries/IncidentContact/Item", "Dictionaries/IncidentBox/Item"},
                       {}},
        DictionaryCase{5, {"Dictionaries/Priority/Item", "Dictionaries/CompletionType/Item"}, {}},
        DictionaryCase{4,
                       {"Dictionaries/Priority/Item", "Dictionaries/EventType/Item",
                        "Dictionaries/EventOrganization/Item", "Dictionaries/EventContact/Item"},
                       {"Dictionaries/Organizers/User"}},
        DictionaryCase{6,
                       {"Dictionaries/Priority/Item", "Dictionaries/CompletionType/Item",
                        "Dictionaries/ToDoOrganization/Item", "Dictionaries/ToDoContact/Item"},
                       {}},
        DictionaryCase{
            15,
            {"Dictionaries/ListType/Item", "Dictionaries/ListStatus/Item", "Dictionaries/ListTemplate/Item"},
            {}},
        DictionaryCase{3,
                       {"Dictionaries/ProjectType/Item", "Dictionaries/ProjectOrganization/Item",
                        "Dictionaries/ProjectContact/Item", "Dictionaries/ProjectStatus/Item",
                        "Dictionaries/ProjectCalendar/Item", "Dictionaries/ProjectCurrency/Item",
                        "Dictionaries/ProjectTemplate/Item", "Dictionaries/ProjectPriority/Item",
                        "Dictionaries/ProjectPortfolio/Item", "Dictionaries/ProjectPhase/Item"},
                       {"Dictionaries/ProjectManager/User", "Dictionaries/ExecutiveManager/User"}},
        DictionaryCase{-1, {}, {}}, DictionaryCase{0, {}, {}}),
    [](const auto& p) { return "Code" + std::to_string(p.param.code < 0 ? 100 : p.param.code); });

TEST(Categories, AddRenameDeleteInOneDocument)
{
    ServerProcess server;
    SoapClient client(server);
    auto before = client.call("GetCategoryList2", {num("objectTypeId", 5)}).answer();
    auto ids = select(before, "Categories/Category/CategoryId");
    ASSERT_GE(ids.size(), 3u);
    std::string first = selectOne(before, "Categories/Category[1]/CategoryId");
    std::string second = selectOne(before, "Categories/Category[2]/CategoryId");
    std::string update =
        "<Categories>"
        "<Category State=\"Added\"><CategoryId></CategoryId><CategoryName>Review</CategoryName></Category>"
        "<Category State=\"Modified\"><CategoryId>" +
        first +
        "</CategoryId><CategoryName>Renamed"
        "</CategoryName></Category>"
        "<Category State=\"Deleted\"><CategoryId>" +
        second +
        "</CategoryId><CategoryName/></Category>"
        "</Categories>";
    auto answer = client.call("UpdateCategoryList", {num("objectTypeId", 5), text("categoriesXml", update)});
    ASSERT_EQ(answer.state, "OK");
    EXPECT_EQ(answer.result, "3");
    auto after = client.call("GetCategoryList2", {num("objectTypeId", 5)}).answer();
    EXPECT_EQ(select(after, "Categories/Category").size(), ids.size());
    EXPECT_EQ(selectOne(after, "Categories/Category[CategoryId='" + first + "']/CategoryName"), "Renamed");
    EXPECT_TRUE(select(after, "Categories/Category[CategoryId='" + second + "']").empty());
    EXPECT_EQ(select(after, "Categories/Category[CategoryName='Review']").size(), 1u);
    // Other object types are untouched.
    EXPECT_TRUE(select(client.call("GetCategoryList2", {num("objectTypeId", 7)}).answer(),
                       "Categories/Category[CategoryName='Review']")
                    .empty());
    // A bad document changes nothing and says why.
    auto bad =
        client.call("UpdateCategoryList", {num("objectTypeId", 5),
                                           text("categoriesXml", "<Categories><Category State=\"Added\">"
                                                                 "<CategoryName>X</CategoryName></Category>"
                                                                 "<Category State=\"Deleted\"><CategoryId>999"
                                                                 "</CategoryId></Category></Categories>")});
    EXPECT_EQ(bad.state, "The category to delete does not exist.");
    EXPECT_TRUE(select(client.call("GetCategoryList2", {num("objectTypeId", 5)}).answer(),
                       "Categories/Category[CategoryName='X']")
                    .empty());
}

TEST(Clients, SignTellsOrganizationsFromContacts)
{
    for (const char* version : {"4.1", "4.7"}) {
        ServerProcess server({"--server-version", version});
        SoapClient client(server);
        auto before =
            client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", 3)}).answer();
        std::string org =
            selectOne(before, "Dictionaries/ProjectOrganization/Item[Value='Pinecrest Bank']/Data");
        std::string contact =
            selectOne(before, "Dictionaries/ProjectContact/Item[Value='Hannah Wolfe']/Data");
        std::string update = "<Dictionaries><ProjectClient>"
                             "<Item State=\"Added\"><Value>New Org</Value><Data>-1</Data></Item>"
                             "<Item State=\"Added\"><Value>New Contact</Value><Data>1</Data></Item>"
                             "<Item State=\"Modified\"><Value>Pinecrest Savings</Value><Data>-" +
                             org +
                             "</Data></Item>"
                             "<Item State=\"Deleted\"><Value/><Data>" +
                             contact +
                             "</Data></Item>"
                             "</ProjectClient></Dictionaries>";
        ASSERT_EQ(client.call("UpdateDictionaries", {text("dictionariesXml", update)}).state, "OK")
            << version;
        auto after =
            client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", 3)}).answer();
        EXPECT_EQ(select(after, "Dictionaries/ProjectOrganization/Item[Value='New Org']").size(), 1u);
        EXPECT_EQ(select(after, "Dictionaries/ProjectContact/Item[Value='New Contact']").size(), 1u);
        EXPECT_EQ(selectOne(after, "Dictionaries/ProjectOrganization/Item[Data='" + org + "']/Value"),
                  "Pinecrest Savings");
        EXPECT_TRUE(select(after, "Dictionaries/ProjectContact/Item[Value='Hannah Wolfe']").empty());
        if (std::string(version) == "4.1") {
            EXPECT_EQ(selectOne(after, "Dictionaries/ProjectClient/Item[Value='New Org']/Data").substr(0, 1),
                      "-");
        }
    }
}

TEST(ProjectLists, ShapedAsTheProjectPagesReadThem)
{
    ServerProcess server;
    SoapClient admin(server);
    auto doc = admin.call("GetOrvProjectList2", {num("objectTypeId", 6)}).answer();
    auto projects = doc.select_nodes("Projects/Project");
    ASSERT_EQ(projects.size(), 6u);
    const std::regex dateTime("[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}");
    for (auto p : projects) {
        auto node = p.node();
        EXPECT_FALSE(std::string(node.child_value("Title")).empty());
        for (const char* field : {"DateCreated", "StartDate", "EndDate"})
            EXPECT_TRUE(std::regex_match(std::string(node.child_value(field)), dateTime)) << field;
        EXPECT_FALSE(std::string(node.child_value("Creator")).empty());
        EXPECT_FALSE(std::string(node.child_value("ManagerCanonName")).empty());
        EXPECT_TRUE(node.select_node("Manager/User/UserId"));
    }
    std::string id = selectOne(doc, "Projects/Project[Title='ERP Migration']/ObjectID");
    EXPECT_EQ(selectOne(doc, "Projects/Project[ObjectID=" + id + "]/Manager/User/LastName"), "Cole");
    EXPECT_GE(select(doc, "Projects/Managers/User").size(), 30u);
    EXPECT_EQ(selectOne(doc, "Projects/Managers/User[IsCurrentUser]/LastName"), "Whitfield");

    // A plain user sees the projects it takes part in; import and export list only managed ones.
    SoapClient user(server, "user", "user");
    auto mine = user.call("GetOrvProjectList2", {num("objectTypeId", 7)}).answer();
    EXPECT_EQ(select(mine, "Projects/Project/Title"),
              (std::vector<std::string>{"Trade Fair 2027", "Website Relaunch"}));
    EXPECT_TRUE(select(user.call("GetOrvProjectList").answer(), "Projects/Project").empty());
    SoapClient pm(server, "pm", "pm");
    EXPECT_EQ(select(pm.call("GetOrvProjectList").answer(), "Projects/Project/Title"),
              (std::vector<std::string>{"Warehouse Automation", "Website Relaunch"}));
}
