#pragma once

// A plain TCP connection to the server for tests that must control every byte and every pause.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

namespace orvdev::test {

class RawConnection
{
public:
    explicit RawConnection(int port)
    {
        m_fd = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(port));
        inet_pton(AF_INET, "127.0.0.1", &address.sin_addr);
        m_connected = ::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawConnection() { close(m_fd); }
    RawConnection(const RawConnection&) = delete;
    RawConnection& operator=(const RawConnection&) = delete;

    bool connected() const { return m_connected; }
    bool send(const std::string& data) const
    {
        return ::send(m_fd, data.data(), data.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(data.size());
    }
    // Everything the server sends until it closes the connection or stays silent for timeoutMs.
    std::string readUntilClosed(int timeoutMs, bool* closed = nullptr) const
    {
        std::string received;
        pollfd waiting{m_fd, POLLIN, 0};
        bool ended = false;
        while (poll(&waiting, 1, timeoutMs) > 0) {
            char buffer[65536];
            const ssize_t n = recv(m_fd, buffer, sizeof buffer, 0);
            if (n <= 0) {
                ended = true;
                break;
            }
            received.append(buffer, static_cast<std::size_t>(n));
        }
        if (closed)
            *closed = ended;
        return received;
    }

private:
    int m_fd = -1;
    bool m_connected = false;
};

} // namespace orvdev::test
