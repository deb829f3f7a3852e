// Workbooks written by spreadsheet programs, read as the list import reads them, and lists made
// from them on a live server.
#include "support/FilePageClient.h"
#include "support/ServerTest.h"
#include "support/SoapCall.h"
#include "support/WebSession.h"
#include "workbook/CellText.h"
#include "workbook/ListRows.h"
#include "workbook/SheetTable.h"
#include "workbook/SheetXml.h"
#include "workbook/WorkbookFile.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace orvdev;
using namespace orvdev::test;
using ::testing::HasSubstr;

static std::string bytesOf(const std::string& name)
{
    std::ifstream in(std::string(ORVDEV_WORKBOOKS) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

static std::string joined(const std::vector<std::string>& names)
{
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i)
        out += (i ? "|" : "") + names[i];
    return out;
}

// "name: column|column (data rows)" per offered sheet, joined by " / ".
static std::string outline(const Workbook& workbook)
{
    std::string out;
    for (const Sheet& sheet : workbook.sheets) {
        const SheetTable table(sheet);
        out += (out.empty() ? "" : " / ") + sheet.name + ": " + joined(table.columnNames()) + " (" +
               std::to_string(table.dataRows().size()) + ")";
    }
    return out;
}

// The sheets' outlines, then one sheet's rows for the chosen columns; rows and columns '|'-joined. The
// workbooks with names and texts beyond ASCII are read end to end by the list import's runs.
struct FileCase
{
    std::string file, sheets, sheet, columns, firstRow, lastRow;
};

const std::string anySheets = "This workbook contains 4 sheets: Visible, Hidden, VeryHidden and Chart";
const FileCase fileCases[] = {
    {"any_sheets.xls", "Visible: 1|2 (3) / Hidden:  (0)", "Visible", "2|1", "4|3", "|" + anySheets},
    {"any_sheets.xlsx", "Visible: 1|2 (3) / Hidden:  (0)", "Visible", "1", "3", anySheets},
    {"date.xlsx", "Sheet1: 2021-01-01|15 (2)", "Sheet1", "2021-01-01|15", "2021-01-02|16",
     "1900-01-10T15:10:10|17"},
};

TEST(WorkbookReaders, RealFilesGiveTheirSheetsColumnsAndRows)
{
    for (const FileCase& c : fileCases) {
        SCOPED_TRACE(c.file);
        const Workbook workbook = WorkbookFile::fromBytes(bytesOf(c.file), c.file);
        EXPECT_EQ(outline(workbook), c.sheets);
        const auto sheet = std::find_if(workbook.sheets.begin(), workbook.sheets.end(),
                                        [&](const Sheet& s) { return s.name == c.sheet; });
        ASSERT_NE(sheet, workbook.sheets.end());
        const auto rows = listRows(*sheet, split(c.columns), false);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ(joined(rows.front()), c.firstRow);
        EXPECT_EQ(joined(rows.back()), c.lastRow);
    }
}

// errors.xlsx imported with and without its error rows is the end-to-end list import's.
TEST(WorkbookReaders, ErrorRowsAreSkippedOrNamed)
{
    // Errors only count where the list takes them: a sheet of a good and an error column.
    Sheet mixed{"Mixed", {{{"A"}, {"B"}}, {{"1"}, {"#N/A", true}}, {{"2"}, {"x"}}}};
    EXPECT_EQ(listRows(mixed, {"A"}, false), (std::vector<std::vector<std::string>>{{"1"}, {"2"}}));
    EXPECT_EQ(listRows(mixed, {"B", "A"}, true), (std::vector<std::vector<std::string>>{{"x", "2"}}));
    EXPECT_THROW(listRows(mixed, {"C"}, true), UnknownColumn);
}

TEST(WorkbookReaders, DelimitedTextIsOneSheetNamedAfterTheFile)
{
    const Workbook workbook = WorkbookFile::fromBytes(
        std::string_view(
            "\xEF\xBB\xBFName;\"Note; long\";;Name\r\nAda;\"two\nlines \"\"quoted\"\"\";x;\r\n\r\n"),
        "A file name longer than thirty-one characters.csv");
    EXPECT_EQ(outline(workbook), "A file name longer than thirty-: Name|Note; long|Column C|Name 2 (1)");
    EXPECT_EQ(listRows(workbook.sheets[0], {"Note; long", "Column C"}, false),
              (std::vector<std::vector<std::string>>{{"two\nlines \"quoted\"", "x"}}));
}

TEST(WorkbookReaders, RepeatedHeadersGetTheFirstFreeSuffix)
{
    // A literal "a 2" before the repeats, and a repeat of a numbered name.
    Sheet sheet{"Header", {{{"a"}, {"a 2"}, {"a"}, {"a"}, {"a 2"}, {""}, {"a"}, {"Column F"}}}};
    EXPECT_EQ(SheetTable(sheet).columnNames(),
              (std::vector<std::string>{"a", "a 2", "a 3", "a 4", "a 2 2", "Column F", "a 5", "Column F 2"}));
}

TEST(WorkbookReaders, SheetMarkupWithPrefixesEntitiesAndInlineText)
{
    std::vector<std::string> seen;
    const auto collect = [&seen](const SheetXml::CellMarkup& c) {
        seen.push_back(std::to_string(c.row) + "," + std::to_string(c.column) + "," + std::string(c.type) +
                       "," + std::to_string(c.style) + "," + c.value);
    };
    SheetXml::cells("<?xml version='1.0'?><x:worksheet><!-- <c> --><x:sheetData><x:row r=\"2\">"
                    "<x:c r=\"B2\" t='inlineStr'><x:is><x:r><x:t>a &amp; b&#x20AC;</x:t></x:r>"
                    "<x:rPh><x:t>phonetic</x:t></x:rPh></x:is></x:c><x:c s=\"3\"><x:v>1.5</x:v></x:c>"
                    "<x:c r=\"E2\" s=\"1\"/></x:row><x:row><x:c><x:f>A1</x:f><x:v><![CDATA[<x>]]></x:v></x:c>"
                    "</x:row></x:sheetData></x:worksheet>",
                    collect);
    EXPECT_EQ(seen, (std::vector<std::string>{"1,1,inlineStr,0,a & b\u20AC", "1,2,,3,1.5", "2,0,,0,<x>"}));
    // A value in a million CDATA sections (which once took a stack frame each).
    std::string split = "<sheetData><row><c><v>";
    for (int i = 0; i < 1'000'000; ++i)
        split += "<![CDATA[7]]>";
    std::size_t length = 0;
    SheetXml::cells(split + "</v></c></row></sheetData>",
                    [&length](const SheetXml::CellMarkup& c) { length = c.value.size(); });
    EXPECT_EQ(length, 1'000'000u);
}

TEST(CellText, ValuesAsListText)
{
    using CellText::number, CellText::serialDate;
    EXPECT_EQ(number(1234.5) + " " + number(-3) + " " + number(1e15) + " " + number(0.1 + 0.2),
              "1234.5 -3 1000000000000000 0.3");
    EXPECT_EQ(serialDate(1, false) + " " + serialDate(61, false) + " " + serialDate(44197, false) + " " +
                  serialDate(44197.75, false) + " " + serialDate(0.5, false) + " " + serialDate(0, true),
              "1900-01-01 1900-03-01 2021-01-01 2021-01-01T18:00:00 12:00:00 1904-01-01");
    EXPECT_TRUE(CellText::isDateFormat(14, ""));
    EXPECT_TRUE(CellText::isDateFormat(164, "dd/mm/yyyy\\ hh:mm"));
    EXPECT_FALSE(CellText::isDateFormat(164, "0.00\" days\""));
    EXPECT_FALSE(CellText::isDateFormat(164, "[Red]#,##0"));
    EXPECT_EQ(CellText::columnLetters(0) + CellText::columnLetters(25) + CellText::columnLetters(27), "AZAB");
}

// Lists made from uploaded workbooks are the end-to-end import's; a long one is shown a page at a time.
TEST(ListFromWorkbook, LargeListsArePaged)
{
    ServerProcess server;
    SoapClient client(server);
    std::string csv = "Number,Square\n";
    for (int n = 1; n <= 250; ++n)
        csv += std::to_string(n) + "," + std::to_string(n * n) + "\n";
    auto posted = FilePageClient(server).publish("ObjectTypeId=15&AssetId=0&ObjectId=0&FileName=squares.csv",
                                                 "squares.csv", csv);
    pugi::xml_document outline;
    ASSERT_TRUE(posted && outline.load_string(posted->body.c_str()));
    const auto list =
        client.call("CreateListFromExcel",
                    argList("fileName=" + selectOne(outline, "Lists/File") +
                            "|sheetName=squares|title=S|description=|folderId=1|typeId=23|"
                            "statusId=27|categories=[]|columns={Square,Number}|ignoreErrorRows=0"));
    ASSERT_EQ(list.state, "OK");
    WebSession web(server);
    web.signIn("admin@127.0.0.1", "admin");
    auto page = web.get("/portals/p/Lists/ListView.aspx?ListID=" + list.result + "&Page=3");
    ASSERT_TRUE(
        answered(page, 200, "<tr><th>Square</th><th>Number</th></tr><tr><td>40401</td><td>201</td></tr>"));
    EXPECT_THAT(page->body, HasSubstr("<td>62500</td><td>250</td></tr></table>"));
    EXPECT_THAT(page->body, HasSubstr("Rows 201 to 250 of 250, page 3 of 3."));
}
