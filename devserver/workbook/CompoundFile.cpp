#include "workbook/CompoundFile.h"

#include "workbook/Workbook.h"

#include <cctype>
#include <cstdint>
#include <vector>

namespace orvdev {
namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::string_view kSignature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);

std::uint32_t u32(std::string_view bytes, std::size_t at)
{
    if (at + 4 > bytes.size())
        throw WorkbookError("The compound document is cut short.");
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t u16(std::string_view bytes, std::size_t at)
{
    if (at + 2 > bytes.size())
        throw WorkbookError("The compound document is cut short.");
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

class Reader
{
public:
    explicit Reader(std::string_view bytes) : m_bytes(bytes)
    {
        const unsigned shift = u16(bytes, 0x1E);
        if (shift < 7 || shift > 16)
            throw WorkbookError("The compound document has an invalid sector size.");
        m_sectorSize = std::size_t{1} << shift;
        m_miniCutoff = u32(bytes, 0x38);
        readFat();
    }

    // The bytes of a chain of regular sectors, cut to `size` when given.
    std::string chain(std::uint32_t start, std::optional<std::size_t> size = std::nullopt) const
    {
        std::string out;
        std::size_t steps = 0;
        for (std::uint32_t sector = start; sector != kEndOfChain; sector = next(m_fat, sector)) {
            if (++steps > m_fat.size() + 1)
                throw WorkbookError("A sector chain of the compound document loops.");
            const std::size_t at = (static_cast<std::size_t>(sector) + 1) * m_sectorSize;
            if (at >= m_bytes.size())
                throw WorkbookError("A sector chain leaves the compound document.");
            out.append(m_bytes.substr(at, m_sectorSize));
            if (size && out.size() >= *size)
                break;
        }
        if (size) {
            if (out.size() < *size)
                throw WorkbookError("A stream of the compound document is cut short.");
            out.resize(*size);
        }
        return out;
    }

    std::optional<std::string> stream(std::string_view wanted) const
    {
        const std::string directory = chain(u32(m_bytes, 0x30));
        std::uint32_t rootStart = 0;
        std::uint64_t rootSize = 0;
        for (std::size_t at = 0; at + 128 <= directory.size(); at += 128) {
            const std::string_view entry(directory.data() + at, 128);
            const auto type = static_cast<unsigned char>(entry[0x42]);
            const std::uint16_t nameBytes = u16(entry, 0x40);
            std::string name;
            for (std::size_t i = 0; i + 2 < nameBytes && i + 1 < 64; i += 2)
                name += static_cast<char>(std::tolower(static_cast<unsigned char>(entry[i])));
            if (type == 5) {
                rootStart = u32(entry, 0x74);
                rootSize = u32(entry, 0x78);
            }
            if (type != 2 || !equalsIgnoringCase(name, wanted))
                continue;
            const std::uint32_t start = u32(entry, 0x74);
            const std::size_t size = u32(entry, 0x78);
            if (size >= m_miniCutoff)
                return chain(start, size);
            return miniStream(start, size, chain(rootStart, rootSize));
        }
        return std::nullopt;
    }

private:
    static bool equalsIgnoringCase(const std::string& lower, std::string_view wanted)
    {
        if (lower.size() != wanted.size())
            return false;
        for (std::size_t i = 0; i < lower.size(); ++i)
            if (lower[i] != std::tolower(static_cast<unsigned char>(wanted[i])))
                return false;
        return true;
    }

    static std::uint32_t next(const std::vector<std::uint32_t>& table, std::uint32_t sector)
    {
        if (sector >= table.size())
            throw WorkbookError("A sector chain of the compound document is broken.");
        return table[sector];
    }

    void readFat()
    {
        // The FAT sectors are listed in the header (109 of them) and then in DIFAT sectors.
        std::vector<std::uint32_t> fatSectors;
        const std::uint32_t fatCount = u32(m_bytes, 0x2C);
        for (std::size_t i = 0; i < 109 && fatSectors.size() < fatCount; ++i)
            fatSectors.push_back(u32(m_bytes, 0x4C + 4 * i));
        std::uint32_t difat = u32(m_bytes, 0x44);
        for (std::size_t guard = 0; difat < kEndOfChain && fatSectors.size() < fatCount; ++guard) {
            if (guard > m_bytes.size() / m_sectorSize)
                throw WorkbookError("The DIFAT of the compound document loops.");
            const std::size_t at = (static_cast<std::size_t>(difat) + 1) * m_sectorSize;
            const std::size_t perSector = m_sectorSize / 4 - 1;
            for (std::size_t i = 0; i < perSector && fatSectors.size() < fatCount; ++i)
                fatSectors.push_back(u32(m_bytes, at + 4 * i));
            difat = u32(m_bytes, at + 4 * perSector);
        }
        for (std::uint32_t sector : fatSectors) {
            const std::size_t at = (static_cast<std::size_t>(sector) + 1) * m_sectorSize;
            for (std::size_t i = 0; i < m_sectorSize / 4; ++i)
                m_fat.push_back(u32(m_bytes, at + 4 * i));
        }
        const std::uint32_t miniFatStart = u32(m_bytes, 0x3C);
        if (miniFatStart < kEndOfChain) {
            const std::string miniFat = chain(miniFatStart);
            for (std::size_t i = 0; i + 4 <= miniFat.size(); i += 4)
                m_miniFat.push_back(u32(miniFat, i));
        }
    }

    std::string miniStream(std::uint32_t start, std::size_t size, const std::string& container) const
    {
        constexpr std::size_t miniSize = 64;
        std::string out;
        std::size_t steps = 0;
        for (std::uint32_t sector = start; sector != kEndOfChain && out.size() < size;
             sector = next(m_miniFat, sector)) {
            if (++steps > m_miniFat.size() + 1)
                throw WorkbookError("A mini sector chain of the compound document loops.");
            const std::size_t at = static_cast<std::size_t>(sector) * miniSize;
            if (at + miniSize > container.size())
                throw WorkbookError("A mini sector chain leaves the compound document.");
            out.append(container, at, miniSize);
        }
        if (out.size() < size)
            throw WorkbookError("A stream of the compound document is cut short.");
        out.resize(size);
        return out;
    }

    std::string_view m_bytes;
    std::size_t m_sectorSize = 512;
    std::uint32_t m_miniCutoff = 4096;
    std::vector<std::uint32_t> m_fat;
    std::vector<std::uint32_t> m_miniFat;
};

} // namespace

bool CompoundFile::looksLikeOne(std::string_view bytes)
{
    return bytes.substr(0, kSignature.size()) == kSignature;
}

std::optional<std::string> CompoundFile::stream(std::string_view bytes, std::string_view name)
{
    if (!looksLikeOne(bytes) || bytes.size() < 512)
        throw WorkbookError("The file is not a compound document.");
    return Reader(bytes).stream(name);
}

} // namespace orvdev
