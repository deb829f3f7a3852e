#pragma once

#include "support/ServerProcess.h"

#include <httplib.h>

#include <string>

namespace orvdev::test {

// A browser stand-in: signs in through default.aspx (the status: 302 on success) and keeps the cookie.
class WebSession
{
public:
    explicit WebSession(const ServerProcess& server) : m_http(server.host(), server.port()) {}

    int signIn(const std::string& login, const std::string& password)
    {
        auto res = m_http.Get("/default.aspx", httplib::Params{{"login", login}, {"password", password}},
                              httplib::Headers{});
        const std::string cookie = res ? res->get_header_value("Set-Cookie") : "";
        if (!cookie.empty())
            m_cookie = {{"Cookie", cookie.substr(0, cookie.find(';'))}};
        return res ? res->status : 0;
    }
    httplib::Result get(const std::string& path) { return m_http.Get(path.c_str(), m_cookie); }

private:
    httplib::Client m_http;
    httplib::Headers m_cookie;
};

} // namespace orvdev::test
