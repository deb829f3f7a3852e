// Signing in from the Authenticator header, and rights that follow the user.
#include "support/SharedServer.h"
#include "support/SoapCall.h"

#include <gtest/gtest.h>

using namespace orvdev::test;

namespace {

struct LoginCase
{
    const char* name;
    const char* login;
    const char* password;
    bool accepted;
};

void PrintTo(const LoginCase& c, std::ostream* os)
{
    *os << c.name;
}

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
    if (c.accepted) {
        EXPECT_EQ(answer.state, "OK");
        EXPECT_FALSE(select(answer.answer(), "Dictionaries/Priority/Item").empty());
    } else {
        EXPECT_NE(answer.state, "OK");
        EXPECT_FALSE(answer.state.empty());
        EXPECT_TRUE(answer.result.empty()); // no data
    }
    EXPECT_EQ(jsonField(server->lastJournalLine(), "status"), answer.state);
}

INSTANTIATE_TEST_SUITE_P(
    Logins, Authentication,
    ::testing::Values(LoginCase{"AdminWithServer", "admin@127.0.0.1:8080", "admin", true},
                      LoginCase{"UserNameAlone", "pm", "pm", true},
                      LoginCase{"UserNameIsBeforeTheLastAt", "user@corp@127.0.0.1", "user", false},
                      LoginCase{"PlainUser", "user@localhost", "user", true},
                      LoginCase{"WrongPassword", "admin@localhost", "Admin", false},
                      LoginCase{"UnknownUser", "nobody@localhost", "x", false},
                      LoginCase{"EmptyLogin", "", "", false}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Authentication, VersionIsToldEvenToAStranger)
{
    ServerProcess server;
    SoapClient client(server, "nobody@h", "x");
    auto answer = client.call("GetServerVersion");
    EXPECT_EQ(answer.result, "4.7");
    EXPECT_EQ(answer.state, "Access denied: unknown user or wrong password.");
}

TEST(Authentication, JournalNamesTheUser)
{
    ServerProcess server;
    SoapClient client(server, "pm@127.0.0.1:9999", "pm");
    client.call("GetGroupList");
    EXPECT_EQ(jsonField(server.lastJournalLine(), "user"), "pm");
}

TEST(Rights, OnlyEditorsChangeCategoriesAndClients)
{
    ServerProcess server;
    const std::string categories = "<Categories><Category State=\"Added\"><CategoryId/><CategoryName>New one"
                                   "</CategoryName></Category></Categories>";
    const std::string clients =
        "<Dictionaries><ProjectClient><Item State=\"Added\"><Value>Acme</Value><Data>-1</Data>"
        "</Item></ProjectClient></Dictionaries>";
    struct Who
    {
        const char *login, *password;
        bool allowed;
    };
    for (Who who : {Who{"user", "user", false}, Who{"admin", "admin", true}, Who{"pm", "pm", true}}) {
        SoapClient client(server, who.login, who.password);
        auto a =
            client.call("UpdateCategoryList", {num("objectTypeId", 7), text("categoriesXml", categories)});
        auto b = client.call("UpdateDictionaries", {text("dictionariesXml", clients)});
        EXPECT_EQ(a.state == "OK", who.allowed) << who.login << ": " << a.state;
        EXPECT_EQ(b.state == "OK", who.allowed) << who.login << ": " << b.state;
        if (!who.allowed) {
            EXPECT_EQ(a.state, "You have no right to edit this dictionary.");
        }
    }
    SoapClient admin(server);
    auto list = admin.call("GetCategoryList2", {num("objectTypeId", 7)});
    EXPECT_EQ(select(list.answer(), "Categories/Category[CategoryName='New one']/CategoryId").size(), 2u);
}
