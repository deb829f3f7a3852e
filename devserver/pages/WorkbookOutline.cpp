#include "pages/WorkbookOutline.h"

#include <pugixml.hpp>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace orvdev {
namespace {

std::string trimmed(const std::string& text)
{
    auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos)
        return "";
    auto end = text.find_last_not_of(" \t\r");
    std::string cell = text.substr(begin, end - begin + 1);
    if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
        cell = cell.substr(1, cell.size() - 2);
    return cell;
}

// Splits one line at the delimiter, outside double quotes.
std::vector<std::string> cells(const std::string& line, char delimiter)
{
    std::vector<std::string> out;
    std::string cell;
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        if (c == delimiter && !quoted) {
            out.push_back(trimmed(cell));
            cell.clear();
        } else {
            cell += c;
        }
    }
    out.push_back(trimmed(cell));
    return out;
}

} // namespace

WorkbookOutline WorkbookOutline::read(const std::filesystem::path& contents, const std::string& fileName)
{
    WorkbookOutline outline;
    std::ifstream in(contents, std::ios::binary);
    std::string head(64 * 1024, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(in.gcount()));
    // A binary workbook carries NUL bytes early on; text does not.
    if (head.empty() || head.find('\0') != std::string::npos)
        return outline;
    if (head.rfind("\xEF\xBB\xBF", 0) == 0)
        head.erase(0, 3);
    const std::string firstLine = head.substr(0, head.find('\n'));
    char delimiter = ',';
    std::size_t most = 0;
    for (char candidate : {'\t', ';', ','}) {
        auto count = static_cast<std::size_t>(std::count(firstLine.begin(), firstLine.end(), candidate));
        if (count > most) {
            most = count;
            delimiter = candidate;
        }
    }
    Sheet sheet;
    sheet.name = std::filesystem::path(fileName).stem().string();
    if (sheet.name.empty())
        sheet.name = "Sheet1";
    for (auto& column : cells(firstLine, delimiter))
        if (!column.empty())
            sheet.columns.push_back(column);
    outline.sheets.push_back(std::move(sheet));
    return outline;
}

std::string WorkbookOutline::xml(const std::string& serverName) const
{
    pugi::xml_document doc;
    auto lists = doc.append_child("Lists");
    lists.append_child("File").text().set(serverName.c_str());
    for (const Sheet& sheet : sheets) {
        auto list = lists.append_child("List");
        list.append_child("SheetName").text().set(sheet.name.c_str());
        for (const auto& column : sheet.columns)
            list.append_child("Field").append_child("Name").text().set(column.c_str());
    }
    std::ostringstream out;
    doc.save(out, "", pugi::format_raw);
    return out.str();
}

} // namespace orvdev
