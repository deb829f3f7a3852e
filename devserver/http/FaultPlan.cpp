#include "http/FaultPlan.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace orvdev {
namespace {

bool allDigits(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
}

const char* const kindList =
    "soap-fault, http-NNN, disconnect, bad-xml, status:TEXT, cut:N, chunked-cut:N or chunked";

bool isTransferKind(InjectedFault::Kind kind)
{
    return kind == InjectedFault::Kind::CutAfter || kind == InjectedFault::Kind::ChunkedCut ||
           kind == InjectedFault::Kind::Chunked;
}

// The byte count of "cut:N" and "chunked-cut:N".
std::uint64_t byteCount(const std::string& kind, const std::string& digits)
{
    if (!allDigits(digits) || digits.size() > 18)
        throw std::invalid_argument("--fault: " + kind + " needs a byte count");
    return std::stoull(digits);
}

} // namespace

FaultPlan::FaultPlan(const FaultPlan& other) : m_faults(other.m_faults), m_used(other.m_used) {}

FaultPlan& FaultPlan::operator=(const FaultPlan& other)
{
    if (this != &other) {
        m_faults = other.m_faults;
        m_used = other.m_used;
    }
    return *this;
}

bool FaultPlan::isPageName(const std::string& name)
{
    std::string lowered = name;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered.size() > 5 && lowered.compare(lowered.size() - 5, 5, ".aspx") == 0;
}

void FaultPlan::add(const std::string& definition)
{
    auto eq = definition.find('=');
    if (eq == std::string::npos || eq == 0)
        throw std::invalid_argument("--fault expects NAME=KIND, got '" + definition + "'");
    const std::string name = definition.substr(0, eq);
    std::string kind = definition.substr(eq + 1);
    InjectedFault fault;
    // "#N": only the first N matching requests fail. A status text may hold "#" itself, so the
    // suffix counts only when it is all digits.
    auto hash = kind.rfind('#');
    if (hash != std::string::npos && allDigits(kind.substr(hash + 1))) {
        const std::string count = kind.substr(hash + 1);
        if (count.size() > 6 || std::stoi(count) < 1)
            throw std::invalid_argument("--fault: the count after '#' must be from 1 to 999999, got '" +
                                        definition + "'");
        fault.times = std::stoi(count);
        kind = kind.substr(0, hash);
    }
    fault.text = kind;
    if (kind == "soap-fault") {
        fault.kind = InjectedFault::Kind::SoapFault;
    } else if (kind.rfind("http-", 0) == 0 && kind.size() == 8 && allDigits(kind.substr(5))) {
        fault.kind = InjectedFault::Kind::HttpStatus;
        fault.httpStatus = std::stoi(kind.substr(5));
        if (fault.httpStatus < 100 || fault.httpStatus > 599 || fault.httpStatus == 200)
            throw std::invalid_argument("--fault: " + kind + " is not an error status");
    } else if (kind == "disconnect") {
        fault.kind = InjectedFault::Kind::Disconnect;
    } else if (kind == "bad-xml") {
        fault.kind = InjectedFault::Kind::BadXml;
    } else if (kind.rfind("status:", 0) == 0 && kind.size() > 7) {
        fault.kind = InjectedFault::Kind::Status;
        fault.statusText = kind.substr(7);
    } else if (kind.rfind("cut:", 0) == 0) {
        fault.kind = InjectedFault::Kind::CutAfter;
        fault.cutAfter = byteCount(kind, kind.substr(4));
    } else if (kind.rfind("chunked-cut:", 0) == 0) {
        fault.kind = InjectedFault::Kind::ChunkedCut;
        fault.cutAfter = byteCount(kind, kind.substr(12));
    } else if (kind == "chunked") {
        fault.kind = InjectedFault::Kind::Chunked;
    } else {
        throw std::invalid_argument("unknown fault kind '" + kind + "' (" + kindList + ")");
    }
    if (isPageName(name) &&
        (fault.kind == InjectedFault::Kind::SoapFault || fault.kind == InjectedFault::Kind::Status))
        throw std::invalid_argument("--fault: " + kind + " applies to SOAP methods only; a page takes " +
                                    "http-NNN, disconnect or bad-xml");
    if (isTransferKind(fault.kind) && name.find("FileDownload.aspx") == std::string::npos)
        throw std::invalid_argument("--fault: " + kind + " applies to FileDownload.aspx only");
    m_faults[name] = fault;
    m_used.erase(name);
}

std::optional<InjectedFault> FaultPlan::forMethod(const std::string& name) const
{
    auto it = m_faults.find(name);
    if (it == m_faults.end())
        return std::nullopt;
    return it->second;
}

std::optional<InjectedFault> FaultPlan::take(const std::string& name)
{
    auto it = m_faults.find(name);
    if (it == m_faults.end())
        return std::nullopt;
    if (it->second.times == 0)
        return it->second;
    std::lock_guard lock(*m_mutex);
    int& used = m_used[name];
    if (used >= it->second.times)
        return std::nullopt;
    ++used;
    return it->second;
}

} // namespace orvdev
