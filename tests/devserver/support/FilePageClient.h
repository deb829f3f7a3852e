#pragma once

#include "support/ServerProcess.h"
#include "support/SoapCall.h"

#include <httplib.h>

#include <string>

namespace orvdev::test {

// Posts the wizard's forms to the publishing and download pages of one release's path, as
// multipart/form-data signed in as the given user ("user@127.0.0.1:PORT", as the wizard sends it).
// Form fields are written "Name=value&Name=value" and follow the sign-in fields in that order.
class FilePageClient
{
public:
    explicit FilePageClient(const ServerProcess& server, std::string user = "admin",
                            std::string password = "admin", std::string generation = "FileLibrary")
        : m_http(server.host(), server.port()), m_login(user + "@127.0.0.1:" + std::to_string(server.port())),
          m_password(std::move(password)), m_path("/portals/127_0_0_1/" + generation + "/")
    {
        m_http.set_read_timeout(60, 0);
        m_http.set_write_timeout(60, 0);
    }

    httplib::Client& http() { return m_http; } // for a longer timeout (benchmarks of big files)

    // The file goes in the part "PublishedFile"; without a file name no file part is sent.
    httplib::Result publish(const std::string& fields, const std::string& fileName = "",
                            const std::string& contents = "")
    {
        auto items = parts(fields);
        if (!fileName.empty())
            items.push_back({"PublishedFile", contents, fileName, "application/octet-stream"});
        return m_http.Post((m_path + "FilePublishing.aspx").c_str(), items);
    }
    httplib::Result download(const std::string& fields)
    {
        return m_http.Post((m_path + "FileDownload.aspx").c_str(), parts(fields));
    }

private:
    httplib::MultipartFormDataItems parts(const std::string& fields) const
    {
        httplib::MultipartFormDataItems items = {{"__EVENTTARGET", "btnSubmit", "", ""},
                                                 {"__EVENTARGUMENT", "", "", ""},
                                                 {"Login", m_login, "", ""},
                                                 {"Password", m_password, "", ""}};
        for (const std::string& field : fields.empty() ? std::vector<std::string>{} : split(fields, '&')) {
            const std::size_t equals = field.find('=');
            items.push_back({field.substr(0, equals),
                             equals == std::string::npos ? "" : field.substr(equals + 1), "", ""});
        }
        items.push_back({"__HARLOWE_FORM_UNIQUEID", "0A1B2C3D-4E5F-6A7B-8C9D0E1F2A3B4C5D", "", ""});
        return items;
    }

    httplib::Client m_http;
    std::string m_login, m_password, m_path;
};

} // namespace orvdev::test
