#include "services/User.h"

#include "store/Database.h"

namespace orvdev {
namespace {

const char* const columns =
    "SELECT id, login, first_name, last_name, is_admin, is_pm, is_ppm, is_hdm, time_offset FROM users ";

std::optional<User> fetch(Database& db, const std::string& where, const SqlParams& params)
{
    std::optional<User> user;
    db.each(std::string(columns) + where, params, [&](const Row& r) {
        User u;
        u.id = r.i(0);
        u.login = r.s(1);
        u.firstName = r.s(2);
        u.lastName = r.s(3);
        u.isAdmin = r.i(4) != 0;
        u.isPM = r.i(5) != 0;
        u.isPPM = r.i(6) != 0;
        u.isHDM = r.i(7) != 0;
        u.timeOffset = static_cast<int>(r.i(8));
        user = u;
    });
    return user;
}

} // namespace

std::optional<User> User::byLogin(Database& db, const std::string& login)
{
    return fetch(db, "WHERE login = ? AND active = 1", {login});
}

std::optional<User> User::byId(Database& db, std::int64_t id)
{
    return fetch(db, "WHERE id = ?", {id});
}

std::string User::userNameOf(const std::string& loginText)
{
    auto at = loginText.rfind('@');
    return at == std::string::npos ? loginText : loginText.substr(0, at);
}

} // namespace orvdev
