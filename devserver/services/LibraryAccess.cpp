#include "services/LibraryAccess.h"

#include "store/Database.h"

namespace orvdev {

bool LibraryAccess::exists(std::int64_t folderId)
{
    return m_db.scalar("SELECT 1 FROM library_folders WHERE id = ?", {folderId}).has_value();
}

bool LibraryAccess::canRead(std::int64_t folderId)
{
    auto project =
        m_db.scalar("SELECT COALESCE(project_id, 0) FROM library_folders WHERE id = ?", {folderId});
    if (!project)
        return false;
    if (*project == 0 || m_user.seesAllProjects())
        return true;
    return m_db
        .scalar("SELECT 1 FROM projects p WHERE p.id = ?1 AND (p.manager_id = ?2 OR EXISTS (SELECT 1 FROM"
                " project_members m WHERE m.project_id = p.id AND m.user_id = ?2))",
                {*project, m_user.id})
        .has_value();
}

bool LibraryAccess::canWrite(std::int64_t folderId)
{
    return canRead(folderId) &&
           m_db.scalar("SELECT 1 FROM library_folders WHERE id = ? AND read_only = 0", {folderId})
               .has_value();
}

} // namespace orvdev
