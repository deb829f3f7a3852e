#include "http/FaultPlan.h"

#include <stdexcept>

namespace orvdev {

void FaultPlan::add(const std::string& definition)
{
    auto eq = definition.find('=');
    if (eq == std::string::npos || eq == 0)
        throw std::invalid_argument("--fault expects METHOD=KIND, got '" + definition + "'");
    const std::string method = definition.substr(0, eq);
    const std::string kind = definition.substr(eq + 1);
    InjectedFault fault;
    if (kind == "soap-fault")
        fault.kind = InjectedFault::Kind::SoapFault;
    else if (kind == "http-500")
        fault.kind = InjectedFault::Kind::Http500;
    else if (kind == "disconnect")
        fault.kind = InjectedFault::Kind::Disconnect;
    else if (kind == "bad-xml")
        fault.kind = InjectedFault::Kind::BadXml;
    else if (kind.rfind("status:", 0) == 0 && kind.size() > 7) {
        fault.kind = InjectedFault::Kind::Status;
        fault.statusText = kind.substr(7);
    } else {
        throw std::invalid_argument("unknown fault kind '" + kind +
                                    "' (soap-fault, http-500, disconnect, bad-xml or status:TEXT)");
    }
    m_faults[method] = fault;
}

std::optional<InjectedFault> FaultPlan::forMethod(const std::string& method) const
{
    auto it = m_faults.find(method);
    if (it == m_faults.end())
        return std::nullopt;
    return it->second;
}

} // namespace orvdev
