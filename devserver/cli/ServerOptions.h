#pragma once

#include "http/FaultPlan.h"
#include "services/ServerVersion.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvdev {

// The command line of orvello-devserver.
struct ServerOptions
{
    std::string host = "127.0.0.1";
    int port = 8080;
    std::string dataDir = "orvello-data";
    ServerVersion version = ServerVersion::latest();
    std::string seed = "demo"; // "demo" or "empty"
    std::string journalPath;
    int delayMs = 0;
    FaultPlan faults;
    std::size_t maxBodyBytes = 4 * 1024 * 1024;          // SOAP requests
    std::uint64_t maxUploadBytes = 512ull * 1024 * 1024; // form posts of the file pages
    std::string tlsCertFile; // both set: HTTPS with this certificate (PEM chain) and key
    std::string tlsKeyFile;
    bool help = false;

    bool tls() const { return !tlsCertFile.empty(); }
    std::string scheme() const { return tls() ? "https" : "http"; }

    // Throws std::invalid_argument with a message for the user.
    static ServerOptions parse(const std::vector<std::string>& args);
    static std::string usage();
};

} // namespace orvdev
