#pragma once

// A plain TCP connection to the server for tests that must control every byte and every pause.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace orvdev::test {

class RawConnection
{
public:
    explicit RawConnection(int port) : m_fd(socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        connected = ::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawConnection() { close(m_fd); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool send(const std::string& data) const
    {
        return ::send(m_fd, data.data(), data.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(data.size());
    }
    // Everything the server sends until it closes the connection (closed) or stays silent for timeoutMs.
    std::string readUntilClosed(int timeoutMs, bool& closed) const
    {
        std::string received;
        pollfd waiting{m_fd, POLLIN, 0};
        char buffer[65536];
        closed = false;
        while (!closed && poll(&waiting, 1, timeoutMs) > 0) {
            const ssize_t n = recv(m_fd, buffer, sizeof buffer, 0);
            closed = n <= 0;
            received.append(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        }
        return received;
    }

    bool connected = false;

private:
    int m_fd;
};

} // namespace orvdev::test
