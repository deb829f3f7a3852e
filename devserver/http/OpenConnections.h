#pragma once

#include <httplib.h>

#include <atomic>
#include <mutex>
#include <set>
#include <string>

namespace orvdev {

// Lets a stopping server end at once. httplib waits out the keep-alive timeout (seconds) on every
// idle connection before its workers can be joined; closeIdle() ends those waits instead, while a
// request whose body is still being read is left to finish.
class OpenConnections
{
public:
    // From the pre-routing hook: the request's headers are in, its body (if any) comes next.
    void requestStarted(const httplib::Request& request);
    // From the post-routing hook: the body has been read and the answer is about to go out. Once the
    // server is stopping the answer says the connection closes after it.
    void answerReady(const httplib::Request& request, httplib::Response& response);

    // Shuts the reading side of every connection to `listenPort` that is not receiving a request
    // body. Waiting workers see end of input and close; answers being written still go out whole.
    void closeIdle(int listenPort);

private:
    static std::string key(const std::string& host, int port) { return host + " " + std::to_string(port); }

    std::mutex m_mutex;
    std::multiset<std::string> m_receiving;
    std::atomic<bool> m_closing{false};
};

} // namespace orvdev
