// The development server's workbook readers: uploaded .xls, .xlsx and delimited text files that
// become lists.
#include "DevServerEntries.h"

#include "workbook/CompoundFile.h"
#include "workbook/ListRows.h"
#include "workbook/SheetTable.h"
#include "workbook/SheetXml.h"
#include "workbook/WorkbookFile.h"
#include "workbook/XlsxReader.h"

#include <set>

using namespace orvdev;

namespace {

// What the list import relies on for any sheet a reader hands it.
void checkSheet(const Sheet& sheet, bool slotsCounted)
{
    fuzzCheck(sheet.cellSlots <= Sheet::kMaxCellSlots, "a sheet stays within its cell limit");
    if (slotsCounted) {
        std::size_t slots = sheet.rows.size();
        for (const auto& row : sheet.rows)
            slots += row.size();
        fuzzCheck(slots == sheet.cellSlots, "the cell limit counts every row and cell a sheet holds");
    }

    const SheetTable table(sheet);
    const std::vector<std::string>& names = table.columnNames();
    const std::set<std::string> distinct(names.begin(), names.end());
    fuzzCheck(distinct.size() == names.size(), "column names are unique within a sheet");
    fuzzCheck(!distinct.contains(std::string()), "every column has a name");
    const std::vector<std::size_t>& dataRows = table.dataRows();
    for (std::size_t i = 0; i < dataRows.size(); ++i)
        fuzzCheck(dataRows[i] < sheet.rows.size() && (i == 0 || dataRows[i - 1] < dataRows[i]),
                  "data rows are rows of the sheet, in order");

    // A list made of every column: the lenient import skips the rows with an error value, the strict
    // one refuses the sheet for them; all other data rows become list rows as wide as the column list.
    const std::vector<std::vector<std::string>> kept = listRows(sheet, names, true);
    fuzzCheck(kept.size() <= dataRows.size(), "a list has no more rows than the sheet has data rows");
    for (const auto& row : kept)
        fuzzCheck(row.size() == names.size(), "every list row holds each chosen column");
    try {
        fuzzCheck(listRows(sheet, names, false).size() == dataRows.size(),
                  "without error rows every data row becomes a list row");
    } catch (const ErrorRow&) {
        fuzzCheck(kept.size() < dataRows.size(), "an error row is one the lenient import skips");
    }
}

} // namespace

void fuzzWorkbook(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzzBytes(data, size);
    Workbook workbook;
    try {
        workbook = WorkbookFile::fromBytes(bytes, "Übersicht der Quartalszahlen für den Norden.csv");
    } catch (const WorkbookError&) {
        return; // refused with a message for the user
    }
    const bool text = !CompoundFile::looksLikeOne(bytes) && !XlsxReader::looksLikeOne(bytes);
    if (text) {
        fuzzCheck(workbook.sheets.size() == 1, "delimited text is one sheet");
        fuzzCheck(workbook.sheets.front().name == "Übersicht der Quartalszahlen fü",
                  "delimited text is a sheet named after the file, cut to 31 characters (not bytes)");
    }
    for (const Sheet& sheet : workbook.sheets)
        checkSheet(sheet, !text);
}

void fuzzSheetXml(const std::uint8_t* data, std::size_t size)
{
    Sheet sheet;
    try {
        SheetXml::cells(fuzzBytes(data, size), [&sheet, size](const SheetXml::CellMarkup& markup) {
            fuzzCheck(markup.column < 26 + 26 * 26 + 26 * 26 * 26 + size,
                      "a cell's column is at most three letters or one past its left neighbour");
            sheet.at(markup.row, markup.column).text = markup.value;
        });
    } catch (const WorkbookError&) {
        return;
    }
    checkSheet(sheet, true);
}
