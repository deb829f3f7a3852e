#include "services/CallContext.h"

#include <ctime>

namespace orvdev {

Value& CallContext::arg(const std::string& name)
{
    for (std::size_t i = 0; i < m_operation.parameters.size(); ++i)
        if (m_operation.parameters[i].name == name)
            return m_arguments.at(i);
    throw std::logic_error("method " + m_operation.name + " has no parameter " + name);
}

bool CallContext::has(const std::string& name) const
{
    for (const auto& p : m_operation.parameters)
        if (p.name == name)
            return true;
    return false;
}

std::string CallContext::str(const std::string& name)
{
    const Value& v = arg(name);
    return v.null ? std::string() : v.text;
}

std::int64_t CallContext::num(const std::string& name)
{
    return arg(name).number;
}

std::string CallContext::dateTime(const std::string& name)
{
    return arg(name).text;
}

const std::vector<std::int32_t>& CallContext::ints(const std::string& name)
{
    return arg(name).ints;
}

std::vector<std::string> CallContext::strings(const std::string& name)
{
    std::vector<std::string> out;
    for (const auto& s : arg(name).strings)
        out.push_back(s.value_or(""));
    return out;
}

std::string CallContext::now()
{
    std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%dT%H:%M:%S", &local);
    return buffer;
}

} // namespace orvdev
