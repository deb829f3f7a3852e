// Dictionaries, categories, clients and project lists, read with the expressions the wizard uses.
#include "support/SharedServer.h"
#include "support/SoapCall.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

using namespace orvdev::test;

namespace {

// Dictionary names (space-separated): lists of items, and lists of users.
struct DictionaryCase
{
    int code;
    std::string items, users;
};

class Dictionaries : public SharedServer<::testing::TestWithParam<DictionaryCase>>
{
};

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

pugi::xml_document dictionaries(SoapClient& client, long long code)
{
    return client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", code)}).answer();
}

} // namespace

TEST_P(Dictionaries, EverySetCarriesItsLists)
{
    const auto& c = GetParam();
    SoapClient client(*server, "pm@127.0.0.1", "pm");
    auto doc = dictionaries(client, c.code);
    ASSERT_TRUE(doc.child("Dictionaries"));
    EXPECT_EQ(selectOne(doc, "Dictionaries/CurrentUser/IsPM"), "True");
    EXPECT_EQ(selectOne(doc, "Dictionaries/CurrentUser/IsAdmin"), "False");
    EXPECT_EQ(selectOne(doc, "Dictionaries/CurrentUser/TimeOffset"), "0");
    const std::regex number("-?[0-9]+");
    // Items carry a Value and a numeric Data, users a FirstName and a numeric UserId.
    for (const auto& [names, entry, textField, idField] :
         {std::tuple{c.items, "/Item", "Value", "Data"}, std::tuple{c.users, "/User", "FirstName", "UserId"}})
        for (const auto& name : words(names)) {
            auto entries = doc.select_nodes(("Dictionaries/" + name + entry).c_str());
            EXPECT_GE(entries.size(), 2u) << name;
            for (auto e : entries) {
                EXPECT_FALSE(std::string(e.node().child_value(textField)).empty()) << name;
                EXPECT_TRUE(std::regex_match(std::string(e.node().child_value(idField)), number)) << name;
            }
            // The signed-in user is marked where listed.
            auto marked = select(doc, "Dictionaries/" + name + "/User[IsCurrentUser]/LastName");
            EXPECT_TRUE(marked.empty() || marked == std::vector<std::string>{"Marsh"}) << name;
        }
    EXPECT_EQ(jsonField(server->lastJournalLine(), "args"), "[\"en\", " + std::to_string(c.code) + "]");
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Dictionaries,
    ::testing::Values(
        DictionaryCase{7, "Priority IncidentType Severity IncidentOrganization IncidentContact IncidentBox",
                       ""},
        DictionaryCase{5, "Priority CompletionType", ""},
        DictionaryCase{4, "Priority EventType EventOrganization EventContact", "Organizers"},
        DictionaryCase{6, "Priority CompletionType ToDoOrganization ToDoContact", ""},
        DictionaryCase{15, "ListType ListStatus ListTemplate", ""},
        DictionaryCase{
            3,
            "ProjectType ProjectOrganization ProjectContact ProjectStatus ProjectCalendar ProjectCurrency "
            "ProjectTemplate ProjectPriority ProjectPortfolio ProjectPhase",
            "ProjectManager ExecutiveManager"},
        DictionaryCase{-1, "", ""}, DictionaryCase{0, "", ""}),
    [](const auto& p) { return "Code" + std::to_string(p.param.code < 0 ? 100 : p.param.code); });

// What an accepted document does to the list is the end-to-end category editor's check.
TEST(Categories, OneDocumentCountsItsChangesTouchesOneTypeAndABadOneNothing)
{
    ServerProcess server;
    SoapClient client(server);
    auto categories = [&](long long type) {
        return client.call("GetCategoryList2", {num("objectTypeId", type)}).answer();
    };
    auto update = [&](const std::string& xml) {
        return client.call(
            "UpdateCategoryList",
            {num("objectTypeId", 5), text("categoriesXml", "<Categories>" + xml + "</Categories>")});
    };
    const auto ids = select(categories(5), "Categories/Category/CategoryId");
    ASSERT_GE(ids.size(), 3u);
    auto answer =
        update(R"(<Category State="Added"><CategoryId></CategoryId><CategoryName>Review</CategoryName>)"
               R"(</Category><Category State="Modified"><CategoryId>)" +
               ids[0] +
               R"(</CategoryId><CategoryName>Renamed</CategoryName></Category><Category State="Deleted">)"
               "<CategoryId>" +
               ids[1] + "</CategoryId><CategoryName/></Category>");
    ASSERT_EQ(answer.state, "OK");
    EXPECT_EQ(answer.result, "3");
    EXPECT_EQ(select(categories(5), "Categories/Category[CategoryName='Review']").size(), 1u);
    EXPECT_TRUE(select(categories(7), "Categories/Category[CategoryName='Review']").empty());
    EXPECT_EQ(update("<Category State=\"Added\"><CategoryName>X</CategoryName></Category>"
                     "<Category State=\"Deleted\"><CategoryId>999</CategoryId></Category>")
                  .state,
              "The category to delete does not exist.");
    EXPECT_TRUE(select(categories(5), "Categories/Category[CategoryName='X']").empty());
}

TEST(Clients, SignTellsOrganizationsFromContacts)
{
    for (const std::string version : {"4.1", "4.7"}) {
        SCOPED_TRACE(version);
        ServerProcess server({"--server-version", version});
        SoapClient client(server);
        auto before = dictionaries(client, 3);
        const std::string org =
            selectOne(before, "Dictionaries/ProjectOrganization/Item[Value='Pinecrest Bank']/Data");
        const std::string contact =
            selectOne(before, "Dictionaries/ProjectContact/Item[Value='Hannah Wolfe']/Data");
        const std::string update =
            R"(<Dictionaries><ProjectClient><Item State="Added"><Value>New Org</Value><Data>-1</Data></Item>)"
            R"(<Item State="Added"><Value>New Contact</Value><Data>1</Data></Item><Item State="Modified">)"
            "<Value>Pinecrest Savings</Value><Data>-" +
            org + R"(</Data></Item><Item State="Deleted"><Value/><Data>)" + contact +
            "</Data></Item></ProjectClient></Dictionaries>";
        ASSERT_EQ(client.call("UpdateDictionaries", {text("dictionariesXml", update)}).state, "OK");
        auto after = dictionaries(client, 3);
        EXPECT_EQ(select(after, "Dictionaries/ProjectOrganization/Item[Value='New Org']").size(), 1u);
        EXPECT_EQ(select(after, "Dictionaries/ProjectContact/Item[Value='New Contact']").size(), 1u);
        EXPECT_EQ(selectOne(after, "Dictionaries/ProjectOrganization/Item[Data='" + org + "']/Value"),
                  "Pinecrest Savings");
        EXPECT_TRUE(select(after, "Dictionaries/ProjectContact/Item[Value='Hannah Wolfe']").empty());
        if (version == "4.1") {
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
        for (const char* field : {"Title", "Creator", "ManagerCanonName"})
            EXPECT_FALSE(std::string(node.child_value(field)).empty()) << field;
        for (const char* field : {"DateCreated", "StartDate", "EndDate"})
            EXPECT_TRUE(std::regex_match(std::string(node.child_value(field)), dateTime)) << field;
        EXPECT_TRUE(node.select_node("Manager/User/UserId"));
    }
    EXPECT_EQ(selectOne(doc, "Projects/Project[Title='ERP Migration']/Manager/User/LastName"), "Cole");
    EXPECT_GE(select(doc, "Projects/Managers/User").size(), 30u);
    EXPECT_EQ(selectOne(doc, "Projects/Managers/User[IsCurrentUser]/LastName"), "Whitfield");

    // A plain user sees the projects it takes part in; import and export list only managed ones.
    SoapClient user(server, "user", "user"), pm(server, "pm", "pm");
    EXPECT_EQ(
        select(user.call("GetOrvProjectList2", {num("objectTypeId", 7)}).answer(), "Projects/Project/Title"),
        (std::vector<std::string>{"Trade Fair 2027", "Website Relaunch"}));
    EXPECT_TRUE(select(user.call("GetOrvProjectList").answer(), "Projects/Project").empty());
    EXPECT_EQ(select(pm.call("GetOrvProjectList").answer(), "Projects/Project/Title"),
              (std::vector<std::string>{"Warehouse Automation", "Website Relaunch"}));
}
