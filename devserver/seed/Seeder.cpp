#include "seed/Seeder.h"

#include "store/Database.h"

namespace orvdev {

void Seeder::seedIfNew(Database& db, const std::string& kind)
{
    if (db.text("SELECT value FROM meta WHERE key = 'seed'"))
        return;
    db.transaction([&] {
        if (kind == "demo") {
            DemoSeed(db).load();
        } else {
            db.exec("INSERT INTO users(login, password, first_name, last_name, email, is_admin)"
                    " VALUES('admin', 'admin', 'System', 'Administrator', 'admin@example.com', 1)");
        }
        db.exec("INSERT INTO meta(key, value) VALUES('seed', ?)", {kind});
    });
}

} // namespace orvdev
