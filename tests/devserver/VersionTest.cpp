// Playing an older server: the version answered, the methods offered, the shapes of answers.
#include "support/SoapCall.h"

#include <gtest/gtest.h>

using namespace orvdev::test;

namespace {

// A method of each release and the one before it: the older server does not know it.
const std::vector<std::pair<int, std::string>> added = {{35, "LoadDictionaries"},
                                                        {40, "CreateProject40"},
                                                        {40, "CreateListFromExcel"},
                                                        {45, "CheckFileName"},
                                                        {45, "CreateIncident45"}};

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
    for (const auto& [from, method] : added) {
        auto answer = client.call(method);
        const bool lacking = answer.faultString == "Server did not recognize the value of HTTP Header "
                                                   "SOAPAction: http://orvello.com/webservices/" +
                                                       method + ".";
        EXPECT_EQ(lacking, codeOf(version) < from)
            << method << " on " << version << ": " << answer.faultString;
        EXPECT_TRUE(!lacking || answer.http == 500) << method;
    }
}

INSTANTIATE_TEST_SUITE_P(All, Version, ::testing::Values("3.0", "3.5", "4.0", "4.1", "4.5", "4.7"),
                         [](const auto& p) { return std::string(1, p.param[0]) + p.param[2]; });

TEST(VersionShapes, DictionariesAndProjectIdsFollowTheRelease)
{
    // Per release, which of these paths the dictionaries of incidents (7), to-dos (6) and projects (3) hold.
    const char* paths[] = {
        "7:CurrentUser",          "7:CurrentUser/TimeOffset", "7:IncidentOrganization/Item",
        "7:IncidentBox/Item",     "6:ToDoContact/Item",       "3:ProjectClient/Item",
        "3:ProjectTemplate/Item", "3:ProjectPhase/Item",      "3:ProjectOrganization/Item"};
    for (const auto& [version, held] : std::vector<std::pair<std::string, std::string>>{
             {"3.5", "-----+--+"}, {"4.1", "+----++++"}, {"4.5", "+++++-+++"}, {"4.7", "+++++-+++"}}) {
        SCOPED_TRACE(version);
        ServerProcess server({"--server-version", version});
        SoapClient client(server);
        auto dictionaries = [&](long long code) {
            return client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", code)})
                .answer();
        };
        std::string found;
        for (const std::string path : paths)
            found +=
                select(dictionaries(path[0] - '0'), "Dictionaries/" + path.substr(2)).empty() ? '-' : '+';
        EXPECT_EQ(found, held);
        if (found[5] == '+') {
            // The old single list keeps the sign the client editor uses: organizations negative.
            const auto project = dictionaries(3);
            auto org = selectOne(project, "Dictionaries/ProjectOrganization/Item[1]/Data");
            EXPECT_EQ(select(project, "Dictionaries/ProjectClient/Item[Data='-" + org + "']").size(), 1u);
        }
        // The synchronized project's id is negative from 4.7 on.
        const auto synchronized = select(client.call("GetOrvProjectList").answer(),
                                         "Projects/Project[Title='Warehouse Automation']/ObjectID");
        ASSERT_EQ(synchronized.size(), 1u);
        EXPECT_EQ(synchronized[0][0] == '-', version == "4.7") << synchronized[0];
    }
}
