#pragma once

#include <string>

namespace orvdev {

// Shuts down the server's socket of one client connection (found by the client's address and
// port), so that the client sees the connection close without any answer.
class ConnectionCutter
{
public:
    static bool cut(const std::string& remoteAddress, int remotePort);
};

} // namespace orvdev
