#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <set>
#include <string>

namespace orvdev {

class Database;

// The calendars of a project export, written as MS Project writes them: the project's calendar and
// every base it rests on (each once, so a calendar that names itself as its base ends the chain),
// then one calendar per resource based on the project's.
class PlanCalendars
{
public:
    PlanCalendars(Database& db, pugi::xml_node calendars) : m_db(db), m_calendars(calendars) {}

    // Writes the chain of the project's calendar (named by its ProjectCalendar entry); its UID, or -1
    // when the project has none the store knows.
    std::int64_t writeProjectChain(std::int64_t projectId);
    // A resource's own calendar, based on the project's; its UID.
    std::int64_t addResourceCalendar(const std::string& resourceName, std::int64_t baseUid);

private:
    void writeCalendar(std::int64_t id);

    Database& m_db;
    pugi::xml_node m_calendars;
    std::set<std::int64_t> m_written;
    std::int64_t m_nextResourceUid = 0;
};

} // namespace orvdev
