#include "workbook/WorkbookFile.h"

#include "workbook/CellText.h"
#include "workbook/CompoundFile.h"
#include "workbook/CsvReader.h"
#include "workbook/XlsReader.h"
#include "workbook/XlsxReader.h"

#include <fstream>
#include <iterator>

namespace orvdev {

Workbook WorkbookFile::fromBytes(std::string_view bytes, const std::string& fileName)
{
    if (CompoundFile::looksLikeOne(bytes))
        return XlsReader::read(bytes);
    if (XlsxReader::looksLikeOne(bytes))
        return XlsxReader::read(bytes);
    if (!bytes.empty() && CsvReader::looksLikeOne(bytes)) {
        std::string name = CellText::utf8Prefix(std::filesystem::path(fileName).stem().string(), 31);
        return CsvReader::read(bytes, name.empty() ? "Sheet1" : name);
    }
    throw WorkbookError("The file '" + fileName + "' is not an Excel workbook.");
}

Workbook WorkbookFile::read(const std::filesystem::path& path, const std::string& fileName)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw WorkbookError("The uploaded file '" + fileName + "' cannot be read.");
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return fromBytes(bytes, fileName);
}

} // namespace orvdev
