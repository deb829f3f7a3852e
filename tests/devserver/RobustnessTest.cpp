// Injected faults, the journal, persistence, concurrency and bad input.
#include "support/HttpCheck.h"
#include "support/SoapCall.h"

#include <gtest/gtest.h>

#include <set>
#include <thread>

using namespace orvdev::test;

TEST(InjectedFaults, EachKindAnswersAsDocumented)
{
    ServerProcess server({"--fault", "GetGroupList=soap-fault", "--fault", "GetCategoryList2=http-500",
                          "--fault", "GetOrvProjectList=disconnect", "--fault", "LoadDictionaries=bad-xml",
                          "--fault", "CreateIncident45=status:Mailbox is full", "--delay-ms", "5"});
    SoapClient client(server);
    auto soapFault = client.call("GetGroupList");
    EXPECT_EQ(soapFault.http, 500);
    EXPECT_EQ(soapFault.faultCode, "soap:Server");
    auto http500 = client.call("GetCategoryList2", {num("objectTypeId", 7)});
    EXPECT_EQ(http500.http, 500);
    EXPECT_TRUE(http500.body.empty());
    EXPECT_EQ(client.call("GetOrvProjectList").http, 0); // no answer at all
    auto badXml = client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", 7)});
    EXPECT_EQ(badXml.http, 200);
    EXPECT_FALSE(pugi::xml_document().load_string(badXml.body.c_str()));
    auto status = client.call("CreateIncident45", incidentArgs("x"));
    EXPECT_EQ(status.http, 200);
    EXPECT_EQ(status.state, "Mailbox is full");
    // Other methods are untouched, and the server survived all of it.
    EXPECT_EQ(client.call("GetServerVersion").state, "OK");
    auto journal = server.journal();
    ASSERT_EQ(journal.size(), 6u);
    EXPECT_EQ(jsonField(journal[2], "status"), "injected fault: disconnect");
    EXPECT_EQ(jsonField(journal[4], "status"), "Mailbox is full");
}

TEST(Journal, OneLinePerCallWithArgumentsInOrder)
{
    ServerProcess server;
    SoapClient client(server);
    client.call("CreateTask",
                argList("title=Quote \" and \\ and\nnewline|description=d|projectId=0|"
                        "startDate=2026-01-05T08:00:00|finishDate=2026-01-06T08:00:00|isMilestone=false|"
                        "priorityId=2|completionTypeId=17|mustBeConfirmed=true|participants=[-3,4]"));
    auto line = server.lastJournalLine();
    EXPECT_EQ(line,
              "{\"method\": \"CreateTask\", \"args\": [\"Quote \\\" and \\\\ and\\nnewline\", \"d\", 0, "
              "\"2026-01-05T08:00:00\", \"2026-01-06T08:00:00\", false, 2, 17, true, [-3, 4]], \"user\": "
              "\"admin\", \"status\": \"OK\"}");
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

TEST(BadInput, TruncatedEnvelopesNeverHurtTheServer)
{
    ServerProcess server;
    SoapClient client(server);
    const std::string body = client.envelope("CreateIncident45", incidentArgs("fuzz"));
    const std::string action = "\"" + serviceNs + "CreateIncident45\"";
    int answered = 0;
    for (std::size_t cut = 0; cut < body.size(); cut += 7) {
        auto answer = client.post(body.substr(0, cut), action);
        EXPECT_TRUE(answer.http == 400 || answer.http == 500) << cut << ": " << answer.http;
        answered += answer.http != 0;
    }
    EXPECT_EQ(static_cast<std::size_t>(answered), (body.size() + 6) / 7);
    // Wrong types in every position.
    auto args = incidentArgs("typed");
    for (std::size_t i = 0; i < args.size(); ++i) {
        auto broken = args;
        broken[i].innerXml = "<int>x</int>\xff";
        auto answer = client.call("CreateIncident45", broken);
        EXPECT_NE(answer.http, 0);
    }
    EXPECT_TRUE(server.running());
    EXPECT_EQ(client.call("CreateIncident45", incidentArgs("still fine")).state, "OK");
}

TEST(BadInput, HugeBodyHitsTheLimit)
{
    ServerProcess server({"--max-body", "65536"});
    SoapClient client(server);
    auto answer = client.call("GetResourceListBySubstring", {text("substring", std::string(100000, 'a'))});
    EXPECT_EQ(answer.http, 413);
    EXPECT_NE(jsonField(server.lastJournalLine(), "status").find("HTTP 413"), std::string::npos);
    EXPECT_EQ(client.call("GetServerVersion").result, "4.7");
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
