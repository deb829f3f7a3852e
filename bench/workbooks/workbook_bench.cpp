// The list import's workbooks: a generated .xlsx of 100,000 rows x 10 columns read and outlined in
// process and through a development server (upload outline, then CreateListFromExcel storing every
// row), and one whole unattended IMPORTLIST of a 3,700-row workbook. Reports rows per second and
// peak memory; asserts nothing.
// Run: workbook_bench [rows]
#include "support/FilePageClient.h"
#include "support/SoapCall.h"
#include "workbook/ListRows.h"
#include "workbook/SheetTable.h"
#include "workbook/WorkbookFile.h"

#include <zip.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>

using namespace orvdev;
using namespace orvdev::test;
using Clock = std::chrono::steady_clock;

namespace {

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void addPart(zip_t* zip, const char* name, const std::string& text)
{
    // libzip copies nothing here: the text must live until zip_close.
    zip_source_t* source = zip_source_buffer(zip, text.data(), text.size(), 0);
    if (!source || zip_file_add(zip, name, source, ZIP_FL_OVERWRITE) < 0)
        throw std::runtime_error(std::string("cannot add ") + name);
}

// A workbook as a spreadsheet program writes it: five text columns through the shared strings
// (a repeating set, as real data has), five number columns, one of them a date.
void writeWorkbook(const std::filesystem::path& path, int rows)
{
    std::string strings = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><sst "
                          "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    const int distinct = 5000;
    for (int i = 0; i < distinct; ++i)
        strings += "<si><t>Text value " + std::to_string(i) + "</t></si>";
    strings += "</sst>";
    std::string sheet = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><worksheet "
                        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
    sheet += "<row r=\"1\">";
    for (int c = 0; c < 10; ++c)
        sheet += "<c r=\"" + std::string(1, static_cast<char>('A' + c)) +
                 "1\" t=\"inlineStr\"><is><t>Column " + std::to_string(c + 1) + "</t></is></c>";
    sheet += "</row>";
    for (int r = 2; r <= rows + 1; ++r) {
        const std::string row = std::to_string(r);
        sheet += "<row r=\"" + row + "\">";
        for (int c = 0; c < 10; ++c) {
            const std::string ref = std::string(1, static_cast<char>('A' + c)) + row;
            if (c < 5)
                sheet +=
                    "<c r=\"" + ref + "\" t=\"s\"><v>" + std::to_string((r * 7 + c) % distinct) + "</v></c>";
            else if (c == 5)
                sheet += "<c r=\"" + ref + "\" s=\"1\"><v>" + std::to_string(40000 + r % 3000) + "</v></c>";
            else
                sheet += "<c r=\"" + ref + "\"><v>" + std::to_string(r * 1.25 + c) + "</v></c>";
        }
        sheet += "</row>";
    }
    sheet += "</sheetData></worksheet>";
    const std::string workbook =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><workbook "
        "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
        "<sheet name=\"Data\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    const std::string rels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" "
        "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" "
        "Target=\"worksheets/sheet1.xml\"/></Relationships>";
    const std::string styles = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><styleSheet "
                               "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><cellXfs>"
                               "<xf numFmtId=\"0\"/><xf numFmtId=\"14\"/></cellXfs></styleSheet>";
    int error = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip)
        throw std::runtime_error("cannot create " + path.string());
    addPart(zip, "xl/workbook.xml", workbook);
    addPart(zip, "xl/_rels/workbook.xml.rels", rels);
    addPart(zip, "xl/styles.xml", styles);
    addPart(zip, "xl/sharedStrings.xml", strings);
    addPart(zip, "xl/worksheets/sheet1.xml", sheet);
    if (zip_close(zip) != 0)
        throw std::runtime_error("cannot write " + path.string());
}

std::string bytesOf(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::vector<std::string> allColumns = {"Column 1", "Column 2", "Column 3", "Column 4", "Column 5",
                                             "Column 6", "Column 7", "Column 8", "Column 9", "Column 10"};

void inProcess(const std::string& bytes, int rows)
{
    const long before = peakKiB();
    const auto start = Clock::now();
    const Workbook workbook = WorkbookFile::fromBytes(bytes, "generated.xlsx");
    const double read = secondsSince(start);
    const auto tableStart = Clock::now();
    const SheetTable table(workbook.sheets.at(0));
    const double outline = secondsSince(tableStart);
    const auto rowsStart = Clock::now();
    const auto listed = listRows(workbook.sheets.at(0), allColumns, false);
    const double built = secondsSince(rowsStart);
    std::printf(
        "in process: read %.2f s (%.0f rows/s), outline %.3f s, %zu list rows %.2f s; peak memory +%ld MiB\n",
        read, rows / read, outline, listed.size(), built, (peakKiB() - before) / 1024);
}

// The columns as the contract's array of strings (the generated names need no escaping).
std::string stringArray(const std::vector<std::string>& values)
{
    std::string xml;
    for (const std::string& value : values)
        xml += "<string>" + value + "</string>";
    return xml;
}

void throughServer(const std::string& bytes, int rows)
{
    ServerProcess server;
    FilePageClient pages(server);
    pages.http().set_read_timeout(300, 0);
    const long idle = server.peakMemoryKiB();
    auto start = Clock::now();
    auto answer =
        pages.publish("ObjectTypeId=15&AssetId=0&ObjectId=0&FileName=generated.xlsx", "generated.xlsx", bytes);
    const double upload = secondsSince(start);
    pugi::xml_document outline;
    if (!answer || answer->status != 200 || !outline.load_string(answer->body.c_str())) {
        std::printf("upload failed\n");
        return;
    }
    SoapClient client(server);
    start = Clock::now();
    auto list = client.call("CreateListFromExcel",
                            {text("fileName", selectOne(outline, "Lists/File")), text("sheetName", "Data"),
                             text("title", "Generated"), text("description", ""), num("folderId", 1),
                             num("typeId", 23), num("statusId", 27), Arg{"categories", ""},
                             Arg{"columns", stringArray(allColumns)}, num("ignoreErrorRows", 0)});
    const double create = secondsSince(start);
    std::printf(
        "server: upload and outline %.2f s (%.0f rows/s); CreateListFromExcel %s, %.2f s (%.0f rows/s); "
        "server peak memory %ld MiB (idle %ld MiB)\n",
        upload, rows / upload, list.state.c_str(), create, rows / create, server.peakMemoryKiB() / 1024,
        idle / 1024);
}

void wholeImport(const std::filesystem::path& folder)
{
    const std::filesystem::path book = folder / "contacts.xlsx";
    writeWorkbook(book, 3700);
    ServerProcess server;
    const std::filesystem::path answers = folder / "import.answers";
    std::ofstream(answers) << "[page 14]\nListTitleText = Contacts\nListFolderTreeView = key:F5\n"
                              "[messages]\n5061 = Yes\n";
    const std::string command = std::string("cd ") + folder.string() + " && QT_QPA_PLATFORM=offscreen " +
                                KITBENCH_BINARY + " /importlist " + book.string() +
                                " /L admin@127.0.0.1:" + std::to_string(server.port()) +
                                " /P admin /UNATTENDED " + answers.string() + " >/dev/null 2>&1";
    for (int run = 1; run <= 3; ++run) {
        const auto start = Clock::now();
        const int status = std::system(command.c_str());
        std::printf("unattended IMPORTLIST of 3,700 rows, run %d: %.2f s (exit %d)\n", run,
                    secondsSince(start), WEXITSTATUS(status));
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "workbook_bench";
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / "generated.xlsx";
    writeWorkbook(path, rows);
    const std::string bytes = bytesOf(path);
    std::printf("%d rows x 10 columns: %.1f MiB .xlsx\n", rows,
                static_cast<double>(bytes.size()) / (1 << 20));
    throughServer(bytes, rows);
    inProcess(bytes, rows);
    wholeImport(folder);
    std::filesystem::remove_all(folder);
    return 0;
}
