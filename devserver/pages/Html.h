#pragma once

#include <string>
#include <utility>
#include <vector>

namespace orvdev::Html {

std::string escape(const std::string& text);
// A complete small page with the portal's look.
std::string page(const std::string& title, const std::string& body);
// A two-column table of field names and (already escaped) values.
std::string fields(const std::vector<std::pair<std::string, std::string>>& rows);

} // namespace orvdev::Html
