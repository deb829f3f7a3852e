// Signing in from the Authenticator header.
#include "support/SharedServer.h"
#include "support/SoapCall.h"

#include <gtest/gtest.h>

using namespace orvdev::test;

namespace {

struct LoginCase
{
    const char *name, *login, *password;
    std::string user = ""; // the journaled user when accepted; empty when refused
};

class Authentication : public SharedServer<::testing::TestWithParam<LoginCase>>
{
};

} // namespace

TEST_P(Authentication, HeaderDecidesWhoCalls)
{
    const LoginCase& c = GetParam();
    SoapClient client(*server, c.login, c.password);
    auto answer = client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", 7)});
    ASSERT_EQ(answer.http, 200);
    const auto line = server->lastJournalLine();
    EXPECT_EQ(jsonField(line, "status"), answer.state);
    if (!c.user.empty()) {
        EXPECT_EQ(answer.state, "OK");
        EXPECT_FALSE(select(answer.answer(), "Dictionaries/Priority/Item").empty());
        EXPECT_EQ(jsonField(line, "user"), c.user);
    } else {
        EXPECT_EQ(answer.state, "Access denied: unknown user or wrong password.");
        EXPECT_TRUE(answer.result.empty()); // no data
    }
    // The version is told even to a stranger.
    auto version = client.call("GetServerVersion");
    EXPECT_EQ(version.result, "4.7");
    EXPECT_EQ(version.state, answer.state);
}

INSTANTIATE_TEST_SUITE_P(
    Logins, Authentication,
    ::testing::Values(LoginCase{"AdminWithServer", "admin@127.0.0.1:8080", "admin", "admin"},
                      LoginCase{"UserNameAlone", "pm", "pm", "pm"},
                      LoginCase{"UserNameIsBeforeTheLastAt", "user@corp@127.0.0.1", "user"},
                      LoginCase{"PlainUser", "user@localhost", "user", "user"},
                      LoginCase{"WrongPassword", "admin@localhost", "Admin"},
                      LoginCase{"UnknownUser", "nobody@localhost", "x"}, LoginCase{"EmptyLogin", "", ""}),
    [](const auto& p) { return std::string(p.param.name); });
