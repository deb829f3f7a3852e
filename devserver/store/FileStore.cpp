#include "store/FileStore.h"

#include "store/Database.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace orvdev {

FileStore::FileStore(const std::filesystem::path& dataDir) : m_root(dataDir / "files")
{
    std::filesystem::create_directories(m_root / "versions");
    std::filesystem::create_directories(m_root / "uploads");
    std::error_code ignored;
    std::filesystem::remove_all(m_root / "incoming", ignored); // posts cut off by a previous stop
    std::filesystem::create_directories(m_root / "incoming");
}

std::filesystem::path FileStore::newIncomingPath() const
{
    static thread_local std::mt19937_64 random{std::random_device{}()};
    char name[32];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(random()));
    return m_root / "incoming" / name;
}

std::filesystem::path FileStore::versionPath(std::int64_t versionId) const
{
    return m_root / "versions" / std::to_string(versionId);
}

std::filesystem::path FileStore::uploadPath(std::int64_t uploadId) const
{
    return m_root / "uploads" / std::to_string(uploadId);
}

void FileStore::keep(const std::filesystem::path& received, const std::filesystem::path& target)
{
    std::error_code error;
    std::filesystem::rename(received, target, error);
    if (error)
        throw std::runtime_error("cannot store " + target.string() + ": " + error.message());
}

void FileStore::moveContentsOutOfDatabase(Database& db) const
{
    std::vector<std::pair<std::int64_t, std::string>> held;
    db.each("SELECT id, content FROM asset_versions WHERE content IS NOT NULL", {},
            [&](const Row& r) { held.emplace_back(r.i(0), r.s(1)); });
    for (const auto& [id, content] : held) {
        std::ofstream out(versionPath(id), std::ios::binary | std::ios::trunc);
        out.write(content.data(), static_cast<std::streamsize>(content.size()));
        if (!out.flush())
            throw std::runtime_error("cannot write " + versionPath(id).string());
        db.exec("UPDATE asset_versions SET content = NULL, size = ? WHERE id = ?",
                {static_cast<std::int64_t>(content.size()), id});
    }
}

} // namespace orvdev
