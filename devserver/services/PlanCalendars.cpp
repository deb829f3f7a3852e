#include "services/PlanCalendars.h"

#include "services/AnswerXml.h"
#include "store/Database.h"

#include <optional>

namespace orvdev {
namespace {

// "08:00-12:00,13:00-17:00" as <WorkingTimes>; "00:00-00:00" is a whole day, as MS Project writes it.
void addWorkingTimes(pugi::xml_node weekDay, const std::string& shifts)
{
    if (shifts.empty())
        return;
    auto times = weekDay.append_child("WorkingTimes");
    std::size_t start = 0;
    while (start < shifts.size()) {
        std::size_t comma = shifts.find(',', start);
        if (comma == std::string::npos)
            comma = shifts.size();
        const std::string shift = shifts.substr(start, comma - start);
        start = comma + 1;
        const std::size_t dash = shift.find('-');
        if (dash == std::string::npos)
            continue;
        auto time = times.append_child("WorkingTime");
        AnswerXml::add(time, "FromTime", shift.substr(0, dash) + ":00");
        AnswerXml::add(time, "ToTime", shift.substr(dash + 1) + ":00");
    }
}

} // namespace

std::int64_t PlanCalendars::writeProjectChain(std::int64_t projectId)
{
    const std::optional<std::int64_t> head =
        m_db.scalar("SELECT c.id FROM projects p JOIN dictionary_items d ON d.id = p.calendar_id"
                    " JOIN calendars c ON c.name = d.value WHERE p.id = ?",
                    {projectId});
    if (!head)
        return -1;
    std::optional<std::int64_t> next = head;
    while (next && !m_written.count(*next)) {
        writeCalendar(*next);
        next = m_db.scalar("SELECT b.id FROM calendars c JOIN calendars b ON b.id = c.base_id WHERE c.id = ?",
                           {*next});
    }
    return *head;
}

void PlanCalendars::writeCalendar(std::int64_t id)
{
    m_written.insert(id);
    auto calendar = m_calendars.append_child("Calendar");
    m_db.each("SELECT c.name, COALESCE(b.id, -1) FROM calendars c LEFT JOIN calendars b ON b.id = c.base_id"
              " WHERE c.id = ?",
              {id}, [&](const Row& r) {
                  AnswerXml::add(calendar, "UID", id);
                  AnswerXml::add(calendar, "Name", r.s(0));
                  AnswerXml::add(calendar, "IsBaseCalendar", std::int64_t(1));
                  AnswerXml::add(calendar, "BaseCalendarUID", r.i(1));
              });
    auto weekDays = calendar.append_child("WeekDays");
    m_db.each("SELECT day_type, working, shifts FROM calendar_days WHERE calendar_id = ? ORDER BY day_type",
              {id}, [&](const Row& r) {
                  auto day = weekDays.append_child("WeekDay");
                  AnswerXml::add(day, "DayType", r.i(0));
                  AnswerXml::add(day, "DayWorking", r.i(1));
                  addWorkingTimes(day, r.s(2));
              });
    // Exceptions are week days of type 0 with the period they cover.
    m_db.each("SELECT from_date, to_date, working FROM calendar_exceptions WHERE calendar_id = ? ORDER BY "
              "from_date",
              {id}, [&](const Row& r) {
                  auto day = weekDays.append_child("WeekDay");
                  AnswerXml::add(day, "DayType", std::int64_t(0));
                  AnswerXml::add(day, "DayWorking", r.i(2));
                  auto period = day.append_child("TimePeriod");
                  AnswerXml::add(period, "FromDate", r.s(0));
                  AnswerXml::add(period, "ToDate", r.s(1));
              });
}

std::int64_t PlanCalendars::addResourceCalendar(const std::string& resourceName, std::int64_t baseUid)
{
    if (m_nextResourceUid == 0)
        m_nextResourceUid = m_db.scalar("SELECT COALESCE(MAX(id), 0) + 1 FROM calendars").value_or(1);
    const std::int64_t uid = m_nextResourceUid++;
    auto calendar = m_calendars.append_child("Calendar");
    AnswerXml::add(calendar, "UID", uid);
    AnswerXml::add(calendar, "Name", resourceName);
    AnswerXml::add(calendar, "IsBaseCalendar", std::int64_t(0));
    AnswerXml::add(calendar, "BaseCalendarUID", baseUid);
    return uid;
}

} // namespace orvdev
