#include "session/ServerVersion.h"

#include "shell/RunMode.h"

namespace kitbench {

bool isKnownServerVersion(const QString& version)
{
    return version == QLatin1String("3.0") || version == QLatin1String("3.5") || isServerVersion4(version);
}

bool isServerVersion4(const QString& version)
{
    return version == QLatin1String("4.0") || version == QLatin1String("4.1") || version == QLatin1String("4.5") ||
           version == QLatin1String("4.7");
}

std::optional<Message> versionRefusal(const QString& version, int runMode)
{
    if (version == QLatin1String("3.0") && runMode != UPLOAD && runMode != DOWNLOAD)
        return Message::fromId(5042);
    if (version == QLatin1String("3.5") && (runMode == CREATELIST || runMode == EXPORTCALENDAR || runMode == IMPORTLIST))
        return Message::fromId(5065);
    if (!isKnownServerVersion(version))
        return Message::fromId(5036).append(version).appendId(5037);
    return std::nullopt;
}

} // namespace kitbench
