// Users, groups and template roles.
#include "services/AnswerXml.h"
#include "services/MethodRegistry.h"
#include "store/Database.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>

namespace orvdev {
namespace {

void addResource(pugi::xml_node root, const Row& r)
{
    auto user = root.append_child("User");
    AnswerXml::add(user, "UserId", r.i(0));
    AnswerXml::add(user, "FirstName", r.s(1));
    AnswerXml::add(user, "LastName", r.s(2));
    AnswerXml::add(user, "Login", r.s(3));
    AnswerXml::add(user, "Email", r.s(4));
}

const char* const userColumns =
    "SELECT u.id, u.first_name, u.last_name, u.login, COALESCE(u.email, '') FROM users u ";

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// Case-insensitive match on first name, last name, full name and login; an empty text matches all.
std::optional<Value> bySubstring(CallContext& call)
{
    AnswerXml answer("Resources");
    const std::string needle = lower(call.str("substring"));
    call.db.each(std::string(userColumns) + "WHERE u.active = 1 ORDER BY u.last_name, u.first_name", {},
                 [&](const Row& r) {
                     std::string hay = lower(r.s(1) + " " + r.s(2) + "\n" + r.s(3));
                     if (hay.find(needle) != std::string::npos)
                         addResource(answer.root(), r);
                 });
    return Value::ofString(answer.text());
}

// Members of the group and of all groups below it, each once.
std::optional<Value> byGroup(CallContext& call)
{
    AnswerXml answer("Resources");
    call.db.each(std::string(userColumns) +
                     "WHERE u.active = 1 AND u.id IN (SELECT user_id FROM group_members WHERE group_id IN ("
                     " WITH RECURSIVE sub(id) AS (SELECT ?1 UNION SELECT g.id FROM user_groups g JOIN sub"
                     " ON g.parent_id = sub.id) SELECT id FROM sub)) ORDER BY u.last_name, u.first_name",
                 {call.num("groupId")}, [&](const Row& r) { addResource(answer.root(), r); });
    return Value::ofString(answer.text());
}

std::optional<Value> groupList(CallContext& call)
{
    AnswerXml answer("Groups");
    std::function<void(std::int64_t, int)> walk = [&](std::int64_t parent, int level) {
        std::vector<std::pair<std::int64_t, std::string>> children;
        call.db.each(
            parent ? "SELECT id, name FROM user_groups WHERE parent_id = ? ORDER BY sort, name"
                   : "SELECT id, name FROM user_groups WHERE parent_id IS NULL AND ? = 0 ORDER BY sort, name",
            {parent}, [&](const Row& r) { children.emplace_back(r.i(0), r.s(1)); });
        for (auto& [id, name] : children) {
            auto group = answer.root().append_child("Group");
            AnswerXml::add(group, "GroupId", id);
            AnswerXml::add(group, "GroupName", name);
            AnswerXml::add(group, "Level", level);
            walk(id, level + 1);
        }
    };
    walk(0, 1);
    return Value::ofString(answer.text());
}

// The users in the order asked; unknown ids are left out.
std::optional<Value> byUserIds(CallContext& call)
{
    AnswerXml answer("Resources");
    for (auto id : call.ints("userIds"))
        call.db.each(std::string(userColumns) + "WHERE u.id = ? AND u.active = 1",
                     {static_cast<std::int64_t>(id)}, [&](const Row& r) { addResource(answer.root(), r); });
    return Value::ofString(answer.text());
}

std::optional<Value> byProject(CallContext& call)
{
    AnswerXml answer("Resources");
    call.db.each(std::string(userColumns) +
                     "JOIN project_members m ON m.user_id = u.id WHERE m.project_id = ? AND u.active = 1"
                     " ORDER BY u.last_name, u.first_name",
                 {std::llabs(call.num("projectId"))}, [&](const Row& r) { addResource(answer.root(), r); });
    return Value::ofString(answer.text());
}

std::optional<Value> roleList(CallContext& call)
{
    AnswerXml answer("Roles");
    call.db.each("SELECT id, name FROM template_roles WHERE template_id = ? ORDER BY id",
                 {call.num("templateId")}, [&](const Row& r) {
                     auto role = answer.root().append_child("Role");
                     AnswerXml::add(role, "RoleId", r.i(0));
                     AnswerXml::add(role, "RoleName", r.s(1));
                 });
    return Value::ofString(answer.text());
}

} // namespace

void registerPeopleMethods(MethodRegistry& registry)
{
    registry.add("GetResourceListBySubstring", 35, bySubstring);
    registry.add("GetResourceListByGroup", 35, byGroup);
    registry.add("GetGroupList", 35, groupList);
    registry.add("GetResourceListByOrvUsers", 35, byUserIds);
    registry.add("GetResourceListByProject", 35, byProject);
    registry.add("GetRoleList", 40, roleList);
}

} // namespace orvdev
