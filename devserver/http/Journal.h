#pragma once

#include "soap/Value.h"

#include <cstdint>
#include <fstream>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace orvdev {

// The request journal: one JSON object per line, appended and flushed as each request is answered.
// Without a file it writes nothing.
class Journal
{
public:
    explicit Journal(const std::string& path = {});

    bool enabled() const { return m_out.is_open(); }
    // {"method": .., "args": [..], "user": .., "status": ..[, "warnings": [..]]}
    void soapCall(const std::string& method, const std::vector<Value>& args, const std::string& user,
                  const std::string& status, const std::vector<std::string>& warnings);
    // {"page": .., "fields": {..}, "status": HTTP status[, "file": {"name": .., "size": ..}]
    //  [, "fault": KIND]}; status 0 when the connection was cut without an answer.
    void page(const std::string& page, const std::map<std::string, std::string>& fields, int httpStatus,
              const std::optional<std::pair<std::string, std::uint64_t>>& file = std::nullopt,
              const std::string& fault = {});

private:
    void write(const std::string& line);
    std::mutex m_mutex;
    std::ofstream m_out;
};

} // namespace orvdev
