#include "store/Schema.h"

#include "store/Database.h"

namespace orvdev {

void Schema::create(Database& db)
{
    static const char* const statements[] = {
        "CREATE TABLE IF NOT EXISTS meta(key TEXT PRIMARY KEY, value TEXT)",
        "CREATE TABLE IF NOT EXISTS users(id INTEGER PRIMARY KEY, login TEXT NOT NULL UNIQUE COLLATE NOCASE,"
        " password TEXT NOT NULL, first_name TEXT NOT NULL, last_name TEXT NOT NULL, email TEXT,"
        " is_admin INTEGER NOT NULL DEFAULT 0, is_pm INTEGER NOT NULL DEFAULT 0, is_ppm INTEGER NOT NULL "
        "DEFAULT 0,"
        " is_hdm INTEGER NOT NULL DEFAULT 0, time_offset INTEGER NOT NULL DEFAULT 0,"
        " active INTEGER NOT NULL DEFAULT 1)",
        "CREATE TABLE IF NOT EXISTS user_groups(id INTEGER PRIMARY KEY, parent_id INTEGER REFERENCES "
        "user_groups(id),"
        " name TEXT NOT NULL, sort INTEGER NOT NULL DEFAULT 0)",
        "CREATE TABLE IF NOT EXISTS group_members(group_id INTEGER NOT NULL REFERENCES user_groups(id),"
        " user_id INTEGER NOT NULL REFERENCES users(id), PRIMARY KEY(group_id, user_id))",
        "CREATE TABLE IF NOT EXISTS dictionary_items(id INTEGER PRIMARY KEY, dictionary TEXT NOT NULL,"
        " value TEXT NOT NULL, sort INTEGER NOT NULL DEFAULT 0)",
        "CREATE TABLE IF NOT EXISTS organizations(id INTEGER PRIMARY KEY, name TEXT NOT NULL)",
        "CREATE TABLE IF NOT EXISTS contacts(id INTEGER PRIMARY KEY, name TEXT NOT NULL,"
        " organization_id INTEGER REFERENCES organizations(id) ON DELETE SET NULL)",
        "CREATE TABLE IF NOT EXISTS categories(id INTEGER PRIMARY KEY, object_type INTEGER NOT NULL, name "
        "TEXT NOT NULL)",
        "CREATE TABLE IF NOT EXISTS project_templates(id INTEGER PRIMARY KEY, name TEXT NOT NULL)",
        "CREATE TABLE IF NOT EXISTS template_roles(id INTEGER PRIMARY KEY,"
        " template_id INTEGER NOT NULL REFERENCES project_templates(id), name TEXT NOT NULL)",
        "CREATE TABLE IF NOT EXISTS projects(id INTEGER PRIMARY KEY, title TEXT NOT NULL, description TEXT,"
        " goals TEXT, scope TEXT, deliverables TEXT, manager_id INTEGER, executive_id INTEGER, creator_id "
        "INTEGER,"
        " created_at TEXT, start_date TEXT, finish_date TEXT, status_id INTEGER, type_id INTEGER,"
        " calendar_id INTEGER, client_id INTEGER, contact_id INTEGER, organization_id INTEGER, currency_id "
        "INTEGER,"
        " priority_id INTEGER, phase_id INTEGER, template_id INTEGER, ms_project_sync INTEGER NOT NULL "
        "DEFAULT 0,"
        " created_by TEXT)",
        "CREATE TABLE IF NOT EXISTS project_members(project_id INTEGER NOT NULL REFERENCES projects(id),"
        " user_id INTEGER NOT NULL, must_confirm INTEGER NOT NULL DEFAULT 0, role_id INTEGER,"
        " PRIMARY KEY(project_id, user_id))",
        "CREATE TABLE IF NOT EXISTS project_portfolios(project_id INTEGER NOT NULL, portfolio_id INTEGER NOT "
        "NULL)",
        "CREATE TABLE IF NOT EXISTS object_categories(object_type INTEGER NOT NULL, object_id INTEGER NOT "
        "NULL,"
        " category_id INTEGER NOT NULL)",
        "CREATE TABLE IF NOT EXISTS items(id INTEGER PRIMARY KEY,"
        " kind TEXT NOT NULL CHECK(kind IN ('incident','task','event','todo')), title TEXT NOT NULL,"
        " description TEXT, location TEXT, project_id INTEGER, creator_id INTEGER, manager_id INTEGER,"
        " type_id INTEGER, priority_id INTEGER, severity_id INTEGER, box_id INTEGER, completion_type_id "
        "INTEGER,"
        " start_date TEXT, finish_date TEXT, date_flags INTEGER, is_milestone INTEGER, must_confirm INTEGER,"
        " reminder INTEGER, contact_id INTEGER, organization_id INTEGER, created_at TEXT, created_by TEXT)",
        "CREATE TABLE IF NOT EXISTS item_participants(item_id INTEGER NOT NULL REFERENCES items(id),"
        " position INTEGER NOT NULL, user_id INTEGER NOT NULL, must_confirm INTEGER NOT NULL DEFAULT 0)",
        "CREATE TABLE IF NOT EXISTS list_folders(id INTEGER PRIMARY KEY, parent_id INTEGER REFERENCES "
        "list_folders(id),"
        " name TEXT NOT NULL, read_only INTEGER NOT NULL DEFAULT 0)",
        "CREATE TABLE IF NOT EXISTS lists(id INTEGER PRIMARY KEY, title TEXT NOT NULL, description TEXT,"
        " folder_id INTEGER REFERENCES list_folders(id), type_id INTEGER, status_id INTEGER, template_id "
        "INTEGER,"
        " creator_id INTEGER, created_at TEXT, source_file TEXT, source_sheet TEXT, ignore_error_rows "
        "INTEGER)",
        "CREATE TABLE IF NOT EXISTS list_fields(list_id INTEGER NOT NULL REFERENCES lists(id), position "
        "INTEGER NOT NULL,"
        " name TEXT NOT NULL, field_type TEXT NOT NULL DEFAULT 'text')",
        "CREATE TABLE IF NOT EXISTS list_rows(list_id INTEGER NOT NULL REFERENCES lists(id), row_no INTEGER "
        "NOT NULL,"
        " cells TEXT NOT NULL)",
        "CREATE TABLE IF NOT EXISTS library_folders(id INTEGER PRIMARY KEY,"
        " parent_id INTEGER REFERENCES library_folders(id), name TEXT NOT NULL, project_id INTEGER,"
        " read_only INTEGER NOT NULL DEFAULT 0)",
        "CREATE TABLE IF NOT EXISTS library_assets(id INTEGER PRIMARY KEY, folder_id INTEGER,"
        " object_type INTEGER, object_id INTEGER, file_name TEXT NOT NULL, internal INTEGER NOT NULL DEFAULT "
        "1,"
        " url TEXT, creator_id INTEGER, created_at TEXT)",
        "CREATE TABLE IF NOT EXISTS asset_versions(id INTEGER PRIMARY KEY,"
        " asset_id INTEGER NOT NULL REFERENCES library_assets(id), size INTEGER NOT NULL DEFAULT 0, content "
        "BLOB,"
        " creator_id INTEGER, created_at TEXT)",
        "CREATE TABLE IF NOT EXISTS uploads(id INTEGER PRIMARY KEY, server_name TEXT NOT NULL UNIQUE,"
        " original_name TEXT, content BLOB, creator_id INTEGER, created_at TEXT)",
        "CREATE TABLE IF NOT EXISTS msproject_documents(id INTEGER PRIMARY KEY, project_id INTEGER NOT NULL,"
        " step INTEGER NOT NULL, document TEXT, creator_id INTEGER, created_at TEXT)",
        "CREATE TABLE IF NOT EXISTS web_sessions(token TEXT PRIMARY KEY, user_id INTEGER NOT NULL, "
        "created_at TEXT)",
        // Working-time calendars by name (a project's calendar is the one its ProjectCalendar entry
        // names). base_id is not a foreign key: imported data may name a calendar as its own base.
        "CREATE TABLE IF NOT EXISTS calendars(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE, base_id "
        "INTEGER)",
        // Week days a calendar sets (others come from its base); shifts "08:00-12:00,13:00-17:00".
        "CREATE TABLE IF NOT EXISTS calendar_days(calendar_id INTEGER NOT NULL REFERENCES calendars(id),"
        " day_type INTEGER NOT NULL, working INTEGER NOT NULL, shifts TEXT NOT NULL DEFAULT '',"
        " PRIMARY KEY(calendar_id, day_type))",
        "CREATE TABLE IF NOT EXISTS calendar_exceptions(calendar_id INTEGER NOT NULL REFERENCES "
        "calendars(id),"
        " from_date TEXT NOT NULL, to_date TEXT NOT NULL, working INTEGER NOT NULL DEFAULT 0)",
        "CREATE INDEX IF NOT EXISTS items_kind ON items(kind, start_date)",
        "CREATE INDEX IF NOT EXISTS categories_type ON categories(object_type)",
        "CREATE INDEX IF NOT EXISTS dictionary_name ON dictionary_items(dictionary, sort)",
    };
    db.transaction([&] {
        for (const char* sql : statements)
            db.exec(sql);
        db.exec("INSERT OR IGNORE INTO meta(key, value) VALUES('schema_version', ?)",
                {std::to_string(version)});
    });
}

} // namespace orvdev
