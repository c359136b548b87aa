#pragma once

// Inner workings of JetFileWriter: how values, rows, pages, page maps and definitions of a Jet 4
// file are laid out. All numbers in the file are little-endian.

#include <array>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "db/DbFile.h"
#include "db/DbValue.h"

namespace jet_detail {

using Bytes = std::vector<unsigned char>;

inline constexpr std::size_t kPageSize = 4096;
using Page = std::array<unsigned char, kPageSize>;

// A page of rows (data or long values) starts with type, a constant 1, free space, owner, four
// unused bytes and the row count; the offsets of its rows follow, two bytes each.
inline constexpr std::size_t kRowPageHeader = 14;
// Pointers to a row keep its number in one byte.
inline constexpr std::size_t kMaxRowsPerPage = 255;
inline constexpr std::size_t kMaxRowBytes = kPageSize - kRowPageHeader - 2;
// Jet 4 files end at 2 GiB.
inline constexpr std::uint32_t kMaxPages = (std::uint32_t{1} << 31) / kPageSize;
inline constexpr std::size_t kMaxColumns = 255;
inline constexpr std::size_t kMaxNameChars = 64;
inline constexpr std::size_t kMaxTextChars = 255;
// Owner field of long-value pages: the letters "LVAL".
inline constexpr std::uint32_t kLongValueOwner = 0x4c41564c;

// Column type codes.
enum JetType : std::uint8_t {
    kJetBool = 0x01,
    kJetByte = 0x02,
    kJetInt = 0x03,
    kJetLong = 0x04,
    kJetMoney = 0x05,
    kJetDouble = 0x07,
    kJetDateTime = 0x08,
    kJetText = 0x0a,
    kJetOle = 0x0b,
    kJetMemo = 0x0c,
    kJetNone = 0xff,  // no column type this writer holds
};

void PutLe(unsigned char* out, std::uint64_t value, int bytes);
void AppendLe(Bytes& out, std::uint64_t value, int bytes);

// ---------------------------------------------------------------------------------------------
// Values (JetEncoding.cpp)

// UTF-8 as UTF-16; malformed sequences become U+FFFD.
std::u16string Utf16(std::string_view utf8);
// UTF-16LE bytes, as names are stored in definitions.
Bytes Ucs2(std::u16string_view text);
// Text as a value is stored: the compressed form (FF FE, then one byte for each character below
// U+0100, a zero byte switching between that and two-byte characters) when it is allowed and
// shorter, else UTF-16LE.
Bytes StoredText(std::u16string_view text, bool mayCompress);
// A Date/Time value as days since 1899-12-30; before that day the fraction still counts forward.
// Takes "YYYY-MM-DD[ HH:MM[:SS]]" or a number (already a day count).
double JetDays(const DbValue& value);
// A Currency value as the ten-thousandths the file stores.
std::int64_t CurrencyUnits(double value);

// ---------------------------------------------------------------------------------------------
// Tables and rows (JetRow.cpp)

struct JetColumnDef {
    std::string name;
    std::uint8_t type = kJetText;
};

struct JetColumn {
    std::string name;
    std::uint8_t type = kJetText;
    std::uint16_t number = 0;  // also its bit in a row's null mask
    // Fixed-size values sit at fixedOffset in every row; yes/no lives in the null mask alone.
    bool fixed = false;
    std::uint16_t fixedOffset = 0;
    std::uint16_t varIndex = 0;  // slot in a row's table of variable-length offsets
    std::uint16_t length = 0;    // bytes, as the definition declares it
};

struct TableLayout {
    std::vector<JetColumn> columns;
    std::size_t fixedBytes = 0;
    std::size_t varColumns = 0;
};

// kJetNone for a type this writer cannot hold (Large Number, Decimal, Date/Time Extended,
// replication ID, binary, OLE).
std::uint8_t JetTypeOf(ColumnType type);
// Throws DbError for a name Jet cannot hold (empty, over 64 characters).
void CheckObjectName(const std::string& name, std::string_view what);
TableLayout LayOutColumns(const std::vector<JetColumnDef>& columns);

// The 12 bytes a memo keeps in its row: length and flags, then where the text is.
using LongValueHeader = std::array<unsigned char, 12>;

// Where memos too long for their row go.
class LongValueSink {
  public:
    virtual ~LongValueSink() = default;
    virtual LongValueHeader storeLongValue(std::span<const unsigned char> data) = 0;
};

// A row as stored on a data page. Memos stay in the row while it fits a page; the longest move
// out first. Throws DbError (naming the column) for a value that does not fit its column, and
// for a row that does not fit a page even so.
Bytes EncodeRow(const TableLayout& layout, const std::vector<DbValue>& row,
                LongValueSink& longValues);

// ---------------------------------------------------------------------------------------------
// Pages (JetPages.cpp)

// The file being written, page by page, in any order.
class PageFile {
  public:
    explicit PageFile(std::string path);
    // Throws DbError past the 2 GiB Jet 4 allows.
    std::uint32_t allocate();
    void write(std::uint32_t page, const Page& bytes);
    // Flushes and closes; throws DbError when anything failed to reach the disk.
    void close();

  private:
    std::string path_;
    std::ofstream out_;
    std::uint32_t count_ = 0;
};

// A page of rows being filled: rows are placed from the end of the page downwards.
class RowPage {
  public:
    explicit RowPage(std::uint32_t owner);
    bool fits(std::size_t rowBytes) const;
    // Returns the row's number on the page.
    unsigned add(std::span<const unsigned char> row);
    bool empty() const { return rows_ == 0; }
    const Page& bytes() const { return page_; }

  private:
    Page page_{};
    std::size_t rows_ = 0;
    std::size_t top_ = kPageSize;
};

// Appends rows of one owner to pages, starting the next page when one is full.
class RowPageWriter {
  public:
    RowPageWriter(PageFile& file, std::uint32_t owner,
                  std::optional<std::uint32_t> firstPage = std::nullopt);
    // Returns the row's pointer: page number times 256 plus row number.
    std::uint32_t append(std::span<const unsigned char> row);
    // Writes the page being filled.
    void flush();
    // In ascending order.
    const std::vector<std::uint32_t>& pages() const { return pages_; }

  private:
    PageFile& file_;
    std::uint32_t owner_;
    std::optional<std::uint32_t> reserved_;
    std::optional<RowPage> current_;
    std::vector<std::uint32_t> pages_;
};

// Long-value pages of one table: a text up to a row's size is one row; a longer one is a chain of
// rows, each beginning with the pointer to the next.
class LongValueWriter final : public LongValueSink {
  public:
    explicit LongValueWriter(PageFile& file);
    LongValueHeader storeLongValue(std::span<const unsigned char> data) override;
    void flush() { rows_.flush(); }

  private:
    PageFile& file_;
    RowPageWriter rows_;
};

// ---------------------------------------------------------------------------------------------
// Definitions (JetDefinitions.cpp)

// Page 0: the database definition, the part from 0x18 RC4-encoded with the format's fixed key.
Page HeaderPage();

// The usage-map row for a table's data pages (ascending): the pages inline when they lie close
// together, else pointers to bitmap pages, written here. Either covers files of any size.
Bytes UsageMap(const std::vector<std::uint32_t>& pages, PageFile& file);

struct TableDefinition {
    const TableLayout* layout = nullptr;
    bool system = false;
    std::uint32_t rowCount = 0;
    std::uint32_t usageMap = 0;  // pointers to the rows holding the maps
    std::uint32_t freeSpaceMap = 0;
};

// Writes the definition at firstPage, continuing on new pages when it is longer than one.
void WriteTableDefinition(PageFile& file, std::uint32_t firstPage,
                          const TableDefinition& definition);

}  // namespace jet_detail
