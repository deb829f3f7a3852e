#pragma once

#include <csignal>
#include <string>
#include <sys/types.h>
#include <vector>

namespace orvdev::test {

// A started orvello-devserver (port 0, its own temporary data folder and journal), stopped by the
// destructor. The data folder survives restart() so that persistence can be checked.
class ServerProcess
{
public:
    explicit ServerProcess(std::vector<std::string> extraArgs = {});
    ~ServerProcess();
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    int port() const { return m_port; }
    std::string host() const { return "127.0.0.1"; }
    std::string firstLine() const { return m_firstLine; }
    const std::string& dataDir() const { return m_dataDir; }
    pid_t pid() const { return m_pid; }
    // The server's peak resident memory in KiB (VmHWM), -1 when it cannot be read.
    long peakMemoryKiB() const;
    // SIGTERM (or `signal`); true when the server then ended by itself with status 0 within two seconds.
    bool stop(int signal = SIGTERM);
    void restart(std::vector<std::string> extraArgs = {})
    {
        stop();
        start(extraArgs);
    }

    // The journal as lines (each a JSON object).
    std::vector<std::string> journal() const;
    std::string lastJournalLine() const { return journal().empty() ? "" : journal().back(); }

    static std::string binary() { return ORVDEV_SERVER_BINARY; }

private:
    void start(const std::vector<std::string>& extraArgs);
    std::string m_root, m_dataDir, m_journalPath, m_firstLine;
    pid_t m_pid = -1;
    int m_port = 0;
};

} // namespace orvdev::test
