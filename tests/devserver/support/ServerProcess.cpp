#include "support/ServerProcess.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvdev::test {

ServerProcess::ServerProcess(std::vector<std::string> extraArgs)
{
    char pattern[] = "/tmp/orvdev-test-XXXXXX";
    if (!mkdtemp(pattern))
        throw std::runtime_error("mkdtemp failed");
    m_root = pattern;
    m_dataDir = m_root + "/data";
    m_journalPath = m_root + "/journal.jsonl";
    try {
        start(extraArgs);
    } catch (...) {
        std::filesystem::remove_all(m_root);
        throw;
    }
}

ServerProcess::~ServerProcess()
{
    stop();
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
}

// Starts the server and reads the port from its first line, "listening on http(s)://HOST:PORT".
void ServerProcess::start(const std::vector<std::string>& extraArgs)
{
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    std::vector<std::string> args = {binary(),  "--listen",  "127.0.0.1:0", "--data",
                                     m_dataDir, "--journal", m_journalPath};
    args.insert(args.end(), extraArgs.begin(), extraArgs.end());
    m_pid = fork();
    if (m_pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(fds[1]);
    m_firstLine.clear();
    for (char c; read(fds[0], &c, 1) == 1 && c != '\n';)
        m_firstLine += c;
    close(fds[0]);
    const auto colon = m_firstLine.rfind(':');
    if (!m_firstLine.starts_with("listening on http") || colon == std::string::npos) {
        stop();
        throw std::runtime_error("server did not start: '" + m_firstLine + "'");
    }
    m_port = std::atoi(m_firstLine.c_str() + colon + 1);
}

long ServerProcess::peakMemoryKiB() const
{
    std::ifstream status("/proc/" + std::to_string(m_pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:"))
            return std::atol(line.c_str() + 6);
    return -1;
}

bool ServerProcess::stop(int signal)
{
    if (m_pid <= 0)
        return true;
    kill(m_pid, signal);
    // Well below the five seconds httplib waits on an idle keep-alive connection, so a server that
    // waits one out is killed and reported.
    int status = 0;
    for (int i = 0; i < 100; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(20)))
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
    return false;
}

std::vector<std::string> ServerProcess::journal() const
{
    std::vector<std::string> lines;
    std::ifstream in(m_journalPath);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace orvdev::test
