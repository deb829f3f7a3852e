#pragma once

#include "directory/DirectoryRows.h"

#include <QList>
#include <QString>

#include <pugixml.hpp>

#include <memory>
#include <optional>

namespace kitbench {

// A server answer loaded into a document and queried with XPath 1.0. Copies share the document.
class XmlAnswer
{
public:
    // The answer text as a document; nothing when it is empty or not well-formed.
    static std::optional<XmlAnswer> load(const QString& text);

    // The nodes an XPath expression selects, in document order (selectNodes).
    QList<pugi::xml_node> select(const QString& xpath) const;
    // The first of them, or a null node (selectSingleNode).
    pugi::xml_node selectSingle(const QString& xpath) const;

private:
    std::shared_ptr<const pugi::xml_document> m_document;
};

// Readers of the values inside one node.
namespace xml {

// The text of the child element `name`; empty when there is none.
QString childText(const pugi::xml_node& node, const char* name);
bool hasChild(const pugi::xml_node& node, const char* name);

// Number and truth values as the server writes them. A number is optional blanks, an optional sign
// and decimal digits; anything else, or a value out of range, gives nothing.
std::optional<qint32> toInt32(const QString& text);
std::optional<qint16> toInt16(const QString& text);
// "True"/"False" in any case, or a number (not 0 = true); anything else is false.
bool toBoolean(const QString& text);

// A "User" element: "FirstName", "LastName", "UserId" and the "IsCurrentUser" marker. A user id that
// is not a number reads as 0.
DictionaryUser readUser(const pugi::xml_node& user);

} // namespace xml

} // namespace kitbench
