#pragma once

#include "support/ServerProcess.h"

#include <httplib.h>

#include <string>

namespace orvdev::test {

// A browser stand-in: signs in through default.aspx and keeps the session cookie.
class WebSession
{
public:
    explicit WebSession(const ServerProcess& server) : m_http(server.host(), server.port()) {}

    // Returns the HTTP status of the sign-in answer (302 on success) and keeps its cookie.
    int signIn(const std::string& login, const std::string& password, const std::string& redirect = "")
    {
        httplib::Params params{{"login", login}, {"password", password}, {"redirect", redirect}};
        auto res = m_http.Get("/default.aspx", params, httplib::Headers{});
        if (!res)
            return 0;
        location = res->get_header_value("Location");
        auto cookie = res->get_header_value("Set-Cookie");
        if (!cookie.empty())
            m_cookie = cookie.substr(0, cookie.find(';'));
        return res->status;
    }

    httplib::Result get(const std::string& path)
    {
        httplib::Headers headers;
        if (!m_cookie.empty())
            headers.emplace("Cookie", m_cookie);
        return m_http.Get(path.c_str(), headers);
    }

    std::string location;

private:
    httplib::Client m_http;
    std::string m_cookie;
};

} // namespace orvdev::test
