#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace orvdev {

// Faults to inject for tests, per method (--fault METHOD=KIND).
struct InjectedFault
{
    enum class Kind
    {
        SoapFault,
        Http500,
        Disconnect,
        BadXml,
        Status
    };
    Kind kind = Kind::SoapFault;
    std::string statusText; // Status only
};

class FaultPlan
{
public:
    // Throws std::invalid_argument with a readable message for a bad definition.
    void add(const std::string& definition);
    std::optional<InjectedFault> forMethod(const std::string& method) const;
    bool empty() const { return m_faults.empty(); }

private:
    std::map<std::string, InjectedFault> m_faults;
};

} // namespace orvdev
