#include "workbook/XlsReader.h"

#include "workbook/CellText.h"
#include "workbook/CompoundFile.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace orvdev {
namespace {

enum Record : std::uint16_t
{
    kFormula = 0x0006,
    kEof = 0x000A,
    kDateMode = 0x0022,
    kContinue = 0x003C,
    kBoundSheet = 0x0085,
    kMulRk = 0x00BD,
    kRString = 0x00D6,
    kXf = 0x00E0,
    kSst = 0x00FC,
    kLabelSst = 0x00FD,
    kNumber = 0x0203,
    kLabel = 0x0204,
    kBoolErr = 0x0205,
    kString = 0x0207,
    kRk = 0x027E,
    kFormat = 0x041E,
    kBof = 0x0809,
};

struct RecordView
{
    std::uint16_t type = 0;
    std::string_view data;
    std::size_t next = 0; // offset of the following record
};

std::uint16_t u16(std::string_view d, std::size_t at)
{
    if (at + 2 > d.size())
        throw WorkbookError("A record of the workbook is cut short.");
    return static_cast<std::uint16_t>(static_cast<unsigned char>(d[at]) |
                                      (static_cast<unsigned char>(d[at + 1]) << 8));
}

std::uint32_t u32(std::string_view d, std::size_t at)
{
    return u16(d, at) | (static_cast<std::uint32_t>(u16(d, at + 2)) << 16);
}

std::uint8_t u8(std::string_view d, std::size_t at)
{
    if (at >= d.size())
        throw WorkbookError("A record of the workbook is cut short.");
    return static_cast<std::uint8_t>(d[at]);
}

// The record's bytes from `at` on, for the text a record carries after its fixed fields.
std::string_view tail(std::string_view d, std::size_t at)
{
    if (at > d.size())
        throw WorkbookError("A record of the workbook is cut short.");
    return d.substr(at);
}

double f64(std::string_view d, std::size_t at)
{
    if (at + 8 > d.size())
        throw WorkbookError("A record of the workbook is cut short.");
    double value = 0;
    std::memcpy(&value, d.data() + at, 8);
    return value;
}

RecordView recordAt(std::string_view stream, std::size_t at)
{
    RecordView r;
    r.type = u16(stream, at);
    const std::uint16_t size = u16(stream, at + 2);
    if (at + 4 + size > stream.size())
        throw WorkbookError("A record of the workbook runs past its stream.");
    r.data = stream.substr(at + 4, size);
    r.next = at + 4 + size;
    return r;
}

double rkValue(std::uint32_t rk)
{
    double value = 0;
    if (rk & 2) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFC) << 32;
        std::memcpy(&value, &bits, 8);
    }
    return (rk & 1) ? value / 100 : value;
}

// Text in records: BIFF8 strings carry a flags byte (bit 0: two bytes per character, bit 2:
// Asian phonetic data follows, bit 3: rich text runs follow); BIFF5 strings are bytes of the
// code page, read here as Latin-1. A string may continue in CONTINUE records (the shared string
// table), each continuation starting with a fresh flags byte.
class TextCursor
{
public:
    TextCursor(std::vector<std::string_view> pieces, bool biff8) : m_pieces(std::move(pieces)), m_biff8(biff8)
    {
    }

    std::uint8_t byte()
    {
        settle();
        return static_cast<std::uint8_t>(m_pieces[m_piece][m_at++]);
    }
    std::uint16_t word() { return static_cast<std::uint16_t>(byte() | (byte() << 8)); }
    std::uint32_t dword() { return word() | (static_cast<std::uint32_t>(word()) << 16); }
    void skip(std::size_t count)
    {
        while (count--)
            byte();
    }
    bool atEnd()
    {
        while (m_piece < m_pieces.size() && m_at >= m_pieces[m_piece].size()) {
            ++m_piece;
            m_at = 0;
        }
        return m_piece >= m_pieces.size();
    }

    std::string string(std::size_t characters)
    {
        std::string out;
        if (!m_biff8) {
            while (characters--)
                CellText::appendUtf8(out, byte());
            return out;
        }
        const std::uint8_t flags = byte();
        std::size_t runs = 0, phonetic = 0;
        if (flags & 0x08)
            runs = word();
        if (flags & 0x04)
            phonetic = dword();
        bool wide = flags & 0x01;
        std::uint32_t pendingHigh = 0;
        while (characters--) {
            if (m_at >= m_pieces[m_piece].size() && m_piece + 1 < m_pieces.size()) {
                ++m_piece; // a continuation restates the width
                m_at = 0;
                wide = byte() & 0x01;
            }
            std::uint32_t unit = wide ? word() : byte();
            if (unit >= 0xD800 && unit < 0xDC00) {
                pendingHigh = unit;
                continue;
            }
            if (pendingHigh && unit >= 0xDC00 && unit < 0xE000)
                unit = 0x10000 + ((pendingHigh - 0xD800) << 10) + (unit - 0xDC00);
            pendingHigh = 0;
            CellText::appendUtf8(out, unit);
        }
        skip(runs * 4 + phonetic);
        return out;
    }

private:
    void settle()
    {
        if (atEnd())
            throw WorkbookError("A string of the workbook is cut short.");
    }

    std::vector<std::string_view> m_pieces;
    bool m_biff8;
    std::size_t m_piece = 0;
    std::size_t m_at = 0;
};

struct SheetEntry
{
    std::uint32_t offset;
    std::string name;
};

class BiffReader
{
public:
    explicit BiffReader(std::string_view stream) : m_stream(stream) {}

    Workbook read()
    {
        const std::vector<SheetEntry> entries = readGlobals();
        Workbook workbook;
        for (const SheetEntry& entry : entries) {
            Sheet sheet;
            sheet.name = entry.name;
            readSheet(entry.offset, sheet);
            workbook.sheets.push_back(std::move(sheet));
        }
        return workbook;
    }

private:
    TextCursor cursor(std::string_view data) const { return TextCursor({data}, m_biff8); }

    std::vector<SheetEntry> readGlobals()
    {
        RecordView bof = recordAt(m_stream, 0);
        if (bof.type != kBof && bof.type != 0x0409 && bof.type != 0x0209)
            throw WorkbookError("The workbook stream does not start with a BOF record.");
        const std::uint16_t version = u16(bof.data, 0);
        if (version != 0x0600 && version != 0x0500)
            throw WorkbookError("Only Excel 5.0 to 2003 workbooks (BIFF5, BIFF8) are read.");
        m_biff8 = version == 0x0600;
        std::vector<SheetEntry> sheets;
        for (std::size_t at = bof.next; at < m_stream.size();) {
            const RecordView r = recordAt(m_stream, at);
            at = r.next;
            if (r.type == kEof)
                break;
            switch (r.type) {
            case kDateMode:
                m_dates1904 = u16(r.data, 0) == 1;
                break;
            case kFormat: {
                TextCursor text = cursor(r.data);
                const std::uint16_t id = text.word();
                const std::size_t length = m_biff8 ? text.word() : text.byte();
                m_formats[id] = text.string(length);
                break;
            }
            case kXf:
                m_xfFormats.push_back(u16(r.data, 2));
                break;
            case kBoundSheet: {
                const std::uint32_t offset = u32(r.data, 0);
                const auto visibility = u8(r.data, 4) & 0x03;
                const auto kind = u8(r.data, 5);
                TextCursor text = cursor(tail(r.data, 6));
                std::string name = text.string(text.byte());
                // Worksheets only; very hidden sheets are not meant for users.
                if (kind == 0 && visibility != 2)
                    sheets.push_back({offset, std::move(name)});
                break;
            }
            case kSst:
                readSharedStrings(r, at);
                break;
            default:
                break;
            }
        }
        return sheets;
    }

    void readSharedStrings(const RecordView& sst, std::size_t after)
    {
        std::vector<std::string_view> pieces{sst.data};
        for (std::size_t at = after; at < m_stream.size();) {
            const RecordView r = recordAt(m_stream, at);
            if (r.type != kContinue)
                break;
            pieces.push_back(r.data);
            at = r.next;
        }
        TextCursor text(std::move(pieces), true);
        text.skip(4);
        const std::uint32_t unique = text.dword();
        m_strings.reserve(std::min<std::uint32_t>(unique, 1u << 20));
        for (std::uint32_t i = 0; i < unique && !text.atEnd(); ++i)
            m_strings.push_back(text.string(text.word()));
    }

    std::string numberText(double value, std::uint16_t xf) const
    {
        if (xf < m_xfFormats.size()) {
            const std::uint16_t format = m_xfFormats[xf];
            auto code = m_formats.find(format);
            if (CellText::isDateFormat(format, code == m_formats.end() ? std::string_view() : code->second))
                return CellText::serialDate(value, m_dates1904);
        }
        return CellText::number(value);
    }

    void readSheet(std::uint32_t offset, Sheet& sheet)
    {
        if (offset >= m_stream.size())
            throw WorkbookError("A sheet of the workbook starts past the end of its stream.");
        // A formula whose text follows in a STRING record, by position (a later cell may move its row).
        // The STRING must come right after it: every other record drops the claim.
        std::optional<std::pair<std::uint16_t, std::uint16_t>> pendingFormulaText;
        const RecordView bof = recordAt(m_stream, offset);
        for (std::size_t at = bof.next; at < m_stream.size();) {
            const RecordView r = recordAt(m_stream, at);
            at = r.next;
            const auto formulaBefore = std::exchange(pendingFormulaText, std::nullopt);
            if (r.type == kEof)
                return;
            const std::string_view d = r.data;
            switch (r.type) {
            case kLabelSst: {
                const std::uint32_t index = u32(d, 6);
                if (index < m_strings.size())
                    sheet.at(u16(d, 0), u16(d, 2)).text = m_strings[index];
                break;
            }
            case kLabel:
            case kRString: {
                TextCursor text = cursor(tail(d, 6));
                sheet.at(u16(d, 0), u16(d, 2)).text = text.string(text.word());
                break;
            }
            case kNumber:
                sheet.at(u16(d, 0), u16(d, 2)).text = numberText(f64(d, 6), u16(d, 4));
                break;
            case kRk:
                sheet.at(u16(d, 0), u16(d, 2)).text = numberText(rkValue(u32(d, 6)), u16(d, 4));
                break;
            case kMulRk: {
                const std::uint16_t row = u16(d, 0);
                std::uint16_t column = u16(d, 2);
                for (std::size_t p = 4; p + 6 + 2 <= d.size(); p += 6)
                    sheet.at(row, column++).text = numberText(rkValue(u32(d, p + 2)), u16(d, p));
                break;
            }
            case kBoolErr: {
                Cell& cell = sheet.at(u16(d, 0), u16(d, 2));
                const auto value = u8(d, 6);
                cell.error = u8(d, 7) != 0;
                cell.text = cell.error ? CellText::errorName(value) : CellText::boolean(value != 0);
                break;
            }
            case kFormula: {
                const std::uint16_t row = u16(d, 0), column = u16(d, 2);
                Cell& cell = sheet.at(row, column);
                if (u16(d, 12) != 0xFFFF) {
                    cell.text = numberText(f64(d, 6), u16(d, 4));
                    break;
                }
                const auto kind = u8(d, 6);
                const auto value = u8(d, 8);
                if (kind == 0)
                    pendingFormulaText = {{row, column}};
                else if (kind == 1)
                    cell.text = CellText::boolean(value != 0);
                else if (kind == 2)
                    cell = {CellText::errorName(value), true};
                break;
            }
            case kString:
                if (formulaBefore) {
                    TextCursor text = cursor(d);
                    const auto [row, column] = *formulaBefore;
                    sheet.at(row, column).text = text.string(text.word());
                }
                break;
            default:
                break;
            }
        }
    }

    std::string_view m_stream;
    bool m_biff8 = true;
    bool m_dates1904 = false;
    std::map<std::uint16_t, std::string> m_formats;
    std::vector<std::uint16_t> m_xfFormats;
    std::vector<std::string> m_strings;
};

} // namespace

Workbook XlsReader::read(std::string_view bytes)
{
    std::optional<std::string> stream = CompoundFile::stream(bytes, "Workbook");
    if (!stream)
        stream = CompoundFile::stream(bytes, "Book");
    if (!stream)
        throw WorkbookError("The document holds no workbook.");
    return BiffReader(*stream).read();
}

} // namespace orvdev
