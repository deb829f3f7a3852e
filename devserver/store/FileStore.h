#pragma once

#include <cstdint>
#include <filesystem>

namespace orvdev {

class Database;

// File contents live on disk beside the database, one file per stored version or uploaded
// workbook, so that no upload or download has to be held in memory:
//   DATA/files/versions/<version id>, DATA/files/uploads/<upload id>, DATA/files/incoming/ (posts
//   being received; emptied at start).
class FileStore
{
public:
    explicit FileStore(const std::filesystem::path& dataDir);

    // A new, unused path in the incoming folder for a file being received.
    std::filesystem::path newIncomingPath() const;
    std::filesystem::path versionPath(std::int64_t versionId) const;
    std::filesystem::path uploadPath(std::int64_t uploadId) const;
    // Moves a received file to its final place; throws std::runtime_error when it cannot.
    static void keep(const std::filesystem::path& received, const std::filesystem::path& target);
    // Version contents that an older store (or the seed) keeps in the database are written to
    // their files and cleared from the database.
    void moveContentsOutOfDatabase(Database& db) const;

private:
    std::filesystem::path m_root;
};

} // namespace orvdev
