#pragma once

#include "support/ServerProcess.h"

#include <httplib.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace orvdev::test {

// Posts the wizard's forms to the publishing and download pages, as multipart/form-data with
// the fields in the order given and, for publishing, the file part "PublishedFile".
class FilePageClient
{
public:
    using Fields = std::vector<std::pair<std::string, std::string>>;

    explicit FilePageClient(const ServerProcess& server) : m_http(server.host(), server.port())
    {
        m_http.set_read_timeout(60, 0);
        m_http.set_write_timeout(60, 0);
    }

    // The fields every form starts with; login text "admin@127.0.0.1:PORT" as the wizard sends it.
    static Fields signedIn(const ServerProcess& server, const std::string& user = "admin",
                           const std::string& password = "admin")
    {
        return {{"__EVENTTARGET", "btnSubmit"},
                {"__EVENTARGUMENT", ""},
                {"Login", user + "@127.0.0.1:" + std::to_string(server.port())},
                {"Password", password}};
    }

    httplib::Result publish(const std::string& path, const Fields& fields, const std::string& fileName,
                            const std::string& contents)
    {
        httplib::MultipartFormDataItems items;
        for (const auto& [name, value] : fields)
            items.push_back({name, value, "", ""});
        items.push_back({"PublishedFile", contents, fileName, "application/octet-stream"});
        return m_http.Post(path.c_str(), items);
    }

    httplib::Result post(const std::string& path, const Fields& fields)
    {
        httplib::MultipartFormDataItems items;
        for (const auto& [name, value] : fields)
            items.push_back({name, value, "", ""});
        return m_http.Post(path.c_str(), items);
    }

    httplib::Client& http() { return m_http; }

    static std::string publishing(const std::string& generation = "FileLibrary")
    {
        return "/portals/127_0_0_1/" + generation + "/FilePublishing.aspx";
    }
    static std::string download(const std::string& generation = "FileLibrary")
    {
        return "/portals/127_0_0_1/" + generation + "/FileDownload.aspx";
    }

private:
    httplib::Client m_http;
};

} // namespace orvdev::test
