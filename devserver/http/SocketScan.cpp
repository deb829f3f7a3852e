#include "http/SocketScan.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>

namespace orvdev {
namespace {

bool describe(const sockaddr_storage& address, std::string& host, int& port)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto* in = reinterpret_cast<const sockaddr_in*>(&address);
        inet_ntop(AF_INET, &in->sin_addr, text, sizeof text);
        port = ntohs(in->sin_port);
    } else if (address.ss_family == AF_INET6) {
        const auto* in6 = reinterpret_cast<const sockaddr_in6*>(&address);
        inet_ntop(AF_INET6, &in6->sin6_addr, text, sizeof text);
        port = ntohs(in6->sin6_port);
    } else {
        return false;
    }
    host = text;
    return true;
}

} // namespace

void forEachTcpConnection(const std::function<bool(const TcpConnection&)>& visit)
{
    rlimit limit{};
    const int maxFd = getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < 65536
                          ? static_cast<int>(limit.rlim_cur)
                          : 65536;
    for (int fd = 0; fd < maxFd; ++fd) {
        sockaddr_storage peer{}, local{};
        socklen_t peerLength = sizeof peer, localLength = sizeof local;
        if (getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &peerLength) != 0 ||
            getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localLength) != 0)
            continue;
        TcpConnection connection;
        connection.fd = fd;
        std::string localHost;
        if (!describe(peer, connection.peerHost, connection.peerPort) ||
            !describe(local, localHost, connection.localPort))
            continue;
        if (!visit(connection))
            return;
    }
}

} // namespace orvdev
