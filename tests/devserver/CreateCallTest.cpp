// A created item keeps every value it was sent: its web view shows them (escaped), and a second call
// gets a new id. The calls' arguments as the wizard sends them are the end-to-end item runs' check.
#include "support/HttpCheck.h"
#include "support/SoapCall.h"
#include "support/WebSession.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace orvdev::test;

TEST(CreateCall, StoresWhatWasSentAndShowsIt)
{
    ServerProcess server;
    SoapClient client(server);
    const auto args = argList("title=Printer jams|description=Tray 2 <again> & again|projectId=1|typeId=7|"
                              "priorityId=3|severityId=12|categories=[1,3]|incidentBoxId=14|contactId=-1|"
                              "organizationId=4");
    auto answer = client.call("CreateIncident45", args);
    ASSERT_EQ(answer.state, "OK") << answer.body;
    EXPECT_EQ(answer.echo("organizationId"), "4"); // by-reference arguments come back as sent
    WebSession web(server);
    ASSERT_EQ(web.signIn("admin@127.0.0.1", "admin"), 302);
    auto page =
        web.get("/portals/p/Incidents/IncidentView.aspx?IncidentId=" + answer.result + "&Tab=General");
    ASSERT_TRUE(answered(page, 200));
    for (const char* shown : {"Printer jams", "Tray 2 &lt;again&gt; &amp; again", "Website Relaunch",
                              "Hardware, Network", "Pinecrest Bank", "High"})
        EXPECT_THAT(page->body, ::testing::HasSubstr(shown));
    EXPECT_NE(client.call("CreateIncident45", args).result, answer.result);
}
