#pragma once

#include <string>

namespace orvdev {

class Database;

// Fills a new store once: "demo" loads the demo company, "empty" only the administrator.
class Seeder
{
public:
    static void seedIfNew(Database& db, const std::string& kind);
};

// The demo company (users, groups, dictionaries, clients, categories, templates, projects, their
// calendars, items, list folders and the file library).
class DemoSeed
{
public:
    explicit DemoSeed(Database& db) : m_db(db) {}
    void load();

private:
    void users();
    void groups();
    void dictionaries();
    void clients();
    void categories();
    void templates();
    void projects();
    void calendars(); // DemoCalendars.cpp
    void items();
    void listFolders();
    void library();
    Database& m_db;
};

} // namespace orvdev
