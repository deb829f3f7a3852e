#include "soap/WellFormedXml.h"

#include <cstring>
#include <set>
#include <vector>

namespace orvdev {
namespace {

using Problem = std::optional<std::string>;

// XML 1.0 allows tab, line feed and carriage return below U+0020, and no U+FFFE/U+FFFF.
Problem checkUtf8(std::string_view text, const char* where)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t length = byte < 0x80           ? 1
                             : (byte >> 5) == 0x6  ? 2
                             : (byte >> 4) == 0xE  ? 3
                             : (byte >> 3) == 0x1E ? 4
                                                   : 0;
        if (length == 0 || i + length > text.size())
            return std::string("invalid UTF-8 in ") + where;
        char32_t code = length == 1 ? byte : byte & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::string("invalid UTF-8 in ") + where;
            code = (code << 6) | (next & 0x3F);
        }
        static const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::string("invalid UTF-8 in ") + where;
        if ((code < 0x20 && code != 0x9 && code != 0xA && code != 0xD) || code == 0xFFFE || code == 0xFFFF)
            return std::string("a character XML does not allow in ") + where;
        i += length;
    }
    return std::nullopt;
}

std::string_view prefixOf(std::string_view name)
{
    const auto colon = name.find(':');
    return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

class Walk
{
public:
    Problem element(pugi::xml_node node)
    {
        const std::size_t scopeSize = m_declared.size();
        std::set<std::string_view> seen;
        for (auto attribute : node.attributes()) {
            const std::string_view name = attribute.name();
            if (!seen.insert(name).second)
                return "attribute " + std::string(name) + " appears twice";
            if (name.rfind("xmlns:", 0) == 0) {
                if (!*attribute.value())
                    return "the prefix " + std::string(name.substr(6)) + " is bound to no namespace";
                m_declared.push_back(name.substr(6));
            }
            if (auto problem = checkUtf8(attribute.value(), "an attribute value"))
                return problem;
        }
        Problem problem = declared(prefixOf(node.name()));
        for (auto attribute = node.first_attribute(); !problem && attribute;
             attribute = attribute.next_attribute()) {
            const std::string_view prefix = prefixOf(attribute.name());
            if (prefix != "xmlns")
                problem = declared(prefix);
        }
        for (auto child = node.first_child(); !problem && child; child = child.next_sibling()) {
            if (child.type() == pugi::node_element)
                problem = element(child);
            else if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
                problem = checkUtf8(child.value(), "text");
        }
        m_declared.resize(scopeSize);
        return problem;
    }

private:
    Problem declared(std::string_view prefix) const
    {
        if (prefix.empty() || prefix == "xml")
            return std::nullopt;
        for (auto it = m_declared.rbegin(); it != m_declared.rend(); ++it)
            if (*it == prefix)
                return std::nullopt;
        return "'" + std::string(prefix) + "' is an undeclared prefix";
    }

    std::vector<std::string_view> m_declared;
};

bool blank(const char* text)
{
    return std::strspn(text, " \t\r\n") == std::strlen(text);
}

} // namespace

std::optional<std::string> WellFormedXml::problem(const pugi::xml_document& doc, std::string_view body)
{
    if (auto problem = checkUtf8(body, "the request"))
        return problem;
    // pugixml drops text before and after the document element without a word; only markup, and
    // white space, may stand there.
    std::string_view markup = body;
    if (markup.rfind("\xEF\xBB\xBF", 0) == 0)
        markup.remove_prefix(3);
    const auto first = markup.find_first_not_of(" \t\r\n");
    const auto last = markup.find_last_not_of(" \t\r\n");
    if (first != std::string_view::npos && (markup[first] != '<' || markup[last] != '>'))
        return std::string("text outside the document element");
    int elements = 0;
    for (auto node : doc.children()) {
        if (node.type() == pugi::node_element)
            ++elements;
        else if ((node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) &&
                 !blank(node.value()))
            return std::string("text outside the document element");
    }
    if (elements != 1)
        return std::string(elements ? "more than one document element" : "no document element");
    return Walk().element(doc.document_element());
}

} // namespace orvdev
