#pragma once

#include <functional>
#include <string>

namespace orvdev {

// One TCP connection of this process, as the kernel knows it.
struct TcpConnection
{
    int fd = -1;
    int localPort = 0;
    std::string peerHost; // numeric, as httplib reports a request's remote_addr
    int peerPort = 0;
};

// Calls `visit` for every connected TCP socket of the process until it returns false. httplib
// offers no hook on accepted connections, so the file descriptors are the only list there is.
void forEachTcpConnection(const std::function<bool(const TcpConnection&)>& visit);

} // namespace orvdev
