// SIGTERM while clients are connected: idle keep-alive connections are closed at once, requests in
// progress are answered in full, and the store is left consistent.
#include "support/RawConnection.h"
#include "support/SoapCall.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <csignal>
#include <thread>

using namespace orvdev::test;

namespace {

std::string request(const SoapClient& client, const std::string& title)
{
    const std::string body = client.envelope("CreateIncident45", incidentArgs(title));
    return "POST " + SoapClient::servicePath() +
           " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Type: text/xml; charset=utf-8\r\n"
           "SOAPAction: \"" +
           serviceNs + "CreateIncident45\"\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
           body;
}

std::vector<std::string> query(const std::string& dataDir, const std::string& sql)
{
    std::vector<std::string> rows;
    sqlite3* db = nullptr;
    if (sqlite3_open_v2((dataDir + "/orvello.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_exec(
            db, sql.c_str(),
            [](void* out, int, char** values, char**) {
                static_cast<std::vector<std::string>*>(out)->push_back(values[0] ? values[0] : "");
                return 0;
            },
            &rows, nullptr);
    }
    sqlite3_close(db);
    return rows;
}

} // namespace

class IdleStop : public ::testing::TestWithParam<int>
{
};

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
        EXPECT_EQ(answer.substr(0, 15), "HTTP/1.1 200 OK") << answer;
        EXPECT_NE(answer.find("Connection: close"), std::string::npos) << answer;
        EXPECT_NE(answer.find("CreateIncident45Result"), std::string::npos) << answer;
        EXPECT_TRUE(closed);
    }
    EXPECT_TRUE(server.stop());
    EXPECT_EQ(query(server.dataDir(), "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
    EXPECT_EQ(query(server.dataDir(), "SELECT title FROM items WHERE title LIKE '% the stop' ORDER BY id"),
              (std::vector<std::string>{"sent before the stop", "finished after the stop"}));
}
