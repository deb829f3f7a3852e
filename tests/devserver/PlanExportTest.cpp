// ExportOrvProject as a real server's export: week days and exceptions as the plan program writes them,
// outline levels and numbers, and each resource's calendar based on the project's. The calendar chains and
// tasks are the end-to-end export runs'.
#include "support/SoapCall.h"

#include <gtest/gtest.h>

using namespace orvdev::test;

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
