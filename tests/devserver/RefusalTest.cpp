// What the service refuses with a status text, which the wizard's own page checks never let through:
// missing or unknown references, folders the user may not write to, and rights that follow the user.
#include "support/ServerTest.h"
#include "support/SoapCall.h"

using namespace orvdev::test;

struct Refusal
{
    const char *name, *user, *method;
    std::string args; // as argList() reads them
    std::string state;
};

const std::string
    task = "description=|projectId=0|startDate=2026-03-02T09:30:00|finishDate=2026-03-03T00:00:00|"
           "isMilestone=false|priorityId=2|completionTypeId=17|mustBeConfirmed=false|participants=",
    incident = "description=|typeId=7|priorityId=2|severityId=12|incidentBoxId=-1|contactId=-1|"
               "organizationId=-1|",
    list = "templateId=0|title=L|description=|typeId=23|statusId=27|categories=[]|folderId=",
    newCategory = "objectTypeId=7|categoriesXml=<Categories><Category State=\"Added\"><CategoryId/>"
                  "<CategoryName>New one</CategoryName></Category></Categories>",
    newClient = "dictionariesXml=<Dictionaries><ProjectClient><Item State=\"Added\"><Value>Acme"
                "</Value><Data>-1</Data></Item></ProjectClient></Dictionaries>",
    noRight = "You have no right to edit this dictionary.";

const Refusal refusals[] = {
    {"BlankTitle", "admin", "CreateIncident45", incident + "title=  |projectId=-1|categories=[]",
     "The title is required."},
    {"UnknownProject", "admin", "CreateIncident45", incident + "title=x|projectId=999|categories=[]",
     "Project 999 does not exist."},
    {"CategoryOfAnotherKind", "admin", "CreateIncident45", incident + "title=x|projectId=-1|categories=[5]",
     "Category 5 does not exist for this kind of object."},
    {"UnknownParticipant", "admin", "CreateTask", "title=t|" + task + "[3,9999]",
     "The participant (user 9999) does not exist."},
    {"RoleOfAnotherTemplate", "admin", "updateProjectFromTemplate",
     "projectId=1|templateId=2|assignments={3:1}", "Role 1 is not a role of template 2."},
    {"ReadOnlyLibraryFolder", "admin", "CreateFolder", "parentFolderId=3|folderName=x",
     "You cannot create folders in library folder 3."},
    {"ReadOnlyListFolder", "admin", "CreateListFolder", "parentFolderId=2|folderName=x",
     "You cannot create folders in list folder 2."},
    {"ListInReadOnlyFolder", "admin", "CreateList", list + "2", "You cannot create lists in list folder 2."},
    {"WorkbookNotUploaded", "admin", "CreateListFromExcel",
     "fileName=book.xls|sheetName=S|title=S|description=|folderId=1|typeId=23|statusId=27|categories=[]|"
     "ignoreErrorRows=1",
     "The uploaded file 'book.xls' was not found."},
    {"DeletingAnUnknownCategory", "admin", "UpdateCategoryList",
     "objectTypeId=5|categoriesXml=<Categories><Category State=\"Added\"><CategoryName>X</CategoryName>"
     "</Category><Category State=\"Deleted\"><CategoryId>999</CategoryId></Category></Categories>",
     "The category to delete does not exist."},
    {"UserEditsCategories", "user", "UpdateCategoryList", newCategory, noRight},
    {"UserEditsClients", "user", "UpdateDictionaries", newClient, noRight},
    {"ManagerEditsCategories", "pm", "UpdateCategoryList", newCategory, "OK"},
    {"ManagerEditsClients", "pm", "UpdateDictionaries", newClient, "OK"},
};

using Refusals = SharedServer<::testing::TestWithParam<Refusal>>;

TEST_P(Refusals, SayWhyAndStoreNothing)
{
    const Refusal& r = GetParam();
    SoapClient client(*server, r.user, r.user);
    const auto before = server->journal().size();
    auto answer = client.call(r.method, argList(r.args));
    EXPECT_EQ(answer.state, r.state) << answer.body;
    EXPECT_EQ(jsonField(server->lastJournalLine(), "status"), r.state);
    EXPECT_EQ(server->journal().size(), before + 1);
    EXPECT_TRUE(r.state == "OK" || answer.result == "0" || answer.result.empty()) << answer.result;
}

INSTANTIATE_TEST_SUITE_P(Calls, Refusals, ::testing::ValuesIn(refusals),
                         [](const auto& p) { return std::string(p.param.name); });

// Nothing of a refused call is half-stored: ids go on from the last good one, a refused document
// leaves no trace of its good parts.
TEST(Refused, CallsLeaveNoTrace)
{
    ServerProcess server;
    SoapClient client(server);
    const std::string first = client.call("CreateIncident45", incidentArgs("x")).result;
    for (const Refusal& r : refusals)
        if (r.state != "OK") {
            ASSERT_EQ(SoapClient(server, r.user, r.user).call(r.method, argList(r.args)).state, r.state);
        }
    EXPECT_EQ(std::stoi(client.call("CreateIncident45", incidentArgs("y")).result), std::stoi(first) + 1);
    for (const auto& [type, name] : {std::pair{5, "X"}, {7, "New one"}})
        EXPECT_TRUE(select(client.call("GetCategoryList2", {num("objectTypeId", type)}).answer(),
                           "Categories/Category[CategoryName='" + std::string(name) + "']")
                        .empty())
            << name;
}

// Signing in from the Authenticator header.
struct LoginCase
{
    const char *name, *login, *password;
    std::string user = ""; // the journaled user when accepted; empty when refused
};
using Authentication = SharedServer<::testing::TestWithParam<LoginCase>>;

TEST_P(Authentication, HeaderDecidesWhoCalls)
{
    const LoginCase& c = GetParam();
    SoapClient client(*server, c.login, c.password);
    auto answer = client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", 7)});
    ASSERT_EQ(answer.http, 200);
    const auto line = server->lastJournalLine();
    EXPECT_EQ(jsonField(line, "status"), answer.state);
    EXPECT_EQ(answer.state, c.user.empty() ? "Access denied: unknown user or wrong password." : "OK");
    if (c.user.empty()) {
        EXPECT_TRUE(answer.result.empty()); // no data
    } else {
        EXPECT_FALSE(select(answer.answer(), "Dictionaries/Priority/Item").empty());
        EXPECT_EQ(jsonField(line, "user"), c.user);
    }
    // The version is told even to a stranger.
    const auto version = client.call("GetServerVersion");
    EXPECT_EQ(std::tie(version.result, version.state), std::tuple("4.7", answer.state));
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
