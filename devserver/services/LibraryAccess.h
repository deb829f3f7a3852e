#pragma once

#include "services/User.h"

#include <cstdint>

namespace orvdev {

class Database;

// Who may see and fill a library folder. The folders of a project's library belong to its team:
// its manager, its members, administrators and portfolio managers; everybody signed in may use
// the other folders. A read-only folder takes no files from anybody.
class LibraryAccess
{
public:
    LibraryAccess(Database& db, const User& user) : m_db(db), m_user(user) {}

    bool exists(std::int64_t folderId);
    bool canRead(std::int64_t folderId);
    bool canWrite(std::int64_t folderId);

private:
    Database& m_db;
    const User& m_user;
};

} // namespace orvdev
