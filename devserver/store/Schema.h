#pragma once

namespace orvdev {

class Database;

// Creates the tables of the store when they do not exist yet.
//
// Beside what the web service reads and writes, the schema already holds what the publishing and
// download pages, lists from workbooks and MS Project exchange need: library folders, assets with
// versions and attachments to any object (object_type/object_id), uploaded files, list fields and
// rows, and the documents of MS Project imports.
class Schema
{
public:
    static constexpr int version = 1;
    static void create(Database& db);
};

} // namespace orvdev
