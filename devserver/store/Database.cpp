#include "store/Database.h"

#include <sqlite3.h>

namespace orvdev {
namespace {

struct StatementGuard
{
    sqlite3_stmt* statement;
    ~StatementGuard() { sqlite3_finalize(statement); }
};

} // namespace

std::int64_t Row::i(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

std::string Row::s(int column) const
{
    auto text = sqlite3_column_text(m_statement, column);
    return text ? std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(m_statement, column))
                : std::string();
}

bool Row::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

Database::Database(const std::string& path)
{
    if (sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        throw StoreError("cannot open database " + path + ": " + message);
    }
    sqlite3_busy_timeout(m_db, 5000);
    exec("PRAGMA foreign_keys = ON");
    exec("PRAGMA journal_mode = WAL");
    exec("PRAGMA synchronous = NORMAL");
}

Database::~Database()
{
    sqlite3_close(m_db);
}

sqlite3_stmt* Database::prepare(const std::string& sql, const SqlParams& params)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), static_cast<int>(sql.size()), &statement, nullptr) != SQLITE_OK)
        throw StoreError(std::string("SQL error: ") + sqlite3_errmsg(m_db) + " in: " + sql);
    for (std::size_t k = 0; k < params.size(); ++k) {
        int index = static_cast<int>(k + 1);
        const auto& p = params[k];
        if (std::holds_alternative<std::int64_t>(p))
            sqlite3_bind_int64(statement, index, std::get<std::int64_t>(p));
        else if (std::holds_alternative<std::string>(p))
            sqlite3_bind_text(statement, index, std::get<std::string>(p).c_str(),
                              static_cast<int>(std::get<std::string>(p).size()), SQLITE_TRANSIENT);
        else
            sqlite3_bind_null(statement, index);
    }
    return statement;
}

void Database::each(const std::string& sql, const SqlParams& params,
                    const std::function<void(const Row&)>& onRow)
{
    StatementGuard guard{prepare(sql, params)};
    for (;;) {
        int rc = sqlite3_step(guard.statement);
        if (rc == SQLITE_DONE)
            break;
        if (rc != SQLITE_ROW)
            throw StoreError(std::string("SQL error: ") + sqlite3_errmsg(m_db));
        if (onRow)
            onRow(Row(guard.statement));
    }
}

void Database::exec(const std::string& sql, const SqlParams& params)
{
    each(sql, params, nullptr);
}

std::int64_t Database::insert(const std::string& sql, const SqlParams& params)
{
    exec(sql, params);
    return sqlite3_last_insert_rowid(m_db);
}

std::optional<std::int64_t> Database::scalar(const std::string& sql, const SqlParams& params)
{
    std::optional<std::int64_t> result;
    each(sql, params, [&](const Row& row) {
        if (!result && !row.isNull(0))
            result = row.i(0);
    });
    return result;
}

std::optional<std::string> Database::text(const std::string& sql, const SqlParams& params)
{
    std::optional<std::string> result;
    each(sql, params, [&](const Row& row) {
        if (!result && !row.isNull(0))
            result = row.s(0);
    });
    return result;
}

int Database::changes() const
{
    return sqlite3_changes(m_db);
}

void Database::transaction(const std::function<void()>& work)
{
    exec("BEGIN IMMEDIATE");
    try {
        work();
        exec("COMMIT");
    } catch (...) {
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

} // namespace orvdev
