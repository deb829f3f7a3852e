#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace orvdev {

class StoreError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

using SqlValue = std::variant<std::nullptr_t, std::int64_t, std::string>;
using SqlParams = std::vector<SqlValue>;

// One result row; columns by index.
class Row
{
public:
    explicit Row(sqlite3_stmt* statement) : m_statement(statement) {}
    std::int64_t i(int column) const;
    std::string s(int column) const;
    bool isNull(int column) const;

private:
    sqlite3_stmt* m_statement;
};

// A SQLite connection with small helpers. Not thread-safe: the server serializes access.
class Database
{
public:
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    void exec(const std::string& sql, const SqlParams& params = {});
    std::int64_t insert(const std::string& sql, const SqlParams& params = {});
    void each(const std::string& sql, const SqlParams& params, const std::function<void(const Row&)>& onRow);
    std::optional<std::int64_t> scalar(const std::string& sql, const SqlParams& params = {});
    std::optional<std::string> text(const std::string& sql, const SqlParams& params = {});
    int changes() const;

    // Runs work inside one transaction; rolls back when it throws.
    void transaction(const std::function<void()>& work);

private:
    sqlite3_stmt* prepare(const std::string& sql, const SqlParams& params);
    sqlite3* m_db = nullptr;
};

} // namespace orvdev
