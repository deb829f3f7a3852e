#pragma once

#include <pugixml.hpp>

#include <cstdint>
#include <string>

namespace orvdev {

class Database;

// Builds the XML text answers of the service (they travel as strings inside the SOAP result).
class AnswerXml
{
public:
    explicit AnswerXml(const char* rootName) { m_root = m_doc.append_child(rootName); }

    pugi::xml_node root() const { return m_root; }
    std::string text() const;

    static pugi::xml_node add(pugi::xml_node parent, const char* name, const std::string& text);
    static pugi::xml_node add(pugi::xml_node parent, const char* name, std::int64_t number);
    static const char* boolText(bool b) { return b ? "True" : "False"; }
    // <User><FirstName/><LastName/><UserId/></User>, optionally with the empty IsCurrentUser marker.
    static pugi::xml_node addUser(pugi::xml_node parent, Database& db, std::int64_t userId, bool markCurrent);
    static pugi::xml_node addUser(pugi::xml_node parent, std::int64_t id, const std::string& first,
                                  const std::string& last, bool markCurrent);

private:
    pugi::xml_document m_doc;
    pugi::xml_node m_root;
};

} // namespace orvdev
