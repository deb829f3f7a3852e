// Calendar entries of a period; the file library and MS Project exchange.
#include "support/SoapCall.h"

#include <gtest/gtest.h>

#include <array>

using namespace orvdev::test;

namespace {

SoapAnswer createEvent(SoapClient& client, const std::string& title, const std::string& start,
                       const std::string& end, const std::string& participants)
{
    return client.call("CreateEvent45", argList("title=" + title +
                                                "|location=L|description=|projectId=0|managerId=2|"
                                                "startDate=" +
                                                start + "|endDate=" + end +
                                                "|priorityId=2|typeId=19|reminder=60|contactId=-1|"
                                                "organizationId=-1|participants=" +
                                                participants));
}

SoapAnswer calendar(SoapClient& client, bool events, bool tasks, bool todos)
{
    auto b = [](bool v) { return v ? "true" : "false"; };
    return client.call("GetCalendarEvents",
                       {text("startDate", "2030-05-01T00:00:00"), text("finishDate", "2030-05-31T23:59:59"),
                        text("includeEvents", b(events)), text("includeTasks", b(tasks)),
                        text("includeToDos", b(todos))});
}

} // namespace

TEST(Calendar, EntriesOfThePeriodForTheUser)
{
    ServerProcess server;
    SoapClient admin(server);
    for (const auto& [title, start, end, participants] : std::vector<std::array<std::string, 4>>{
             {"In May", "2030-05-10T09:00:00", "2030-05-10T10:00:00", "[3]"},
             {"Across the start", "2030-04-30T22:00:00", "2030-05-01T01:00:00", "[]"},
             {"In June", "2030-06-01T09:00:00", "2030-06-01T10:00:00", "[3]"}})
        ASSERT_EQ(createEvent(admin, title, start, end, participants).state, "OK") << title;
    ASSERT_EQ(
        admin
            .call(
                "CreateToDo45",
                argList("title=May to-do|description=|projectId=0|managerId=1|startDate=2030-05-02T00:00:00|"
                        "finishDate=2030-05-03T00:00:00|dateFlags=2|priorityId=2|completionTypeId=17|"
                        "mustBeConfirmed=false|contactId=-1|organizationId=-1|participants=[]"))
            .state,
        "OK");

    auto all = calendar(admin, true, true, true).answer();
    EXPECT_EQ(select(all, "Calendar/Event/Title"), (std::vector<std::string>{"Across the start", "In May"}));
    EXPECT_EQ(select(all, "Calendar/ToDo/Title"), (std::vector<std::string>{"May to-do"}));
    EXPECT_EQ(selectOne(all, "Calendar/ToDo/HasStartDate"), "False");
    EXPECT_EQ(selectOne(all, "Calendar/ToDo/HasEndDate"), "True");
    EXPECT_EQ(selectOne(all, "Calendar/Event[Title='In May']/Organizer/User/LastName"), "Marsh");
    EXPECT_EQ(selectOne(all, "Calendar/Event[Title='In May']/Participants/User/LastName"), "Brandt");
    EXPECT_EQ(selectOne(all, "Calendar/@Start"), "2030-05-01T00:00:00");
    EXPECT_TRUE(select(calendar(admin, false, true, false).answer(), "Calendar/*").empty());

    SoapClient user(server, "user", "user");
    EXPECT_EQ(select(calendar(user, true, true, true).answer(), "Calendar/Event/Title"),
              (std::vector<std::string>{"In May"}));
    SoapClient other(server, "mhale", "demo");
    EXPECT_TRUE(select(calendar(other, true, true, true).answer(), "Calendar/*").empty());
}

TEST(Library, TreeFoldersAndNames)
{
    ServerProcess server;
    SoapClient client(server);
    auto doc = libraryTree(client);
    EXPECT_EQ(selectOne(doc, "DirList/Folder/Id"), "1");
    EXPECT_EQ(select(doc, "DirList/Folder/ChildList/Folder/Name"),
              (std::vector<std::string>{"Documents", "Policies"}));
    EXPECT_EQ(selectOne(doc, "//Folder[Name='Policies']/CanUserWrite"), "False");
    EXPECT_EQ(selectOne(doc, "//Asset[FileName='Intranet']/Internal"), "False");
    EXPECT_EQ(selectOne(doc, "//Asset[FileName='Intranet']/Url"), "http://intranet.example.com/");
    EXPECT_NE(selectOne(doc, "//Asset[FileName='Welcome.txt']/VersionId"), "0");
    EXPECT_EQ(select(doc, "DirList/Projects/Folder/AssetId"), (std::vector<std::string>{"2", "1"}));

    auto folder = client.call("CreateFolder", {num("parentFolderId", 6), text("folderName", "Drafts")});
    ASSERT_EQ(folder.state, "OK");
    EXPECT_EQ(selectOne(libraryTree(client, 1),
                        "DirList/Projects/Folder/ChildList/Folder[Id=" + folder.result + "]/AssetId"),
              "1");
    EXPECT_EQ(client.call("CreateFolder", {num("parentFolderId", 3), text("folderName", "x")}).state,
              "You cannot create folders in library folder 3.");
}

// The resources' proposed users and the plan exported are the end-to-end import's and export's.
TEST(MsProject, ImportMarksTheProjectSynchronizedAndItsTeamIsExported)
{
    ServerProcess server;
    SoapClient client(server);
    const std::string plan =
        "<?xml version=\"1.0\"?><Project xmlns=\"http://schemas.microsoft.com/project\"><Name>p"
        "</Name><Resources><Resource><UID>1</UID><Name>Linh Nguyen</Name></Resource></Resources>"
        "</Project>";
    auto config =
        client.call("ImportMsProjectStep1", {num("projectId", 3), text("projectXml", plan)}).answer();
    const std::string linh =
        selectOne(config, "ImportConfig/ImportAssignments/Assignment[ResourceId='1']/UserId");
    EXPECT_EQ(selectOne(config, "ImportConfig/Resources/User[UserId=" + linh + "]/LastName"), "Nguyen");
    const std::string request =
        "<ImportConfig><XMLVersionID>" + selectOne(config, "//ImportConfig/XMLVersionID") +
        "</XMLVersionID><ImportAssignments><Assignment><ResourceId>1</ResourceId><UserId>" + linh +
        "</UserId></Assignment></ImportAssignments></ImportConfig>";
    ASSERT_EQ(
        client.call("ImportMsProjectStep2", {num("projectId", -3), text("importConfig", request)}).state,
        "OK");
    EXPECT_EQ(
        selectOne(client.call("GetOrvProjectList").answer(), "Projects/Project[ObjectID=-3]/IsMSProject"),
        "True");
    auto exported = client.call("ExportOrvProject", {num("projectId", -3)});
    ASSERT_EQ(exported.state, "OK");
    EXPECT_NE(exported.result.find("<Name>Linh Nguyen</Name>"), std::string::npos);
    EXPECT_NE(exported.result.find("<Title>Trade Fair 2027</Title>"), std::string::npos);
}
