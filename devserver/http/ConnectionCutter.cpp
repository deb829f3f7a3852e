#include "http/ConnectionCutter.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>

namespace orvdev {

bool ConnectionCutter::cut(const std::string& remoteAddress, int remotePort)
{
    rlimit limit{};
    int maxFd = getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < 65536
                    ? static_cast<int>(limit.rlim_cur)
                    : 65536;
    for (int fd = 0; fd < maxFd; ++fd) {
        sockaddr_storage peer{};
        socklen_t length = sizeof peer;
        if (getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0)
            continue;
        char host[INET6_ADDRSTRLEN] = {};
        int port = 0;
        if (peer.ss_family == AF_INET) {
            auto* in = reinterpret_cast<sockaddr_in*>(&peer);
            inet_ntop(AF_INET, &in->sin_addr, host, sizeof host);
            port = ntohs(in->sin_port);
        } else if (peer.ss_family == AF_INET6) {
            auto* in6 = reinterpret_cast<sockaddr_in6*>(&peer);
            inet_ntop(AF_INET6, &in6->sin6_addr, host, sizeof host);
            port = ntohs(in6->sin6_port);
        } else {
            continue;
        }
        if (port == remotePort && remoteAddress == host) {
            shutdown(fd, SHUT_RDWR);
            return true;
        }
    }
    return false;
}

} // namespace orvdev
