// Answers that follow the user or the data beyond what the wizard's end-to-end runs see: whose projects
// a user is offered, how the client list is edited, the calendar of a period, and the plan export's
// calendars.
#include "support/SoapCall.h"

#include <gtest/gtest.h>

using namespace orvdev::test;

// The projects a user takes part in, and for import and export only those it manages (their shape is
// what the end-to-end project pages read).
TEST(ProjectLists, FollowTheUser)
{
    ServerProcess server;
    SoapClient admin(server), user(server, "user", "user"), pm(server, "pm", "pm");
    auto titles = [](SoapClient& client, const std::string& method, const std::vector<Arg>& args = {}) {
        return select(client.call(method, args).answer(), "Projects/Project/Title");
    };
    EXPECT_EQ(titles(admin, "GetOrvProjectList2", {num("objectTypeId", 6)}).size(), 6u);
    EXPECT_EQ(titles(user, "GetOrvProjectList2", {num("objectTypeId", 7)}),
              (std::vector<std::string>{"Trade Fair 2027", "Website Relaunch"}));
    EXPECT_TRUE(titles(user, "GetOrvProjectList").empty());
    EXPECT_EQ(titles(pm, "GetOrvProjectList"),
              (std::vector<std::string>{"Warehouse Automation", "Website Relaunch"}));
    EXPECT_EQ(selectOne(pm.call("GetOrvProjectList2", {num("objectTypeId", 3)}).answer(),
                        "Projects/Managers/User[IsCurrentUser]/LastName"),
              "Marsh");
}

// One list of clients: organizations are sent with negative data, contacts with positive (the editor's
// own calls are the end-to-end category runs').
TEST(Clients, SignTellsOrganizationsFromContacts)
{
    for (const std::string version : {"4.1", "4.7"}) {
        ServerProcess server({"--server-version", version});
        SoapClient client(server);
        auto dictionaries = [&] {
            return client.call("LoadDictionaries", {text("language", "en"), num("objectTypeId", 3)}).answer();
        };
        const auto before = dictionaries();
        const std::string org = selectOne(before, "//ProjectOrganization/Item[Value='Pinecrest Bank']/Data"),
                          contact = selectOne(before, "//ProjectContact/Item[Value='Hannah Wolfe']/Data");
        auto item = [](const char* state, const std::string& value, const std::string& data) {
            return "<Item State=\"" + std::string(state) + "\"><Value>" + value + "</Value><Data>" + data +
                   "</Data></Item>";
        };
        const std::string edits = "<Dictionaries><ProjectClient>" + item("Added", "New Org", "-1") +
                                  item("Added", "New Contact", "1") +
                                  item("Modified", "Pinecrest Savings", "-" + org) +
                                  item("Deleted", "", contact) + "</ProjectClient></Dictionaries>";
        ASSERT_EQ(client.call("UpdateDictionaries", {text("dictionariesXml", edits)}).state, "OK");
        const auto after = dictionaries();
        EXPECT_EQ(
            select(after, "//ProjectOrganization/Item/Value[.='New Org' or .='Pinecrest Savings']").size() +
                select(after, "//ProjectContact/Item[Value='New Contact']").size(),
            3u)
            << version;
        EXPECT_EQ(selectOne(after, "//ProjectOrganization/Item[Data='" + org + "']/Value"),
                  "Pinecrest Savings");
        EXPECT_TRUE(select(after, "//ProjectContact/Item[Value='Hannah Wolfe']").empty()) << version;
    }
}

// The calendar entries of a period: those touching it, of the kinds asked for, seen by their
// organizer and participants only.
TEST(Calendar, EntriesOfThePeriodForTheUser)
{
    ServerProcess server;
    SoapClient admin(server);
    const std::string event = "location=L|description=|projectId=0|managerId=2|priorityId=2|typeId=19|"
                              "reminder=60|contactId=-1|organizationId=-1|";
    for (const std::string entry : {"title=In May|startDate=2030-05-10T09:00:00|endDate=2030-05-10T10:00:00|"
                                    "participants=[3]",
                                    "title=Across the start|startDate=2030-04-30T22:00:00|"
                                    "endDate=2030-05-01T01:00:00|participants=[]",
                                    "title=In June|startDate=2030-06-01T09:00:00|endDate=2030-06-01T10:00:00|"
                                    "participants=[3]"})
        ASSERT_EQ(admin.call("CreateEvent45", argList(event + entry)).state, "OK") << entry;
    const std::string toDo =
        "title=May to-do|description=|projectId=0|managerId=1|startDate=2030-05-02T00:00:00|"
        "finishDate=2030-05-03T00:00:00|dateFlags=2|priorityId=2|completionTypeId=17|"
        "mustBeConfirmed=false|contactId=-1|organizationId=-1|participants=[]";
    ASSERT_EQ(admin.call("CreateToDo45", argList(toDo)).state, "OK");
    auto calendar = [](SoapClient& client, const std::string& kinds) {
        return client
            .call("GetCalendarEvents",
                  argList("startDate=2030-05-01T00:00:00|finishDate=2030-05-31T23:59:59|" + kinds))
            .answer();
    };
    const std::string everything = "includeEvents=true|includeTasks=true|includeToDos=true";
    auto all = calendar(admin, everything);
    EXPECT_EQ(select(all, "Calendar/Event/Title"), (std::vector<std::string>{"Across the start", "In May"}));
    EXPECT_EQ(select(all, "Calendar/ToDo/Title"), (std::vector<std::string>{"May to-do"}));
    EXPECT_EQ(selectOne(all, "Calendar/ToDo/HasStartDate") + selectOne(all, "Calendar/ToDo/HasEndDate"),
              "FalseTrue");
    EXPECT_EQ(selectOne(all, "Calendar/Event[Title='In May']/Organizer/User/LastName"), "Marsh");
    EXPECT_EQ(selectOne(all, "Calendar/Event[Title='In May']/Participants/User/LastName"), "Brandt");
    EXPECT_EQ(selectOne(all, "Calendar/@Start"), "2030-05-01T00:00:00");
    EXPECT_TRUE(
        select(calendar(admin, "includeEvents=false|includeTasks=true|includeToDos=false"), "Calendar/*")
            .empty());
    SoapClient user(server, "user", "user"), other(server, "mhale", "demo");
    EXPECT_EQ(select(calendar(user, everything), "Calendar/Event/Title"), std::vector<std::string>{"In May"});
    EXPECT_TRUE(select(calendar(other, everything), "Calendar/*").empty());
}

// ExportOrvProject as a real server's export: week days and exceptions as the plan program writes them,
// outline levels and numbers, and each resource's calendar based on the project's. The calendar chains and
// tasks are the end-to-end export runs'.
TEST(PlanExport, CalendarsAsThePlanProgramWritesThem)
{
    ServerProcess server;
    SoapClient client(server);
    const pugi::xml_document plan = client.call("ExportOrvProject", {num("projectId", 3)}).answer();
    const std::string week = "/Project/Calendars/Calendar[Name='Company Week']/WeekDays/WeekDay";
    EXPECT_EQ(select(plan, week + "[DayType=2]/WorkingTimes/WorkingTime/FromTime"),
              (std::vector<std::string>{"08:00:00", "13:00:00"}));
    EXPECT_EQ(selectOne(plan, week + "[DayType=1]/DayWorking"), "0");
    EXPECT_EQ(select(plan, week + "[DayType=0][DayWorking=0]/TimePeriod/FromDate"),
              (std::vector<std::string>{"2026-12-24T00:00:00", "2026-12-25T00:00:00", "2026-12-31T00:00:00",
                                        "2027-01-01T00:00:00"}));
    // A derived calendar lists only the days it changes.
    const std::string standard = "/Project/Calendars/Calendar[Name='Standard']/WeekDays/WeekDay";
    EXPECT_EQ(select(plan, standard + "/DayType"), std::vector<std::string>{"6"});
    EXPECT_EQ(selectOne(plan, standard + "/WorkingTimes/WorkingTime/ToTime"), "13:00:00");
    // The summary task at level 0, the rest at level 1 numbered in order.
    EXPECT_EQ(selectOne(plan, "/Project/Tasks/Task[UID=0]/OutlineLevel"), "0");
    const auto uids = select(plan, "/Project/Tasks/Task[UID>0]/UID");
    EXPECT_EQ(select(plan, "/Project/Tasks/Task[UID>0][OutlineLevel=1]/OutlineNumber"), uids);
    const auto resources = select(plan, "/Project/Resources/Resource/Name");
    ASSERT_FALSE(resources.empty());
    for (const std::string& name : resources) {
        const std::string calendar =
            "/Project/Calendars/Calendar[UID=/Project/Resources/Resource[Name='" + name + "']/CalendarUID]";
        EXPECT_EQ(selectOne(plan, calendar + "/Name") + selectOne(plan, calendar + "/IsBaseCalendar"),
                  name + "0");
        EXPECT_EQ(selectOne(plan, calendar + "/BaseCalendarUID"), selectOne(plan, "/Project/CalendarUID"));
    }
}

// The answer of a category edit counts the changes applied.
TEST(Categories, AnswerCountsTheChanges)
{
    ServerProcess server;
    SoapClient client(server);
    const std::string edits = "<Categories><Category State=\"Added\"><CategoryName>Review</CategoryName>"
                              "</Category><Category State=\"Added\"><CategoryName>Audit</CategoryName>"
                              "</Category></Categories>";
    const auto answer =
        client.call("UpdateCategoryList", {num("objectTypeId", 5), text("categoriesXml", edits)});
    EXPECT_EQ(answer.state + " " + answer.result, "OK 2");
}
