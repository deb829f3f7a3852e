#include "http/Journal.h"

#include "http/Json.h"

#include <stdexcept>

namespace orvdev {

Journal::Journal(const std::string& path)
{
    if (path.empty())
        return;
    m_out.open(path, std::ios::app | std::ios::binary);
    if (!m_out)
        throw std::runtime_error("cannot open journal " + path);
}

void Journal::soapCall(const std::string& method, const std::vector<Value>& args, const std::string& user,
                       const std::string& status, const std::vector<std::string>& warnings)
{
    if (!enabled())
        return;
    std::string line = "{\"method\": " + Json::quote(method) + ", \"args\": [";
    for (std::size_t i = 0; i < args.size(); ++i)
        line += (i ? ", " : "") + Json::of(args[i]);
    line += "], \"user\": " + Json::quote(user) + ", \"status\": " + Json::quote(status);
    if (!warnings.empty()) {
        line += ", \"warnings\": [";
        for (std::size_t i = 0; i < warnings.size(); ++i)
            line += (i ? ", " : "") + Json::quote(warnings[i]);
        line += "]";
    }
    write(line + "}");
}

void Journal::page(const std::string& page, const std::map<std::string, std::string>& fields, int httpStatus,
                   const std::optional<std::pair<std::string, std::uint64_t>>& file, const std::string& fault)
{
    if (!enabled())
        return;
    std::string line = "{\"page\": " + Json::quote(page) + ", \"fields\": {";
    bool first = true;
    for (const auto& [name, value] : fields) {
        line += (first ? "" : ", ") + Json::quote(name) + ": " + Json::quote(value);
        first = false;
    }
    line += "}, \"status\": " + std::to_string(httpStatus);
    if (file)
        line += ", \"file\": {\"name\": " + Json::quote(file->first) +
                ", \"size\": " + std::to_string(file->second) + "}";
    if (!fault.empty())
        line += ", \"fault\": " + Json::quote(fault);
    write(line + "}");
}

void Journal::write(const std::string& line)
{
    std::lock_guard lock(m_mutex);
    m_out << line << '\n';
    m_out.flush();
}

} // namespace orvdev
