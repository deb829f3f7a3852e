#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

namespace orvdev {

// A fault to inject for tests (--fault NAME=KIND[#N]).
struct InjectedFault
{
    enum class Kind
    {
        SoapFault,
        HttpStatus, // any HTTP status with an empty body ("http-500", "http-503", ...)
        Disconnect,
        BadXml,
        Status,
        // Download page only: the file goes out, but not all of it.
        CutAfter,   // "cut:N": Content-Length of the whole file, the connection closes after N bytes
        ChunkedCut, // "chunked-cut:N": the first N bytes (0: all) as one chunk, closed without the last chunk
        Chunked     // "chunked": the whole file in chunks, properly ended (no fault, another framing)
    };
    Kind kind = Kind::SoapFault;
    std::string statusText;     // Status only
    int httpStatus = 500;       // HttpStatus only
    std::uint64_t cutAfter = 0; // CutAfter and ChunkedCut only
    int times = 0;              // how many matching requests fail; 0: all of them
    std::string text;           // the kind as written ("http-503"), for the journal
};

// The faults of the command line, by SOAP method name or page name ("FilePublishing.aspx").
// A fault limited to the first N requests counts the requests it has spoiled; the plan is shared
// by the server's threads.
class FaultPlan
{
public:
    FaultPlan() = default;
    FaultPlan(const FaultPlan& other);
    FaultPlan& operator=(const FaultPlan& other);

    // Throws std::invalid_argument with a readable message for a bad definition.
    void add(const std::string& definition);
    // The fault defined for a name, without counting a use.
    std::optional<InjectedFault> forMethod(const std::string& name) const;
    // The fault that hits this request of the method or page, counting it; nullopt once a limited
    // fault has been used up.
    std::optional<InjectedFault> take(const std::string& name);
    bool empty() const { return m_faults.empty(); }

    static bool isPageName(const std::string& name);

private:
    std::map<std::string, InjectedFault> m_faults;
    std::map<std::string, int> m_used;
    std::unique_ptr<std::mutex> m_mutex = std::make_unique<std::mutex>();
};

} // namespace orvdev
