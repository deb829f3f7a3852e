#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvdev {

// Reads one stream out of a compound document (the container of .xls files): the FAT and mini
// FAT chains, the directory, and the stream's sectors in chain order. Works on the bytes alone;
// any damage (a chain leaving the file, a loop) is a WorkbookError.
class CompoundFile
{
public:
    static bool looksLikeOne(std::string_view bytes);
    // The stream of that name in the root storage (ASCII name, compared without letter case).
    static std::optional<std::string> stream(std::string_view bytes, std::string_view name);
};

} // namespace orvdev
