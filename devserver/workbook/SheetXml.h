#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace orvdev {

// Walks the cells of a worksheet part (<sheetData><row><c r t s><v/>|<is><t/></is></c>...) over the
// XML text without building a document: a sheet of a million cells would take several hundred MiB
// as a DOM. Namespace prefixes are ignored; entities and character references are decoded. Broken
// markup is a WorkbookError.
class SheetXml
{
public:
    struct CellMarkup
    {
        std::size_t row = 0;    // 0-based
        std::size_t column = 0; // 0-based
        std::string_view type;  // the t attribute: s, str, inlineStr, b, e, n, d or empty
        std::size_t style = 0;  // the s attribute
        std::string value;      // the text of <v>, or of the <t> elements of an inline string
    };

    static void cells(std::string_view xml, const std::function<void(const CellMarkup&)>& onCell);
};

} // namespace orvdev
