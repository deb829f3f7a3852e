#include "workbook/XlsxReader.h"

#include "workbook/CellText.h"
#include "workbook/SheetXml.h"

#include <pugixml.hpp>
#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace orvdev {
namespace {

// The parts of the zip container, read on demand.
class Package
{
public:
    explicit Package(std::string_view bytes)
    {
        zip_error_t error;
        zip_error_init(&error);
        zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
        if (source)
            m_zip.reset(zip_open_from_source(source, ZIP_RDONLY, &error));
        if (source && !m_zip)
            zip_source_free(source);
        zip_error_fini(&error);
        if (!m_zip)
            throw WorkbookError("The file is not a readable zip container.");
    }

    std::optional<std::string> part(const std::string& name) const
    {
        zip_stat_t stat;
        if (zip_stat(m_zip.get(), name.c_str(), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_SIZE))
            return std::nullopt;
        std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen(m_zip.get(), name.c_str(), 0),
                                                                &zip_fclose);
        if (!file)
            throw WorkbookError("The part " + name + " of the workbook cannot be opened.");
        // The size in the directory is only what the file claims: a few bytes could claim gigabytes.
        // The part grows with what really comes out of it instead.
        constexpr std::size_t kChunk = 64 * 1024;
        std::string contents;
        for (;;) {
            const std::size_t had = contents.size();
            contents.resize(had + kChunk);
            const zip_int64_t got = zip_fread(file.get(), contents.data() + had, kChunk);
            contents.resize(had + static_cast<std::size_t>(std::max<zip_int64_t>(got, 0)));
            if (got < 0 || contents.size() > stat.size)
                throw WorkbookError("The part " + name + " of the workbook is damaged.");
            if (got == 0)
                break;
        }
        if (contents.size() != stat.size)
            throw WorkbookError("The part " + name + " of the workbook is damaged.");
        return contents;
    }

    pugi::xml_document xml(const std::string& name, bool required) const
    {
        pugi::xml_document doc;
        const std::optional<std::string> contents = part(name);
        if (!contents) {
            if (required)
                throw WorkbookError("The workbook has no part " + name + ".");
            return doc;
        }
        if (!doc.load_buffer(contents->data(), contents->size()))
            throw WorkbookError("The part " + name + " of the workbook is not well-formed XML.");
        return doc;
    }

private:
    struct Closer
    {
        void operator()(zip_t* zip) const { zip_discard(zip); }
    };
    std::unique_ptr<zip_t, Closer> m_zip;
};

// Element names without their namespace prefix ("x:row" is "row").
bool named(pugi::xml_node node, const char* local)
{
    const char* name = node.name();
    const char* colon = std::strchr(name, ':');
    return std::strcmp(colon ? colon + 1 : name, local) == 0;
}

pugi::xml_node child(pugi::xml_node parent, const char* local)
{
    for (pugi::xml_node node = parent.first_child(); node; node = node.next_sibling())
        if (named(node, local))
            return node;
    return {};
}

// All text of <t> elements below a node (rich text runs), leaving out phonetic runs.
std::string textOf(pugi::xml_node node)
{
    std::string out;
    for (pugi::xml_node part = node.first_child(); part; part = part.next_sibling()) {
        if (named(part, "t"))
            out += part.text().get();
        else if (named(part, "r"))
            out += textOf(part);
    }
    return out;
}

// "../worksheets/sheet1.xml" or "/xl/worksheets/sheet1.xml" relative to the "xl/" folder.
std::string partPath(const std::string& target)
{
    if (!target.empty() && target.front() == '/')
        return target.substr(1);
    std::string path = "xl/" + target;
    for (std::size_t up; (up = path.find("/../")) != std::string::npos;) {
        const std::size_t start = path.rfind('/', up - 1);
        path.erase(start == std::string::npos ? 0 : start + 1,
                   up + 4 - (start == std::string::npos ? 0 : start + 1));
    }
    return path;
}

class XlsxWorkbook
{
public:
    explicit XlsxWorkbook(std::string_view bytes) : m_package(bytes) {}

    Workbook read()
    {
        const pugi::xml_document book = m_package.xml("xl/workbook.xml", true);
        const pugi::xml_node root = book.first_child();
        m_dates1904 = child(root, "workbookPr").attribute("date1904").as_bool();
        readStyles();
        readSharedStrings();
        const std::map<std::string, std::pair<std::string, std::string>> relations = readRelations();
        Workbook workbook;
        for (pugi::xml_node sheet = child(child(root, "sheets"), "sheet"); sheet;
             sheet = sheet.next_sibling()) {
            if (!named(sheet, "sheet") || std::string_view(sheet.attribute("state").value()) == "veryHidden")
                continue;
            std::string id;
            for (pugi::xml_attribute a = sheet.first_attribute(); a; a = a.next_attribute())
                if (std::string_view(a.name()).ends_with(":id"))
                    id = a.value();
            auto relation = relations.find(id);
            // Chart sheets and dialog sheets are offered no more than a user would pick them.
            if (relation == relations.end() || !relation->second.first.ends_with("/worksheet"))
                continue;
            Sheet out;
            out.name = sheet.attribute("name").value();
            readSheet(partPath(relation->second.second), out);
            workbook.sheets.push_back(std::move(out));
        }
        return workbook;
    }

private:
    std::map<std::string, std::pair<std::string, std::string>> readRelations() const
    {
        std::map<std::string, std::pair<std::string, std::string>> relations;
        const pugi::xml_document rels = m_package.xml("xl/_rels/workbook.xml.rels", true);
        for (pugi::xml_node r = rels.first_child().first_child(); r; r = r.next_sibling())
            relations[r.attribute("Id").value()] = {r.attribute("Type").value(),
                                                    r.attribute("Target").value()};
        return relations;
    }

    void readStyles()
    {
        const pugi::xml_document styles = m_package.xml("xl/styles.xml", false);
        const pugi::xml_node root = styles.first_child();
        std::map<int, std::string> codes;
        for (pugi::xml_node f = child(child(root, "numFmts"), "numFmt"); f; f = f.next_sibling())
            codes[f.attribute("numFmtId").as_int()] = f.attribute("formatCode").value();
        for (pugi::xml_node xf = child(child(root, "cellXfs"), "xf"); xf; xf = xf.next_sibling()) {
            const int id = xf.attribute("numFmtId").as_int();
            auto code = codes.find(id);
            m_dateStyles.push_back(CellText::isDateFormat(id, code == codes.end() ? "" : code->second));
        }
    }

    void readSharedStrings()
    {
        const pugi::xml_document strings = m_package.xml("xl/sharedStrings.xml", false);
        for (pugi::xml_node si = child(strings.first_child(), "si"); si; si = si.next_sibling())
            m_strings.push_back(textOf(si));
    }

    void readSheet(const std::string& path, Sheet& sheet) const
    {
        const std::optional<std::string> xml = m_package.part(path);
        if (!xml)
            throw WorkbookError("The workbook has no part " + path + ".");
        SheetXml::cells(*xml, [&](const SheetXml::CellMarkup& markup) {
            if (markup.type != "inlineStr" && markup.value.empty())
                return; // a formatted cell without a value
            sheet.at(markup.row, markup.column) = cellValue(markup);
        });
    }

    Cell cellValue(const SheetXml::CellMarkup& markup) const
    {
        const std::string_view type = markup.type;
        if (type == "s") {
            const std::size_t index = std::strtoull(markup.value.c_str(), nullptr, 10);
            if (index >= m_strings.size())
                throw WorkbookError("A cell names a shared string that does not exist.");
            return Cell{m_strings[index], false};
        }
        if (type == "inlineStr" || type == "str" || type == "d")
            return Cell{markup.value, false};
        if (type == "b")
            return Cell{CellText::boolean(markup.value != "0"), false};
        if (type == "e")
            return Cell{markup.value, true};
        const double number = std::strtod(markup.value.c_str(), nullptr);
        if (markup.style < m_dateStyles.size() && m_dateStyles[markup.style])
            return Cell{CellText::serialDate(number, m_dates1904), false};
        return Cell{CellText::number(number), false};
    }

    Package m_package;
    bool m_dates1904 = false;
    std::vector<bool> m_dateStyles;
    std::vector<std::string> m_strings;
};

} // namespace

bool XlsxReader::looksLikeOne(std::string_view bytes)
{
    return bytes.substr(0, 4) == std::string_view("PK\x03\x04", 4);
}

Workbook XlsxReader::read(std::string_view bytes)
{
    return XlsxWorkbook(bytes).read();
}

} // namespace orvdev
