// Workbooks written by spreadsheet programs, read as the list import reads them, and lists made
// from them on a live server.
#include "support/FilePageClient.h"
#include "support/HttpCheck.h"
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

namespace {

std::string bytesOf(const std::string& name)
{
    std::ifstream in(std::string(ORVDEV_WORKBOOKS) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The form the wizard posts for a list import, up to the file name.
const std::string importForm = "ObjectTypeId=15&AssetId=0&ObjectId=0&FileName=";

std::string joined(const std::vector<std::string>& names)
{
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i)
        out += (i ? "|" : "") + names[i];
    return out;
}

// "name: column|column (data rows)" per offered sheet, joined by " / ".
std::string outline(const Workbook& workbook)
{
    std::string out;
    for (const Sheet& sheet : workbook.sheets) {
        const SheetTable table(sheet);
        out += (out.empty() ? "" : " / ") + sheet.name + ": " + joined(table.columnNames()) + " (" +
               std::to_string(table.dataRows().size()) + ")";
    }
    return out;
}

// The sheets' outlines, then one sheet's rows for the chosen columns; rows and columns '|'-joined.
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
    {"Formate.xls",
     "Blätt1: Huber|1907-07-03 (9) / ÖÄÜ: -100|Column B|Column C (1) / Blätt3: 100 (11) / Formate: RED|RED 2 "
     "(2)",
     "Blätt1", "Huber|1907-07-03", "Äcker|2005-02-23", "wenig|1.2"},
    {"profiles.xls",
     "PROFILEDEF: PROFIL|a|b|c|d|e|f|g|h|i|j|k|l (14) / AXISDEF: PROFIL|i|d (14) / "
     "TRAVERSALCHAINAGE: Column A|a|b|c|d|e|f|g|h|i|j|k|l (14) / AXISDATUMLEVELS: Column A|i|d (14) / "
     "PROFILELEVELS: "
     "PROFIL|Quergefälle|i1|h3|h2|h1|a1|a2|b1|c1|f1|g1|l1|l2|j1|k1|j3|j4|g3|g4|d1|c3|e1|f3|f2|g2|b2|c2|"
     "j2|k2 (14)",
     "TRAVERSALCHAINAGE", "Column A|b|l", "P8.2|0.200009999999992|13.5",
     "Q0|0.200013988510801|13.6840582184709"},
};

} // namespace

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

TEST(WorkbookReaders, ErrorRowsAreSkippedOrNamed)
{
    const Workbook workbook = WorkbookFile::fromBytes(bytesOf("errors.xlsx"), "errors.xlsx");
    EXPECT_EQ(outline(workbook), "Feuil1: #DIV/0! (6) / Feuil2:  (0) / Feuil3:  (0)");
    const Sheet& sheet = workbook.sheets.front();
    EXPECT_TRUE(listRows(sheet, {"#DIV/0!"}, true).empty());
    EXPECT_THAT(
        [&] { listRows(sheet, {"#DIV/0!"}, false); },
        ::testing::ThrowsMessage<ErrorRow>(::testing::StrEq(
            "Row 2 of sheet 'Feuil1' holds the error #NAME? in column '#DIV/0!'; no list was created.")));
    // Errors only count where the list takes them: a sheet of a good and an error column.
    Sheet mixed{"Mixed", {{{"A"}, {"B"}}, {{"1"}, {"#N/A", true}}, {{"2"}, {"x"}}}};
    EXPECT_EQ(listRows(mixed, {"A"}, false), (std::vector<std::vector<std::string>>{{"1"}, {"2"}}));
    EXPECT_EQ(listRows(mixed, {"B", "A"}, true), (std::vector<std::vector<std::string>>{{"x", "2"}}));
    EXPECT_THROW(listRows(mixed, {"C"}, true), UnknownColumn);
}

TEST(WorkbookReaders, DamagedOrForeignBytesAreRefused)
{
    const std::string xls = bytesOf("profiles.xls"), xlsx = bytesOf("any_sheets.xlsx");
    for (const std::string& bytes :
         {xls.substr(0, 600), xls.substr(0, xls.size() / 2), xlsx.substr(0, xlsx.size() / 2),
          std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8), std::string("PK\x03\x04garbage", 11),
          std::string("\x89PNG\r\n\x1a\n\0\0", 10)}) {
        EXPECT_THROW(WorkbookFile::fromBytes(bytes, "bad.xls"), WorkbookError) << bytes.size();
    }
    // Flipped bytes anywhere in the containers end in a refusal or in sheets, never in a crash.
    for (const std::string* original : {&xls, &xlsx})
        for (std::size_t at = 0; at < original->size(); at += 97) {
            std::string damaged = *original;
            damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
            try {
                WorkbookFile::fromBytes(damaged, "damaged");
            } catch (const WorkbookError&) {
            }
        }
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
    // Thousands of equal headers stay unique (and take linear, not quadratic, work).
    Sheet wide{"Wide", {std::vector<Cell>(20000, Cell{"x"})}};
    const std::vector<std::string> names = SheetTable(wide).columnNames();
    EXPECT_EQ(names.back(), "x 20000");
    EXPECT_EQ(listRows(wide, names, false).size(), 0u);
}

TEST(WorkbookReaders, FarAwayCellsAreRefusedBeforeTheyCostMemory)
{
    Sheet sheet{"Sparse", {}};
    sheet.at(1048575, 0).text = "last row"; // a million rows is fine
    EXPECT_THROW(for (std::size_t row = 0; row < 1000; ++row) sheet.at(row, 16383), WorkbookError);
    EXPECT_LE(sheet.cellSlots, Sheet::kMaxCellSlots);
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
    for (const char* broken : {"<sheetData><row><c r=\"A1\"><v>1", "<sheetData><row><c r=\"1A\"><v>1</v></c>",
                               "<sheetData><row r=\"0\">", "<sheetData><row><c><v>&nbsp;</v></c>"})
        EXPECT_THROW(SheetXml::cells(broken, collect), WorkbookError) << broken;
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
    for (const auto& [serial, epoch1904, text] :
         std::vector<std::tuple<double, bool, std::string>>{{1, false, "1900-01-01"},
                                                            {61, false, "1900-03-01"},
                                                            {44197, false, "2021-01-01"},
                                                            {44197.75, false, "2021-01-01T18:00:00"},
                                                            {0.5, false, "12:00:00"},
                                                            {0, true, "1904-01-01"}})
        EXPECT_EQ(serialDate(serial, epoch1904), text) << serial;
    EXPECT_TRUE(CellText::isDateFormat(14, ""));
    EXPECT_TRUE(CellText::isDateFormat(164, "dd/mm/yyyy\\ hh:mm"));
    EXPECT_FALSE(CellText::isDateFormat(164, "0.00\" days\""));
    EXPECT_FALSE(CellText::isDateFormat(164, "[Red]#,##0"));
    EXPECT_EQ(CellText::columnLetters(0) + CellText::columnLetters(25) + CellText::columnLetters(27), "AZAB");
}

TEST(ListFromWorkbook, RowsReachTheListAndErrorRowsFollowTheFlag)
{
    ServerProcess server;
    FilePageClient pages(server);
    SoapClient client(server);
    WebSession web(server);
    web.signIn("admin@127.0.0.1", "admin");
    // The outline the page answers for an uploaded workbook, then the list view of a list from it.
    pugi::xml_document doc;
    std::string contentType;
    auto upload = [&](const std::string& name, const std::string& bytes) {
        auto posted = pages.publish(importForm + name, name, bytes);
        contentType = posted ? posted->get_header_value("Content-Type") : "";
        return posted && doc.load_string(posted->body.c_str()) ? selectOne(doc, "Lists/File") : "";
    };
    auto view = [&](const SoapAnswer& list, const std::string& page) {
        auto answer = web.get("/portals/p/Lists/ListView.aspx?ListID=" + list.result + "&Page=" + page);
        return answer ? answer->body : "";
    };
    const std::string file = upload("errors.xlsx", bytesOf("errors.xlsx"));
    EXPECT_EQ(select(doc, "Lists/List/SheetName"), (std::vector<std::string>{"Feuil1", "Feuil2", "Feuil3"}));
    EXPECT_THAT(listFromWorkbook(client, file, "Feuil1", {"#DIV/0!"}, 0).faultString,
                HasSubstr("Row 2 of sheet 'Feuil1'"));
    const auto kept = listFromWorkbook(client, file, "Feuil1", {"#DIV/0!"}, 1);
    ASSERT_EQ(kept.state, "OK");
    EXPECT_THAT(view(kept, "1"), HasSubstr("No rows."));

    // Large lists are shown a page of rows at a time.
    std::string csv = "Number,Square\n";
    for (int n = 1; n <= 250; ++n)
        csv += std::to_string(n) + "," + std::to_string(n * n) + "\n";
    const auto list = listFromWorkbook(client, upload("squares.csv", csv), "squares", {"Square", "Number"});
    ASSERT_EQ(list.state, "OK");
    EXPECT_EQ(contentType, "text/xml; charset=utf-8");
    EXPECT_THAT(selectOne(doc, "Lists/File"), HasSubstr("squares.csv"));
    EXPECT_EQ(select(doc, "Lists/List/Field/Name"), (std::vector<std::string>{"Number", "Square"}));
    const std::string page = view(list, "3");
    EXPECT_THAT(page,
                HasSubstr("<tr><th>Square</th><th>Number</th></tr><tr><td>40401</td><td>201</td></tr>"));
    EXPECT_THAT(page, HasSubstr("<td>62500</td><td>250</td></tr></table>"));
    EXPECT_THAT(page, HasSubstr("Rows 201 to 250 of 250, page 3 of 3."));

    // Not a workbook: refused like any upload the server cannot take, and nothing is kept.
    auto bad = pages.publish(importForm + "Book.xls", "Book.xls", std::string("\xD0\xCF\x11\xE0\0\0\0\0", 8));
    ASSERT_TRUE(answered(bad, 500, "not"));
}
