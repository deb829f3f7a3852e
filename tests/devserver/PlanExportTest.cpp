// ExportOrvProject as a real server's export: outline levels and numbers, the project's calendar
// chain with week days and exceptions, and the resources' calendars based on the project's.
#include "support/SharedServer.h"
#include "support/SoapCall.h"

#include <gtest/gtest.h>

using namespace orvdev::test;

namespace {

struct ExportCase
{
    const char* name;
    long long projectId;
    std::vector<std::string> chain; // calendar names from the project's own to the most basic
    std::string baseOfLast;         // BaseCalendarUID of the last calendar: "-1" or "self"
};

class PlanExport : public SharedServer<::testing::TestWithParam<ExportCase>>
{
};

} // namespace

TEST_P(PlanExport, CarriesOutlineAndCalendarsLikeARealExport)
{
    const ExportCase& c = GetParam();
    SoapClient client(*server);
    auto exported = client.call("ExportOrvProject", {num("projectId", c.projectId)});
    ASSERT_EQ(exported.state, "OK");
    const pugi::xml_document plan = exported.answer();

    // The chain, each calendar once, linked by BaseCalendarUID.
    std::string uid = selectOne(plan, "/Project/CalendarUID");
    std::vector<std::string> chain;
    for (std::size_t i = 0; i < c.chain.size(); ++i) {
        const std::string at = "/Project/Calendars/Calendar[UID=" + uid + "]";
        chain.push_back(selectOne(plan, at + "/Name"));
        EXPECT_EQ(selectOne(plan, at + "/IsBaseCalendar"), "1");
        const std::string base = selectOne(plan, at + "/BaseCalendarUID");
        if (i + 1 == c.chain.size()) {
            EXPECT_EQ(base, c.baseOfLast == "self" ? uid : c.baseOfLast);
        }
        uid = base;
    }
    EXPECT_EQ(chain, c.chain);
    EXPECT_EQ(select(plan, "/Project/Calendars/Calendar[IsBaseCalendar=1]").size(), c.chain.size());

    // Tasks: the summary task at level 0, the rest at level 1 numbered in order.
    EXPECT_EQ(selectOne(plan, "/Project/Tasks/Task[UID=0]/OutlineLevel"), "0");
    const auto uids = select(plan, "/Project/Tasks/Task[UID>0]/UID");
    EXPECT_EQ(select(plan, "/Project/Tasks/Task[UID>0][OutlineLevel=1]/UID"), uids);
    EXPECT_EQ(select(plan, "/Project/Tasks/Task[UID>0]/OutlineNumber"), uids);

    // Every resource has its own calendar, named after it and based on the project's.
    const auto resources = select(plan, "/Project/Resources/Resource/Name");
    ASSERT_FALSE(resources.empty());
    for (const std::string& name : resources) {
        const std::string calendar =
            "/Project/Calendars/Calendar[UID=/Project/Resources/Resource[Name='" + name + "']/CalendarUID]";
        EXPECT_EQ(selectOne(plan, calendar + "/Name"), name);
        EXPECT_EQ(selectOne(plan, calendar + "/IsBaseCalendar"), "0");
        EXPECT_EQ(selectOne(plan, calendar + "/BaseCalendarUID"), selectOne(plan, "/Project/CalendarUID"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    DemoProjects, PlanExport,
    ::testing::Values(ExportCase{"StandardOnCompanyWeek", 1, {"Standard", "Company Week"}, "-1"},
                      ExportCase{"ChainOfThree", 3, {"Night Shift", "Standard", "Company Week"}, "-1"},
                      ExportCase{"CalendarBasedOnItself", 5, {"24 Hours"}, "self"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(PlanExportCalendars, WeekDaysAndExceptionsAsMsProjectWritesThem)
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
}
