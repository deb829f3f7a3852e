#include "services/ServerVersion.h"

namespace orvdev {

std::optional<ServerVersion> ServerVersion::parse(const std::string& text)
{
    for (int code : {30, 35, 40, 41, 45, 47})
        if (ServerVersion(code).text() == text)
            return ServerVersion(code);
    return std::nullopt;
}

std::string ServerVersion::text() const
{
    return std::to_string(m_code / 10) + "." + std::to_string(m_code % 10);
}

} // namespace orvdev
