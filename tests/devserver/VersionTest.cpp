// Playing an older server: the version answered, the methods offered, the shapes of answers.
#include "support/SoapCall.h"

#include <gtest/gtest.h>

#include <map>

using namespace orvdev::test;

namespace {

// The release from which each method exists (as documented in the server's README).
const std::map<std::string, int> since = {
    {"GetServerVersion", 30},
    {"FileLibraryDir", 30},
    {"LoadDictionaries", 35},
    {"GetCategoryList2", 35},
    {"UpdateCategoryList", 35},
    {"UpdateDictionaries", 35},
    {"GetOrvProjectList", 35},
    {"GetOrvProjectList2", 35},
    {"CreateIncident", 35},
    {"CreateTask", 35},
    {"CreateEvent", 35},
    {"CreateToDo", 35},
    {"CreateProject", 35},
    {"GetResourceListBySubstring", 35},
    {"GetResourceListByGroup", 35},
    {"GetGroupList", 35},
    {"GetResourceListByOrvUsers", 35},
    {"GetResourceListByProject", 35},
    {"ImportMsProjectStep1", 35},
    {"ImportMsProjectStep2", 35},
    {"ExportOrvProject", 35},
    {"CreateProject40", 40},
    {"updateProjectFromTemplate", 40},
    {"GetRoleList", 40},
    {"GetListFolders", 40},
    {"CreateListFolder", 40},
    {"CreateList", 40},
    {"GetCalendarEvents", 40},
    {"CreateFolder", 40},
    {"CreateListFromExcel", 40},
    {"CreateIncident45", 45},
    {"CreateEvent45", 45},
    {"CreateToDo45", 45},
    {"CreateProject45", 45},
    {"CheckFileName", 45},
};

class Version : public ::testing::TestWithParam<const char*>
{
};

int codeOf(const std::string& version)
{
    return (version[0] - '0') * 10 + (version[2] - '0');
}

} // namespace

TEST_P(Version, AnswersItsNumberAndLacksTheNewerMethods)
{
    const std::string version = GetParam();
    ServerProcess server({"--server-version", version});
    SoapClient client(server);
    EXPECT_EQ(client.call("GetServerVersion").result, version);
    for (const auto& [method, from] : since) {
        auto answer = client.call(method);
        const bool lacking =
            answer.faultString == "Server did not recognize the value of HTTP Header SOAPAction: "
                                  "http://orvello.com/webservices/" +
                                      method + ".";
        EXPECT_EQ(lacking, codeOf(version) < from)
            << method << " on " << version << ": " << answer.faultString;
        if (lacking) {
            EXPECT_EQ(answer.http, 500);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(All, Version, ::testing::Values("3.0", "3.5", "4.0", "4.1", "4.5", "4.7"),
                         [](const auto& p) { return std::string(1, p.param[0]) + p.param[2]; });

TEST(VersionShapes, DictionariesFollowTheRelease)
{
    struct Expect
    {
        const char* version;
        bool currentUser, timeOffset, itemClients, projectClient, templates;
    };
    for (Expect e :
         {Expect{"3.5", false, false, false, true, false}, Expect{"4.1", true, false, false, true, true},
          Expect{"4.5", true, true, true, false, true}, Expect{"4.7", true, true, true, false, true}}) {
        ServerProcess server({"--server-version", e.version});
        SoapClient client(server);
        auto incident =
            client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", 7)}).answer();
        auto project =
            client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", 3)}).answer();
        auto todo =
            client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", 6)}).answer();
        EXPECT_EQ(!select(incident, "Dictionaries/CurrentUser").empty(), e.currentUser) << e.version;
        EXPECT_EQ(!select(incident, "Dictionaries/CurrentUser/TimeOffset").empty(), e.timeOffset)
            << e.version;
        EXPECT_EQ(!select(incident, "Dictionaries/IncidentOrganization/Item").empty(), e.itemClients)
            << e.version;
        EXPECT_EQ(!select(incident, "Dictionaries/IncidentBox/Item").empty(), e.itemClients) << e.version;
        EXPECT_EQ(!select(todo, "Dictionaries/ToDoContact/Item").empty(), e.itemClients) << e.version;
        EXPECT_EQ(!select(project, "Dictionaries/ProjectClient/Item").empty(), e.projectClient) << e.version;
        EXPECT_EQ(!select(project, "Dictionaries/ProjectTemplate/Item").empty(), e.templates) << e.version;
        EXPECT_EQ(!select(project, "Dictionaries/ProjectPhase/Item").empty(), e.templates) << e.version;
        // Organizations and contacts of the project page exist on every release.
        EXPECT_FALSE(select(project, "Dictionaries/ProjectOrganization/Item").empty()) << e.version;
        if (e.projectClient) {
            // The old single list keeps the sign the client editor uses: organizations negative.
            auto org = selectOne(project, "Dictionaries/ProjectOrganization/Item[1]/Data");
            EXPECT_EQ(select(project, "Dictionaries/ProjectClient/Item[Data='-" + org + "']").size(), 1u);
        }
    }
}

TEST(VersionShapes, SynchronizedProjectIsNegativeOnlyOn47)
{
    for (const char* version : {"4.5", "4.7"}) {
        ServerProcess server({"--server-version", version});
        SoapClient client(server);
        auto doc = client.call("GetOrvProjectList").answer();
        auto ids = select(doc, "Projects/Project[IsMSProject='True']/ObjectID");
        ASSERT_EQ(ids.size(), 1u) << version;
        EXPECT_EQ(ids[0][0] == '-', std::string(version) == "4.7") << ids[0];
        EXPECT_EQ(selectOne(doc, "Projects/Project[IsMSProject='True']/Title"), "Warehouse Automation");
    }
}
