#pragma once

#include "platform/Message.h"

#include <QString>

#include <optional>

namespace kitbench {

// The server versions the wizard knows, compared as exact text (" 4.5" is unknown).
bool isKnownServerVersion(const QString& version);
// 4.0, 4.1, 4.5 and 4.7: the servers with new library folders, templates and richer calls.
bool isServerVersion4(const QString& version);

// The message that refuses a job the server cannot serve, or nullopt when it can: a 3.0 server
// serves only UPLOAD and DOWNLOAD (5042), a 3.5 server no lists and no calendar export (5065), an
// unknown version nothing (5036, the version, 5037).
std::optional<Message> versionRefusal(const QString& version, int runMode);

} // namespace kitbench
