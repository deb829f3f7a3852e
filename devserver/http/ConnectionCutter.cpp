#include "http/ConnectionCutter.h"

#include "http/SocketScan.h"

#include <sys/socket.h>

namespace orvdev {

bool ConnectionCutter::cut(const std::string& remoteAddress, int remotePort)
{
    bool found = false;
    forEachTcpConnection([&](const TcpConnection& connection) {
        if (connection.peerPort != remotePort || connection.peerHost != remoteAddress)
            return true;
        shutdown(connection.fd, SHUT_RDWR);
        found = true;
        return false;
    });
    return found;
}

} // namespace orvdev
