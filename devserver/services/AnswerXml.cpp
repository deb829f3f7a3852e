#include "services/AnswerXml.h"

#include "store/Database.h"

#include <sstream>

namespace orvdev {

std::string AnswerXml::text() const
{
    std::ostringstream out;
    m_doc.save(out, "", pugi::format_raw | pugi::format_no_declaration);
    return out.str();
}

pugi::xml_node AnswerXml::add(pugi::xml_node parent, const char* name, const std::string& text)
{
    auto node = parent.append_child(name);
    if (!text.empty())
        node.text().set(text.c_str());
    return node;
}

pugi::xml_node AnswerXml::add(pugi::xml_node parent, const char* name, std::int64_t number)
{
    return add(parent, name, std::to_string(number));
}

pugi::xml_node AnswerXml::addUser(pugi::xml_node parent, std::int64_t id, const std::string& first,
                                  const std::string& last, bool markCurrent)
{
    auto user = parent.append_child("User");
    add(user, "FirstName", first);
    add(user, "LastName", last);
    add(user, "UserId", id);
    if (markCurrent)
        user.append_child("IsCurrentUser");
    return user;
}

pugi::xml_node AnswerXml::addUser(pugi::xml_node parent, Database& db, std::int64_t userId, bool markCurrent)
{
    pugi::xml_node node;
    db.each("SELECT first_name, last_name FROM users WHERE id = ?", {userId},
            [&](const Row& r) { node = addUser(parent, userId, r.s(0), r.s(1), markCurrent); });
    return node;
}

} // namespace orvdev
