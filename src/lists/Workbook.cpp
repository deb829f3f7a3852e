#include "lists/Workbook.h"

#include "directory/XmlAnswer.h"

namespace kitbench {

QStringList Workbook::columnsOf(const QString& sheet) const
{
    for (const WorkbookSheet& candidate : sheets)
        if (candidate.name == sheet)
            return candidate.columns;
    return {};
}

std::optional<Workbook> parseWorkbook(const QString& xml)
{
    const std::optional<XmlAnswer> answer = XmlAnswer::load(xml);
    if (!answer)
        return std::nullopt;
    Workbook workbook;
    workbook.file = xml::childText(answer->selectSingle(QStringLiteral("Lists")), "File");
    for (const pugi::xml_node& list : answer->select(QStringLiteral("Lists/List"))) {
        WorkbookSheet sheet{xml::childText(list, "SheetName"), {}};
        for (const pugi::xml_node& field : list.children("Field"))
            sheet.columns.append(xml::childText(field, "Name"));
        workbook.sheets.append(sheet);
    }
    return workbook;
}

} // namespace kitbench
