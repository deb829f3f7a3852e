// The server as a process: its journal, its store, many clients at once, its stop and its command line.
#include "cli/ServerOptions.h"
#include "support/RawConnection.h"
#include "support/ServerTest.h"
#include "support/SoapCall.h"

#include <gmock/gmock.h>
#include <sqlite3.h>

#include <set>
#include <sstream>
#include <sys/wait.h>
#include <thread>

using namespace orvdev::test;
using namespace orvdev;
using ::testing::AllOf, ::testing::HasSubstr, ::testing::StartsWith;

// The journal, persistence, concurrency and paths that lead nowhere. Injected faults are the end-to-end
// runs' and the file pages' tests'; hostile bodies the request fuzzer's.
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
    EXPECT_EQ(
        server.lastJournalLine(),
        "{\"method\": \"CreateTask\", \"args\": [\"Quote \\\" and \\\\ and\\nnewline\", null, 0, "
        "\"0001-01-01T00:00:00\", \"2026-01-06T08:00:00\", false, 2, 17, true, [-3, 4]], \"user\": "
        "\"admin\", \"status\": \"OK\", \"warnings\": [\"element 'title' out of order\", \"value parameter "
        "'startDate' missing; it counts as its default\"]}");
}

TEST(Store, SurvivesARestartAndAnEmptySeedHasOnlyTheAdministrator)
{
    ServerProcess server;
    const std::string id = SoapClient(server).call("CreateIncident45", incidentArgs("Persistent")).result;
    auto lastNames = [](SoapClient& client, const std::string& part) {
        return select(client.call("GetResourceListBySubstring", {text("substring", part)}).answer(),
                      "Resources/User/LastName");
    };
    server.restart({"--seed", "empty"}); // an existing store is kept whatever the seed option says
    SoapClient client(server);
    EXPECT_EQ(lastNames(client, "Brandt"), std::vector<std::string>{"Brandt"});
    EXPECT_EQ(std::stoi(client.call("CreateIncident45", incidentArgs("Next")).result), std::stoi(id) + 1);

    ServerProcess empty({"--seed", "empty"});
    SoapClient fresh(empty);
    EXPECT_EQ(lastNames(fresh, ""), std::vector<std::string>{"Administrator"});
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
    for (const auto& s : ids)
        all.insert(s.begin(), s.end());
    EXPECT_EQ(all.size(), 100u); // each thread's 25 ids, none twice
    EXPECT_EQ(all.count("0"), 0u);
    EXPECT_EQ(server.journal().size(), 100u);
}

TEST(BadInput, UnknownPortalsAndPaths)
{
    ServerProcess server;
    SoapClient client(server);
    const httplib::Headers action = {{"SOAPAction", "\"" + serviceNs + "GetServerVersion\""}};
    // Any portal name reaches the same service.
    for (const auto& [path, status] : {std::pair{"/WebServices/OrvProject.asmx", 404},
                                       {"/portals//WebServices/OrvProject.asmx", 404},
                                       {"/portals/x/y.asmx", 404},
                                       {"/portals/Another_Portal/WebServices/OrvProject.asmx", 200}})
        EXPECT_TRUE(answered(
            client.http().Post(path, action, client.envelope("GetServerVersion", {}), "text/xml"), status))
            << path;
}

// SIGTERM while clients are connected: idle keep-alive connections are closed at once, requests in
// progress are answered in full, and the store is left consistent.
static std::string request(const SoapClient& client, const std::string& title)
{
    const std::string body = client.envelope("CreateIncident45", incidentArgs(title));
    const std::string headers = "Host: 127.0.0.1\r\nContent-Type: text/xml; charset=utf-8\r\nSOAPAction: \"" +
                                serviceNs + "CreateIncident45\"\r\nContent-Length: ";
    return "POST " + SoapClient::servicePath() + " HTTP/1.1\r\n" + headers + std::to_string(body.size()) +
           "\r\n\r\n" + body;
}

static std::vector<std::string> query(const std::string& dataDir, const std::string& sql)
{
    std::vector<std::string> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2((dataDir + "/orvello.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        sqlite3_exec(
            db, sql.c_str(),
            [](void* out, int, char** values, char**) {
                static_cast<std::vector<std::string>*>(out)->push_back(values[0] ? values[0] : "");
                return 0;
            },
            &rows, nullptr);
    sqlite3_close(db);
    return rows;
}

using IdleStop = ::testing::TestWithParam<int>;

TEST_P(IdleStop, IdleKeepAliveConnectionsAreClosedAtOnce)
{
    ServerProcess server;
    SoapClient used(server); // one answered call, then the connection idles
    ASSERT_EQ(used.call("GetServerVersion").http, 200);
    RawConnection silent(server.port()); // connected, never sends a byte
    ASSERT_TRUE(silent.connected);
    std::this_thread::sleep_for(std::chrono::milliseconds(100)); // both are waiting in the server now

    EXPECT_TRUE(server.stop(GetParam())) << "the server waited out its idle connections or failed";
    bool closed = false;
    EXPECT_EQ(silent.readUntilClosed(1000, closed), "");
    EXPECT_TRUE(closed);
}

INSTANTIATE_TEST_SUITE_P(ServerStop, IdleStop, ::testing::Values(SIGTERM, SIGINT), [](const auto& p) {
    return std::string(p.param == SIGTERM ? "SIGTERM" : "SIGINT");
});

TEST(ServerStop, RequestsInProgressAreAnsweredAndStored)
{
    // --delay-ms holds the first request inside its handler; the second is still sending its body.
    ServerProcess server({"--delay-ms", "600"});
    SoapClient client(server);
    RawConnection handled(server.port()), arriving(server.port());
    const std::string first = request(client, "sent before the stop");
    const std::string second = request(client, "finished after the stop");
    const std::size_t half = second.size() - 100;
    ASSERT_TRUE(handled.send(first));
    ASSERT_TRUE(arriving.send(second.substr(0, half)));
    std::this_thread::sleep_for(std::chrono::milliseconds(250));

    kill(server.pid(), SIGTERM);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(arriving.send(second.substr(half)));
    for (RawConnection* connection : {&handled, &arriving}) {
        bool closed = false;
        const std::string answer = connection->readUntilClosed(3000, closed);
        EXPECT_THAT(answer, AllOf(StartsWith("HTTP/1.1 200 OK"), HasSubstr("Connection: close"),
                                  HasSubstr("CreateIncident45Result")));
        EXPECT_TRUE(closed);
    }
    EXPECT_TRUE(server.stop());
    EXPECT_EQ(query(server.dataDir(), "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    EXPECT_EQ(query(server.dataDir(), "SELECT title FROM items WHERE title LIKE '% the stop' ORDER BY id"),
              (std::vector<std::string>{"sent before the stop", "finished after the stop"}));
}

// Every option at work is a test's that starts a server with it; here the defaults (4 MiB is ASP.NET's
// own request limit).
TEST(CommandLine, Defaults)
{
    const auto o = ServerOptions::parse({});
    std::ostringstream shown;
    shown << o.host << ":" << o.port << " " << o.dataDir << " " << o.version.text() << " " << o.seed << " "
          << o.journalPath << " " << o.delayMs << " " << o.maxBodyBytes << " " << o.maxUploadBytes << " "
          << o.scheme() << " " << o.tlsKeyFile;
    EXPECT_EQ(shown.str(), "127.0.0.1:8080 orvello-data 4.7 demo  0 4194304 536870912 http ");
}

TEST(CommandLine, RefusesBadValues)
{
    for (const char* args : {"--listen 8080", "--listen h:99999", "--listen h:x", "--server-version 4.2",
                             "--seed full", "--delay-ms -1", "--delay-ms", "--max-body 10", "--max-upload 10",
                             "--verbose", "--tls-cert c.pem", "--tls-key k.pem"})
        EXPECT_THROW(ServerOptions::parse(split(args, ' ')), std::invalid_argument) << args;
    EXPECT_THROW(ServerOptions::parse({"--server-version", " 4.5"}), std::invalid_argument);
    // Faults: a method or page, a kind it can take (transfer faults belong to the download page and
    // need a byte count), and a positive request count.
    for (const char* fault :
         {"X=boom", "GetGroupList", "=soap-fault", "GetGroupList=status:", "FilePublishing.aspx=soap-fault",
          "FileDownload.aspx=status:x", "X=http-200", "X=http-5000", "X=http-099", "X=http-50x",
          "X=http-503#0", "X=disconnect#", "FilePublishing.aspx=chunked", "GetGroupList=cut:5",
          "FileDownload.aspx=cut:", "FileDownload.aspx=cut:1x", "FileDownload.aspx=chunked-cut:-1"})
        EXPECT_THROW(ServerOptions::parse({"--fault", fault}), std::invalid_argument) << fault;
}

// A '#' followed by other than a count is text; a copy of a plan (as the server keeps one) counts on
// its own. Counts at work are the end-to-end runs'.
TEST(CommandLine, FaultTextsAndCounts)
{
    auto options =
        ServerOptions::parse({"--fault", "FilePublishing.aspx=http-503#2", "--fault",
                              "GetGroupList=status:Busy#1", "--fault", "GetRoleList=status:Slot #b"});
    EXPECT_EQ(options.faults.forMethod("GetGroupList")->statusText, "Busy");
    EXPECT_EQ(options.faults.forMethod("GetRoleList")->statusText + "/" +
                  std::to_string(options.faults.forMethod("GetRoleList")->times),
              "Slot #b/0");
    FaultPlan plan = options.faults;
    EXPECT_TRUE(plan.take("FilePublishing.aspx") && plan.take("FilePublishing.aspx"));
    EXPECT_FALSE(plan.take("FilePublishing.aspx"));
    EXPECT_TRUE(options.faults.take("FilePublishing.aspx"));
    EXPECT_FALSE(options.faults.forMethod("LoadDictionaries"));
}

TEST(CommandLine, HelpEndsWellAndABadOptionWith2)
{
    EXPECT_EQ(WEXITSTATUS(system((test::ServerProcess::binary() + " --help >/dev/null").c_str())), 0);
    EXPECT_EQ(
        WEXITSTATUS(system((test::ServerProcess::binary() + " --server-version 9.9 2>/dev/null").c_str())),
        2);
}
