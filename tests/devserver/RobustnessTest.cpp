// The journal, persistence, concurrency and paths that lead nowhere. Injected faults are the end-to-end
// runs' and the file pages' tests'; hostile bodies the request fuzzer's.
#include "support/HttpCheck.h"
#include "support/SoapCall.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

using namespace orvdev::test;

TEST(Journal, OneLinePerCallWithArgumentsInOrder)
{
    ServerProcess server;
    SoapClient client(server);
    // Out of order, without description and start: read in the contract's order, with the defaults.
    client.call(
        "CreateTask",
        argList(
            "projectId=0|title=Quote \" and \\ and\nnewline|finishDate=2026-01-06T08:00:00|"
            "isMilestone=false|priorityId=2|completionTypeId=17|mustBeConfirmed=true|participants=[-3,4]"));
    auto line = server.lastJournalLine();
    EXPECT_EQ(
        line,
        "{\"method\": \"CreateTask\", \"args\": [\"Quote \\\" and \\\\ and\\nnewline\", null, 0, "
        "\"0001-01-01T00:00:00\", \"2026-01-06T08:00:00\", false, 2, 17, true, [-3, 4]], \"user\": "
        "\"admin\", \"status\": \"OK\", \"warnings\": [\"element 'title' out of order\", \"value parameter "
        "'startDate' missing; it counts as its default\"]}");
}

TEST(Store, SurvivesARestartAndAnEmptySeedHasOnlyTheAdministrator)
{
    ServerProcess server;
    const std::string id = SoapClient(server).call("CreateIncident45", incidentArgs("Persistent")).result;
    auto users = [](SoapClient& client) {
        return select(client.call("GetResourceListBySubstring", {text("substring", "Brandt")}).answer(),
                      "Resources/User/LastName");
    };
    server.restart({"--seed", "empty"}); // an existing store is kept whatever the seed option says
    SoapClient client(server);
    EXPECT_EQ(users(client), std::vector<std::string>{"Brandt"});
    EXPECT_EQ(std::stoi(client.call("CreateIncident45", incidentArgs("Next")).result), std::stoi(id) + 1);

    ServerProcess empty({"--seed", "empty"});
    SoapClient fresh(empty);
    EXPECT_TRUE(users(fresh).empty());
    EXPECT_EQ(select(fresh.call("GetResourceListBySubstring", {text("substring", "")}).answer(),
                     "Resources/User/LastName"),
              std::vector<std::string>{"Administrator"});
    EXPECT_TRUE(select(fresh.call("GetOrvProjectList").answer(), "Projects/Project").empty());
}

TEST(Concurrency, ParallelCreatesGetDistinctIds)
{
    ServerProcess server;
    std::vector<std::set<std::string>> ids(4);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            SoapClient client(server);
            for (int i = 0; i < 25; ++i)
                ids[t].insert(client.call("CreateIncident45", incidentArgs("parallel")).result);
        });
    for (auto& t : threads)
        t.join();
    std::set<std::string> all;
    for (const auto& s : ids) {
        EXPECT_EQ(s.size(), 25u);
        all.insert(s.begin(), s.end());
    }
    EXPECT_EQ(all.size(), 100u);
    EXPECT_EQ(all.count("0"), 0u);
    EXPECT_EQ(server.journal().size(), 100u);
}

TEST(BadInput, UnknownPortalsAndPaths)
{
    ServerProcess server;
    SoapClient client(server);
    for (const char* path :
         {"/WebServices/OrvProject.asmx", "/portals//WebServices/OrvProject.asmx", "/portals/x/y.asmx"}) {
        EXPECT_TRUE(
            answered(client.http().Post(path, client.envelope("GetServerVersion", {}), "text/xml"), 404))
            << path;
    }
    // Any portal name reaches the same service.
    auto res = client.http().Post("/portals/Another_Portal/WebServices/OrvProject.asmx",
                                  httplib::Headers{{"SOAPAction", "\"" + serviceNs + "GetServerVersion\""}},
                                  client.envelope("GetServerVersion", {}), "text/xml; charset=utf-8");
    ASSERT_TRUE(answered(res, 200));
}
