// The demo's working-time calendars: a chain three deep (Night Shift on Standard on Company Week),
// and "24 Hours", which names itself as its base, as calendars imported from old plans sometimes do.
#include "seed/Seeder.h"

#include "store/Database.h"

#include <string>
#include <vector>

namespace orvdev {
namespace {

struct Day
{
    int type; // 1 = Sunday ... 7 = Saturday
    bool working;
    const char* shifts;
};

struct Calendar
{
    const char* name;
    const char* base; // nullptr: none
    std::vector<Day> days;
    std::vector<const char*> daysOff; // whole non-working days, YYYY-MM-DD
};

} // namespace

void DemoSeed::calendars()
{
    const char* office = "08:00-12:00,13:00-17:00";
    const Calendar list[] = {
        {"Company Week",
         nullptr,
         {{1, false, ""},
          {2, true, office},
          {3, true, office},
          {4, true, office},
          {5, true, office},
          {6, true, office},
          {7, false, ""}},
         {"2026-12-24", "2026-12-25", "2026-12-31", "2027-01-01"}},
        {"Standard", "Company Week", {{6, true, "08:00-13:00"}}, {}}, // short Fridays
        {"Night Shift",
         "Standard",
         {{2, true, "20:00-00:00"},
          {3, true, "00:00-03:00,20:00-00:00"},
          {4, true, "00:00-03:00,20:00-00:00"},
          {5, true, "00:00-03:00,20:00-00:00"},
          {6, true, "00:00-03:00,20:00-00:00"},
          {7, true, "00:00-03:00"}},
         {"2027-01-06"}},
        {"24 Hours",
         "24 Hours",
         {{1, true, "00:00-00:00"},
          {2, true, "00:00-00:00"},
          {3, true, "00:00-00:00"},
          {4, true, "00:00-00:00"},
          {5, true, "00:00-00:00"},
          {6, true, "00:00-00:00"},
          {7, true, "00:00-00:00"}},
         {}},
    };
    for (const Calendar& c : list) {
        const std::int64_t id = m_db.insert("INSERT INTO calendars(name) VALUES(?)", {std::string(c.name)});
        for (const Day& d : c.days)
            m_db.exec("INSERT INTO calendar_days(calendar_id, day_type, working, shifts) VALUES(?, ?, ?, ?)",
                      {id, std::int64_t(d.type), std::int64_t(d.working), std::string(d.shifts)});
        for (const char* off : c.daysOff)
            m_db.exec("INSERT INTO calendar_exceptions(calendar_id, from_date, to_date) VALUES(?, ?, ?)",
                      {id, std::string(off) + "T00:00:00", std::string(off) + "T23:59:00"});
    }
    for (const Calendar& c : list)
        if (c.base)
            m_db.exec(
                "UPDATE calendars SET base_id = (SELECT id FROM calendars WHERE name = ?) WHERE name = ?",
                {std::string(c.base), std::string(c.name)});
    // The fair runs through the nights; the help desk never closes.
    for (const auto& [project, calendar] :
         {std::pair{"Trade Fair 2027", "Night Shift"}, std::pair{"Help Desk Tooling", "24 Hours"}})
        m_db.exec("UPDATE projects SET calendar_id = (SELECT id FROM dictionary_items WHERE dictionary ="
                  " 'ProjectCalendar' AND value = ?) WHERE title = ?",
                  {std::string(calendar), std::string(project)});
}

} // namespace orvdev
