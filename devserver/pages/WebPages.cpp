#include "pages/WebPages.h"

#include "http/Journal.h"
#include "pages/Html.h"
#include "pages/ObjectViews.h"
#include "services/CallContext.h"
#include "services/User.h"
#include "store/Database.h"

#include <httplib.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

namespace orvdev {
namespace {

const char* const cookieName = "OrvSession";

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Query parameters are matched without regard to case, as the portal's pages do.
std::optional<std::string> param(const httplib::Request& request, const std::string& name)
{
    for (const auto& [key, value] : request.params)
        if (lower(key) == lower(name))
            return value;
    return std::nullopt;
}

std::optional<std::int64_t> idParam(const httplib::Request& request, const std::string& name)
{
    auto text = param(request, name);
    if (!text || text->empty() || text->size() > 18)
        return std::nullopt;
    std::size_t start = (*text)[0] == '-' ? 1 : 0;
    if (start == text->size() || !std::all_of(text->begin() + static_cast<std::ptrdiff_t>(start), text->end(),
                                              [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return std::stoll(*text);
}

std::string newToken()
{
    std::random_device device;
    std::string token;
    char buffer[9];
    for (int i = 0; i < 4; ++i) {
        std::snprintf(buffer, sizeof buffer, "%08x", device());
        token += buffer;
    }
    return token;
}

void answer(httplib::Response& response, int status, const std::string& title, const std::string& text)
{
    response.status = status;
    response.set_content(Html::page(title, "<p>" + Html::escape(text) + "</p>"), "text/html; charset=utf-8");
}

} // namespace

std::string WebPages::portalOf(const std::string& login)
{
    auto at = login.rfind('@');
    if (at == std::string::npos)
        return "";
    std::string server = login.substr(at + 1);
    std::replace(server.begin(), server.end(), '.', '_');
    return server.substr(0, server.find(':'));
}

void WebPages::journal(const std::string& page, const httplib::Request& request, int status)
{
    std::map<std::string, std::string> fields(request.params.begin(), request.params.end());
    m_journal.page(page, fields, status);
}

void WebPages::login(const httplib::Request& request, httplib::Response& response)
{
    const std::string login = param(request, "login").value_or("");
    const std::string password = param(request, "password").value_or("");
    const std::string redirect = param(request, "redirect").value_or("");
    std::lock_guard lock(m_mutex);
    auto user = User::byLogin(m_db, User::userNameOf(login));
    if (!user || m_db.text("SELECT password FROM users WHERE id = ?", {user->id}) != password) {
        answer(response, 403, "Sign in", "Unknown user or wrong password.");
        journal("default.aspx", request, 403);
        return;
    }
    const std::string token = newToken();
    m_db.exec("INSERT INTO web_sessions(token, user_id, created_at) VALUES(?, ?, ?)",
              {token, user->id, CallContext::now()});
    std::string portal = portalOf(login);
    if (portal.empty())
        portal = "default";
    std::string target = "/portals/" + portal + "/" + (redirect.empty() ? "default.aspx" : redirect);
    response.set_header("Set-Cookie", std::string(cookieName) + "=" + token + "; Path=/; HttpOnly");
    response.set_redirect(target, 302);
    journal("default.aspx", request, 302);
}

std::optional<std::int64_t> WebPages::sessionUser(const httplib::Request& request)
{
    const std::string cookies = request.get_header_value("Cookie");
    const std::string key = std::string(cookieName) + "=";
    auto pos = cookies.find(key);
    if (pos == std::string::npos)
        return std::nullopt;
    std::string token = cookies.substr(pos + key.size());
    token = token.substr(0, token.find(';'));
    return m_db.scalar("SELECT user_id FROM web_sessions WHERE token = ?", {token});
}

void WebPages::portalPage(const std::string& portal, const std::string& page, const httplib::Request& request,
                          httplib::Response& response)
{
    std::lock_guard lock(m_mutex);
    auto user = sessionUser(request);
    const std::string name = lower(page);
    std::optional<std::string> html;
    bool known = true;
    if (!user) {
        answer(response, 403, "Access denied", "Please sign in first.");
        journal(page, request, 403);
        return;
    }
    ObjectViews views(m_db);
    auto withId = [&](const char* param) { return idParam(request, param); };
    if (name == "incidents/incidentview.aspx") {
        if (auto id = withId("IncidentId"))
            html = views.item("incident", *id);
    } else if (name == "tasks/taskview.aspx") {
        if (auto id = withId("TaskID"))
            html = views.item("task", *id);
    } else if (name == "events/eventview.aspx") {
        if (!param(request, "EventID"))
            html = views.calendar(*user);
        else if (auto id = withId("EventID"))
            html = views.item("event", *id);
    } else if (name == "todo/todoview.aspx") {
        if (auto id = withId("ToDoID"))
            html = views.item("todo", *id);
    } else if (name == "lists/listview.aspx") {
        if (auto id = withId("ListID"))
            html = views.list(*id, idParam(request, "Page").value_or(1));
    } else if (name == "projects/projectview.aspx") {
        if (auto id = withId("ProjectID"))
            html = views.project(std::llabs(*id), param(request, "Tab").value_or(""));
    } else if (name == "filestorage/default.aspx") {
        if (auto id = withId("FolderID"))
            html = views.folder(*id);
    } else if (name == "default.aspx" || name.empty()) {
        html = Html::page(
            "Portal " + portal,
            "<p>Signed in as " +
                Html::escape(m_db.text("SELECT login FROM users WHERE id = ?", {*user}).value_or("")) +
                ".</p><p><a href=\"Events/EventView.aspx\">Calendar</a></p>");
    } else {
        known = false;
    }
    if (!html) {
        answer(response, 404, "Not found", known ? "There is no such object." : "There is no such page.");
        journal(page, request, 404);
        return;
    }
    response.status = 200;
    response.set_content(*html, "text/html; charset=utf-8");
    journal(page, request, 200);
}

} // namespace orvdev
