#include "db/reader/TablePages.h"

#include <stdexcept>

namespace {

// A usage map is inline (type 0: the first page, then a bit per page from there) or refers to
// bitmap pages (type 1: their page numbers, each bitmap covering one stretch of the file).
constexpr unsigned char kInlineMap = 0;
constexpr unsigned char kReferenceMap = 1;
constexpr std::size_t kInlineMapHeader = 5;
constexpr std::size_t kBitmapPageHeader = 4;
constexpr int kDeletedRow = 0x8000;
constexpr unsigned char kDefinitionPage = 0x02;
// Far more than the 255 columns and their indexes of the longest definition take.
constexpr int kMaxDefinitionPages = 64;
// A definition page after the first continues the definition from this byte on.
constexpr std::size_t kDefinitionPageHeader = 8;
constexpr unsigned char kCalculatedColumn = 0xc0;  // in a column's extra flags
// A long value's first four bytes: its length below, where it is in the top byte.
constexpr std::uint32_t kLongValueLength = 0x00ffffff;
constexpr unsigned kLongValueInRow = 0x80;
constexpr unsigned kLongValueOnOnePage = 0x40;
constexpr unsigned kLongValueChain = 0x00;
constexpr std::size_t kLongValueHeader = 12;

std::uint32_t Le32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::string TableName(const MdbTableDef& table) {
    return table.entry->object_name;
}

void AddMarkedPages(const unsigned char* bitmap, std::size_t bytes, std::uint64_t first,
                    std::vector<std::uint32_t>& pages) {
    for (std::size_t bit = 0; bit < bytes * 8; ++bit) {
        if (!(bitmap[bit / 8] & (1u << (bit % 8)))) continue;
        const std::uint64_t page = first + bit;
        if (page > UINT32_MAX) return;  // beyond any file; the map is garbled
        pages.push_back(static_cast<std::uint32_t>(page));
    }
}

// The map is a row of a data page, which libmdb finds without looking at the page's type: on a
// zeroed page it would find an empty map, and the table no rows.
void CheckMapPage(MdbTableDef& table) {
    MdbHandle& mdb = *table.entry->mdb;
    if (mdb_read_pg(&mdb, table.entry->table_pg) != mdb.fmt->pg_size) {
        Damaged("definition of table '" + TableName(table) + "'");
    }
    const std::uint32_t mapRow = Le32(mdb.pg_buf + mdb.fmt->tab_usage_map_offset);
    if (mdb_read_pg(&mdb, mapRow >> 8) != mdb.fmt->pg_size || mdb.pg_buf[0] != MDB_PAGE_DATA) {
        Damaged("usage map of table '" + TableName(table) + "'");
    }
}

// The definition of a table as libmdb reads it: its first page whole, then the rest of each page
// that continues it.
std::string DefinitionBytes(const MdbTableDef& table) {
    MdbHandle& mdb = *table.entry->mdb;
    const auto pageSize = static_cast<std::size_t>(mdb.fmt->pg_size);
    std::string bytes;
    std::uint32_t page = static_cast<std::uint32_t>(table.entry->table_pg);
    for (int hop = 0; page != 0 && hop < kMaxDefinitionPages; ++hop) {
        if (mdb_read_alt_pg(&mdb, page) != mdb.fmt->pg_size) {
            Damaged("definition of table '" + TableName(table) + "'");
        }
        const std::size_t from = hop == 0 ? 0 : kDefinitionPageHeader;
        bytes.append(reinterpret_cast<const char*>(mdb.alt_pg_buf) + from, pageSize - from);
        page = Le32(mdb.alt_pg_buf + 4);
    }
    return bytes;
}

// The row pointer names (row number in the low byte, page above) on a long-value page, read into
// the handle's second page buffer; empty where there is no such row.
std::span<const unsigned char> LongValueRow(MdbHandle& mdb, std::uint32_t pointer) {
    const int pageSize = mdb.fmt->pg_size;
    if (mdb_read_alt_pg(&mdb, pointer >> 8) != pageSize || mdb.alt_pg_buf[0] != MDB_PAGE_DATA) {
        return {};
    }
    const int offsets = mdb.fmt->row_count_offset;
    const int rows = mdb_get_int16(mdb.alt_pg_buf, offsets);
    const int row = static_cast<int>(pointer & 0xff);
    if (row >= rows || offsets + 2 + 2 * rows > pageSize) return {};
    const auto offset = [&](int r) {
        return mdb_get_int16(mdb.alt_pg_buf, offsets + 2 + 2 * r) & kRowOffsetMask;
    };
    const int start = offset(row), end = row == 0 ? pageSize : offset(row - 1);
    if (start < offsets + 2 + 2 * rows || start > end || end > pageSize) return {};
    return {mdb.alt_pg_buf + start, static_cast<std::size_t>(end - start)};
}

}  // namespace

void Damaged(const std::string& what) {
    throw std::runtime_error("the file is damaged (" + what + ")");
}

void CheckDefinitionPages(MdbCatalogEntry& entry) {
    MdbHandle& mdb = *entry.mdb;
    std::uint32_t page = static_cast<std::uint32_t>(entry.table_pg);
    for (int hop = 0; page != 0 && hop < kMaxDefinitionPages; ++hop) {
        if (mdb_read_pg(&mdb, page) != mdb.fmt->pg_size || mdb.pg_buf[0] != kDefinitionPage) {
            Damaged("definition of table '" + std::string(entry.object_name) + "'");
        }
        page = Le32(mdb.pg_buf + 4);
    }
    if (page != 0) Damaged("definition of table '" + std::string(entry.object_name) + "'");
}

std::vector<std::uint32_t> MappedPages(MdbTableDef& table) {
    CheckMapPage(table);
    MdbHandle& mdb = *table.entry->mdb;
    const unsigned char* map = table.usage_map;
    const std::size_t size = map ? table.map_sz : 0;
    const auto pageSize = static_cast<std::size_t>(mdb.fmt->pg_size);
    std::vector<std::uint32_t> pages;
    if (size >= kInlineMapHeader && map[0] == kInlineMap) {
        AddMarkedPages(map + kInlineMapHeader, size - kInlineMapHeader, Le32(map + 1), pages);
        return pages;
    }
    if (size < 1 || map[0] != kReferenceMap)
        Damaged("usage map of table '" + TableName(table) + "'");
    const std::size_t pagesPerBitmap = (pageSize - kBitmapPageHeader) * 8;
    for (std::size_t slot = 0; 1 + 4 * (slot + 1) <= size; ++slot) {
        const std::uint32_t bitmap = Le32(map + 1 + 4 * slot);
        if (bitmap == 0) continue;
        if (mdb_read_alt_pg(&mdb, bitmap) != mdb.fmt->pg_size ||
            mdb.alt_pg_buf[0] != MDB_PAGE_MAP) {
            Damaged("usage map of table '" + TableName(table) + "'");
        }
        AddMarkedPages(mdb.alt_pg_buf + kBitmapPageHeader, pageSize - kBitmapPageHeader,
                       std::uint64_t{slot} * pagesPerBitmap, pages);
    }
    return pages;
}

void ReadDataPage(MdbTableDef& table, std::uint32_t page) {
    MdbHandle& mdb = *table.entry->mdb;
    // A page past the end reads as zeros, which is no data page either.
    if (page == 0 || mdb_read_pg(&mdb, page) != mdb.fmt->pg_size ||
        mdb.pg_buf[0] != MDB_PAGE_DATA || Le32(mdb.pg_buf + 4) != table.entry->table_pg) {
        Damaged("page " + std::to_string(page) + " of table '" + TableName(table) + "'");
    }
    table.cur_phys_pg = page;
}

std::vector<StoredRow> LiveRowsOnPage(MdbTableDef& table, std::uint32_t page) {
    MdbHandle& mdb = *table.entry->mdb;
    const int offsets = mdb.fmt->row_count_offset;
    const int slots = mdb_get_int16(mdb.pg_buf, offsets);
    const auto where = [&](int slot) {
        return "row " + std::to_string(slot) + " on page " + std::to_string(page) + " of table '" +
               TableName(table) + "'";
    };
    if (offsets + 2 + 2 * slots > mdb.fmt->pg_size) Damaged(where(slots - 1));
    std::vector<StoredRow> rows;
    for (int slot = 0; slot < slots; ++slot) {
        if (mdb_get_int16(mdb.pg_buf, offsets + 2 + 2 * slot) & kDeletedRow) continue;
        StoredRow row{slot};
        if (mdb_find_row(&mdb, slot, &row.start, &row.size) != 0 || row.size == 0) {
            Damaged(where(slot));
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<bool> CalculatedColumns(MdbTableDef& table) {
    MdbHandle& mdb = *table.entry->mdb;
    std::vector<bool> calculated(table.num_cols);
    if (mdb.f->jet_version < MDB_VER_ACCDB_2010) return calculated;
    const MdbFormatConstants& format = *mdb.fmt;
    const std::string definition = DefinitionBytes(table);
    std::size_t at = format.tab_cols_start_offset +
                     std::size_t{table.num_real_idxs} * format.tab_ridx_entry_size;
    for (unsigned i = 0; i < table.num_cols; ++i, at += format.tab_col_entry_size) {
        if (at + format.tab_col_entry_size > definition.size()) {
            Damaged("definition of table '" + TableName(table) + "'");
        }
        const auto* entry = reinterpret_cast<const unsigned char*>(definition.data() + at);
        const int number = entry[format.col_num_offset] | entry[format.col_num_offset + 1] << 8;
        const bool flagged = (entry[format.col_flags_offset + 1] & kCalculatedColumn) != 0;
        for (unsigned c = 0; c < table.num_cols; ++c) {
            const auto* column = static_cast<const MdbColumn*>(g_ptr_array_index(table.columns, c));
            if (column->col_num == number) calculated[c] = flagged;
        }
    }
    return calculated;
}

std::string LongValueBytes(MdbHandle& mdb, std::span<const unsigned char> field,
                           const std::string& column) {
    const auto damaged = [&] { Damaged("long value in '" + column + "'"); };
    if (field.size() < kLongValueHeader) damaged();
    const std::uint32_t head = Le32(field.data());
    const std::size_t length = head & kLongValueLength;
    const unsigned where = head >> 24;
    if (where == kLongValueInRow) {
        if (field.size() - kLongValueHeader < length) damaged();
        return {reinterpret_cast<const char*>(field.data()) + kLongValueHeader, length};
    }
    if (where != kLongValueOnOnePage && where != kLongValueChain) damaged();
    std::string bytes;
    std::uint32_t pointer = Le32(field.data() + 4);
    // Each row of a chain adds at least a byte, so a chain that runs in a circle ends here too.
    while (bytes.size() < length) {
        const std::span<const unsigned char> row = LongValueRow(mdb, pointer);
        if (where == kLongValueOnOnePage) {
            bytes.append(reinterpret_cast<const char*>(row.data()), row.size());
            break;
        }
        if (row.size() <= 4) damaged();
        pointer = Le32(row.data());
        bytes.append(reinterpret_cast<const char*>(row.data()) + 4, row.size() - 4);
    }
    if (bytes.size() < length) damaged();
    bytes.resize(length);
    return bytes;
}
