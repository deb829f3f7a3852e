#pragma once

#include <optional>
#include <string>

namespace orvdev {

// The server release the development server plays: "3.0", "3.5", "4.0", "4.1", "4.5" or "4.7".
class ServerVersion
{
public:
    static std::optional<ServerVersion> parse(const std::string& text);
    static ServerVersion latest() { return ServerVersion(47); }

    std::string text() const;
    int code() const { return m_code; } // 30, 35, 40, 41, 45, 47
    bool atLeast(int code) const { return m_code >= code; }

private:
    explicit ServerVersion(int code) : m_code(code) {}
    int m_code;
};

} // namespace orvdev
