#pragma once

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace orvdev {

// What the framework's XML reader refuses but pugixml parses: bytes that are not UTF-8, characters
// XML forbids (raw or as references), undeclared namespace prefixes, repeated attributes, more or
// less than one document element, text outside it. The service answers such a body with 400.
class WellFormedXml
{
public:
    // Why `doc` (parsed from `body`) is not well-formed, or nothing when it is.
    static std::optional<std::string> problem(const pugi::xml_document& doc, std::string_view body);
};

} // namespace orvdev
