#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvdev {

class Database;

// The web views of stored objects as HTML pages; nullopt when there is no such object.
class ObjectViews
{
public:
    explicit ObjectViews(Database& db) : m_db(db) {}

    // kind: "incident", "task", "event" or "todo"
    std::optional<std::string> item(const std::string& kind, std::int64_t id);
    // A list with its fields and one page (1-based) of its rows.
    std::optional<std::string> list(std::int64_t id, std::int64_t page = 1);
    std::optional<std::string> project(std::int64_t id, const std::string& tab);
    std::optional<std::string> folder(std::int64_t id);
    std::string calendar(std::int64_t userId); // the events page without an id

private:
    static constexpr std::int64_t kRowsPerPage = 100;
    std::string listRows(std::int64_t id, std::int64_t page);
    std::string userName(const std::string& idText);
    std::string categories(int objectType, std::int64_t id);
    std::string dictionaryValue(const std::string& idText);
    std::string folderContents(std::int64_t folderId);
    std::string projectItems(std::int64_t projectId);
    Database& m_db;
};

} // namespace orvdev
