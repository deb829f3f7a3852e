#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orvdev {

class Database;

struct User
{
    std::int64_t id = 0;
    std::string login;
    std::string firstName;
    std::string lastName;
    bool isAdmin = false;
    bool isPM = false;  // project manager
    bool isPPM = false; // portfolio (power) project manager
    bool isHDM = false; // help desk manager
    int timeOffset = 0; // minutes, UTC = local + offset

    std::string fullName() const { return firstName + " " + lastName; }
    // Categories and the client dictionary may be edited by these users only.
    bool canEditDirectory() const { return isAdmin || isPM || isPPM || isHDM; }
    bool seesAllProjects() const { return isAdmin || isPPM; }

    static std::optional<User> byLogin(Database& db, const std::string& login);
    static std::optional<User> byId(Database& db, std::int64_t id);
    // The user name is the part of the login text before its last "@".
    static std::string userNameOf(const std::string& loginText);
};

} // namespace orvdev
