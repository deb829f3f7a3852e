#include "http/OpenConnections.h"

#include "http/SocketScan.h"

#include <sys/socket.h>

namespace orvdev {

void OpenConnections::requestStarted(const httplib::Request& request)
{
    std::lock_guard lock(m_mutex);
    m_receiving.insert(key(request.remote_addr, request.remote_port));
}

void OpenConnections::answerReady(const httplib::Request& request, httplib::Response& response)
{
    {
        std::lock_guard lock(m_mutex);
        // Requests httplib refused before routing were never counted.
        auto found = m_receiving.find(key(request.remote_addr, request.remote_port));
        if (found != m_receiving.end())
            m_receiving.erase(found);
    }
    if (m_closing)
        response.set_header("Connection", "close");
}

void OpenConnections::closeIdle(int listenPort)
{
    m_closing = true;
    std::lock_guard lock(m_mutex);
    forEachTcpConnection([&](const TcpConnection& connection) {
        // Our own side of a connection has the listening port as its local port; a client socket of
        // this process (tests run clients in the same process) does not.
        if (connection.localPort == listenPort &&
            !m_receiving.count(key(connection.peerHost, connection.peerPort)))
            shutdown(connection.fd, SHUT_RD);
        return true;
    });
}

} // namespace orvdev
