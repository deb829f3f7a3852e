#pragma once

#include <mutex>
#include <optional>
#include <string>

namespace httplib {
struct Request;
struct Response;
} // namespace httplib

namespace orvdev {

class Database;
class Journal;

// The browser side: the auto-login page at the host root and the object views of a portal.
class WebPages
{
public:
    WebPages(Database& db, std::mutex& storeMutex, Journal& journal)
        : m_db(db), m_mutex(storeMutex), m_journal(journal)
    {
    }

    // /default.aspx?login=…&password=…&redirect=…: signs in (cookie) and redirects into the portal.
    void login(const httplib::Request& request, httplib::Response& response);
    // /portals/<portal>/<page>: 403 without a session, 404 for an unknown page or id.
    void portalPage(const std::string& portal, const std::string& page, const httplib::Request& request,
                    httplib::Response& response);

    // The portal name of a login: the server part after the last "@", dots to "_", port cut off.
    static std::string portalOf(const std::string& login);

private:
    std::optional<std::int64_t> sessionUser(const httplib::Request& request);
    void journal(const std::string& page, const httplib::Request& request, int status);
    Database& m_db;
    std::mutex& m_mutex;
    Journal& m_journal;
};

} // namespace orvdev
