#include "workbook/SheetXml.h"

#include "workbook/CellText.h"
#include "workbook/Workbook.h"

#include <cstdlib>
#include <optional>

namespace orvdev {
namespace {

// One tag: its local name, whether it closes or is empty, and its attribute text.
struct Tag
{
    std::string_view name;
    std::string_view attributes;
    bool closing = false;
    bool empty = false;
};

void decodeInto(std::string& out, std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const std::size_t end = text.find(';', i);
        if (end == std::string_view::npos)
            throw WorkbookError("A worksheet holds an unterminated entity.");
        const std::string_view entity = text.substr(i + 1, end - i - 1);
        if (entity == "lt")
            out += '<';
        else if (entity == "gt")
            out += '>';
        else if (entity == "amp")
            out += '&';
        else if (entity == "quot")
            out += '"';
        else if (entity == "apos")
            out += '\'';
        else if (entity.size() > 1 && entity[0] == '#') {
            const bool hex = entity[1] == 'x';
            const std::string digits(entity.substr(hex ? 2 : 1));
            CellText::appendUtf8(
                out, static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10)));
        } else
            throw WorkbookError("A worksheet uses an unknown entity.");
        i = end;
    }
}

std::optional<std::string_view> attribute(std::string_view attributes, std::string_view name)
{
    for (std::size_t at = 0; (at = attributes.find(name, at)) != std::string_view::npos; at += name.size()) {
        const bool starts = at == 0 || attributes[at - 1] == ' ' || attributes[at - 1] == '\t' ||
                            attributes[at - 1] == '\n' || attributes[at - 1] == '\r';
        std::size_t p = at + name.size();
        while (p < attributes.size() && attributes[p] == ' ')
            ++p;
        if (!starts || p >= attributes.size() || attributes[p] != '=')
            continue;
        ++p;
        while (p < attributes.size() && attributes[p] == ' ')
            ++p;
        if (p >= attributes.size() || (attributes[p] != '"' && attributes[p] != '\''))
            return std::nullopt;
        const std::size_t end = attributes.find(attributes[p], p + 1);
        if (end == std::string_view::npos)
            return std::nullopt;
        return attributes.substr(p + 1, end - p - 1);
    }
    return std::nullopt;
}

std::size_t number(std::string_view text)
{
    std::size_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 100000000)
            break;
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    return value;
}

// "BC12" -> column 54, row 11 (0-based).
bool reference(std::string_view ref, std::size_t& row, std::size_t& column)
{
    std::size_t letters = 0, col = 0;
    while (letters < ref.size() && ref[letters] >= 'A' && ref[letters] <= 'Z')
        col = col * 26 + static_cast<std::size_t>(ref[letters++] - 'A' + 1);
    const std::size_t number = orvdev::number(ref.substr(letters));
    if (letters == 0 || letters > 3 || number == 0 || number > 1048576)
        return false;
    row = number - 1;
    column = col - 1;
    return true;
}

class Scanner
{
public:
    explicit Scanner(std::string_view xml) : m_xml(xml) {}

    // The next tag after the current position (text before it is left to textUntilTag).
    std::optional<Tag> next()
    {
        for (;;) {
            const std::size_t open = m_xml.find('<', m_at);
            if (open == std::string_view::npos)
                return std::nullopt;
            if (m_xml.compare(open, 4, "<!--") == 0) {
                m_at = skipPast(open, "-->");
                continue;
            }
            if (m_xml.compare(open, 2, "<?") == 0 || m_xml.compare(open, 2, "<!") == 0) {
                m_at = skipPast(open, ">");
                continue;
            }
            const std::size_t close = m_xml.find('>', open);
            if (close == std::string_view::npos)
                throw WorkbookError("A worksheet ends inside a tag.");
            Tag tag;
            std::string_view inner = m_xml.substr(open + 1, close - open - 1);
            if (!inner.empty() && inner.front() == '/') {
                tag.closing = true;
                inner.remove_prefix(1);
            }
            if (!inner.empty() && inner.back() == '/') {
                tag.empty = true;
                inner.remove_suffix(1);
            }
            const std::size_t nameEnd = std::min(inner.find_first_of(" \t\r\n"), inner.size());
            tag.name = inner.substr(0, nameEnd);
            if (const std::size_t colon = tag.name.find(':'); colon != std::string_view::npos)
                tag.name.remove_prefix(colon + 1);
            tag.attributes = inner.substr(nameEnd);
            m_at = close + 1;
            return tag;
        }
    }

    // Decoded text from the current position up to the next tag. CDATA sections are text too, and a
    // value may be split into any number of them: a loop, so that no count of them exhausts the stack.
    void appendText(std::string& out)
    {
        for (;;) {
            const std::size_t open = m_xml.find('<', m_at);
            if (open == std::string_view::npos)
                throw WorkbookError("A worksheet ends inside a cell.");
            decodeInto(out, m_xml.substr(m_at, open - m_at));
            if (m_xml.compare(open, 9, "<![CDATA[") != 0) {
                m_at = open;
                return;
            }
            const std::size_t end = m_xml.find("]]>", open);
            if (end == std::string_view::npos)
                throw WorkbookError("A worksheet ends inside a CDATA section.");
            out.append(m_xml.substr(open + 9, end - open - 9));
            m_at = end + 3;
        }
    }

private:
    std::size_t skipPast(std::size_t from, std::string_view end) const
    {
        const std::size_t at = m_xml.find(end, from);
        if (at == std::string_view::npos)
            throw WorkbookError("A worksheet ends inside markup.");
        return at + end.size();
    }

    std::string_view m_xml;
    std::size_t m_at = 0;
};

} // namespace

void SheetXml::cells(std::string_view xml, const std::function<void(const CellMarkup&)>& onCell)
{
    Scanner scanner(xml);
    bool inData = false, inCell = false, inInline = false, inPhonetic = false;
    std::size_t nextRow = 0, nextColumn = 0;
    CellMarkup cell;
    while (const std::optional<Tag> tag = scanner.next()) {
        if (tag->name == "sheetData") {
            if (tag->closing || tag->empty)
                return;
            inData = true;
        } else if (!inData) {
            continue;
        } else if (tag->name == "row" && !tag->closing) {
            const auto r = attribute(tag->attributes, "r");
            cell.row = r ? number(*r) - 1 : nextRow;
            if (r && number(*r) == 0)
                throw WorkbookError("A row of a worksheet has no valid number.");
            nextRow = cell.row + 1;
            nextColumn = 0;
        } else if (tag->name == "c" && !tag->closing) {
            cell.column = nextColumn;
            if (const auto r = attribute(tag->attributes, "r")) {
                std::size_t row = 0;
                if (!reference(*r, row, cell.column))
                    throw WorkbookError("A cell of a worksheet has no valid reference.");
            }
            nextColumn = cell.column + 1;
            cell.type = attribute(tag->attributes, "t").value_or("");
            cell.style = number(attribute(tag->attributes, "s").value_or("0"));
            cell.value.clear();
            inCell = !tag->empty;
        } else if (tag->name == "c" && tag->closing) {
            if (inCell)
                onCell(cell);
            inCell = false;
        } else if (inCell && tag->name == "is") {
            inInline = !tag->closing && !tag->empty;
        } else if (inCell && tag->name == "rPh") {
            inPhonetic = !tag->closing && !tag->empty;
        } else if (inCell && !tag->closing && !tag->empty &&
                   (tag->name == "v" || (tag->name == "t" && inInline && !inPhonetic))) {
            scanner.appendText(cell.value);
        }
    }
    if (inData)
        throw WorkbookError("A worksheet ends inside its data.");
}

} // namespace orvdev
