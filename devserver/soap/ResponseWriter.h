#pragma once

#include "soap/ServiceContract.h"
#include "soap/Value.h"

#include <optional>
#include <string>
#include <vector>

namespace orvdev {

// Writes response envelopes as an ASP.NET web service does: the ConnectionState header with the
// status text, the result first, then every by-reference parameter again in order.
class ResponseWriter
{
public:
    explicit ResponseWriter(std::string targetNamespace) : m_ns(std::move(targetNamespace)) {}

    std::string response(const Operation& operation, const std::string& status,
                         const std::optional<Value>& result, const std::vector<Value>& arguments) const;
    static std::string fault(const std::string& faultCode, const std::string& faultString);

private:
    static void appendValue(std::string& out, const std::string& name, const Value& value);
    std::string m_ns;
};

} // namespace orvdev
