#include "pages/WorkbookOutline.h"

#include "workbook/SheetTable.h"
#include "workbook/WorkbookFile.h"

#include <pugixml.hpp>

#include <sstream>

namespace orvdev {

WorkbookOutline WorkbookOutline::read(const std::filesystem::path& contents, const std::string& fileName)
{
    WorkbookOutline outline;
    for (const orvdev::Sheet& sheet : WorkbookFile::read(contents, fileName).sheets)
        outline.sheets.push_back({sheet.name, SheetTable(sheet).columnNames()});
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
