// The calendar entries of a period: those touching it, of the kinds asked for, seen by their
// organizer and participants only.
#include "support/SoapCall.h"

#include <gtest/gtest.h>

using namespace orvdev::test;

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
    ASSERT_EQ(
        admin
            .call("CreateToDo45", argList("title=May to-do|description=|projectId=0|managerId=1|"
                                          "startDate=2030-05-02T00:00:00|finishDate=2030-05-03T00:00:00|"
                                          "dateFlags=2|priorityId=2|completionTypeId=17|mustBeConfirmed="
                                          "false|contactId=-1|organizationId=-1|participants=[]"))
            .state,
        "OK");
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
