// The libmdb side of the reader: the catalog, the table definitions and the rows of an Access
// file, turned into the table stream. libmdb finds the pages and rows and decodes text; values
// of fixed size are decoded here from their bytes.

#include "db/reader/LibmdbReader.h"

// Before mdbtools.h, which would pull glib's C++ templates into an extern "C" block.
#include <glib.h>
#include <iconv.h>
#include <mdbtools.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <stdexcept>

#include "db/JetValues.h"

namespace {

using namespace access_detail;

struct MdbCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
using MdbPtr = std::unique_ptr<MdbHandle, MdbCloser>;

struct TableDefFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using TableDefPtr = std::unique_ptr<MdbTableDef, TableDefFreer>;

struct GFreer {
    void operator()(char* text) const { g_free(text); }
};
using GText = std::unique_ptr<char, GFreer>;

constexpr int kJetBigInt = 0x13;  // "Large Number" of newer ACE files, unknown to libmdb 1.0.0
// Row offsets on a data page carry two flags above the offset itself.
constexpr int kRowOffsetMask = 0x1fff;
constexpr int kDeletedRow = 0x8000;
constexpr int kOverflowRow = 0x4000;
constexpr int kMaxOverflowHops = 4;
// System objects carry the top bit; hidden ones the 0x2 bit. Neither is a table of the user's.
constexpr std::uint32_t kSystemObject = 0x80000002;
constexpr std::size_t kDefaultBindSize = MDB_BIND_SIZE;

[[noreturn]] void Damaged(const std::string& what) {
    throw std::runtime_error("the file is damaged (" + what + ")");
}

ColumnType ColumnTypeOf(int jetType) {
    switch (jetType) {
        case MDB_TEXT:
            return ColumnType::Text;
        case MDB_BYTE:
            return ColumnType::Byte;
        case MDB_INT:
            return ColumnType::Integer16;
        case MDB_LONGINT:
        case MDB_COMPLEX:
        case kJetBigInt:
            return ColumnType::Integer32;
        case MDB_BOOL:
            return ColumnType::YesNo;
        case MDB_FLOAT:
        case MDB_DOUBLE:
        case MDB_NUMERIC:
            return ColumnType::Real;
        case MDB_MONEY:
            return ColumnType::Currency;
        case MDB_DATETIME:
            return ColumnType::DateTime;
        default:  // memo, and as text what has no column type of its own (GUID, binary, OLE)
            return ColumnType::Memo;
    }
}

// Bytes a fixed-size value needs; 0 for variable-size ones.
std::size_t FixedSize(int jetType) {
    switch (jetType) {
        case MDB_BYTE:
            return 1;
        case MDB_INT:
            return 2;
        case MDB_LONGINT:
        case MDB_COMPLEX:
        case MDB_FLOAT:
            return 4;
        case MDB_DOUBLE:
        case MDB_DATETIME:
        case MDB_MONEY:
        case kJetBigInt:
            return 8;
        case MDB_REPID:
            return 16;
        case MDB_NUMERIC:
            return 17;
        default:
            return 0;
    }
}

std::uint64_t Le(std::span<const unsigned char> bytes, std::size_t size) {
    std::uint64_t v = 0;
    for (std::size_t i = size; i-- > 0;) v = (v << 8) | bytes[i];
    return v;
}

// A float widened as the decimal it was typed as (0.1, not 0.100000001490116).
double FloatValue(std::uint32_t bits) {
    const float f = std::bit_cast<float>(bits);
    if (!std::isfinite(f)) return f;
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, f).ptr;
    double v = 0;
    std::from_chars(text, end, v);
    return v;
}

std::string GuidText(std::span<const unsigned char> b) {
    char text[40];
    std::snprintf(text, sizeof text,
                  "{%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X}", b[3],
                  b[2], b[1], b[0], b[5], b[4], b[7], b[6], b[8], b[9], b[10], b[11], b[12], b[13],
                  b[14], b[15]);
    return text;
}

std::string HexText(std::span<const unsigned char> bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const unsigned char b : bytes) {
        text.push_back(kHex[b >> 4]);
        text.push_back(kHex[b & 15]);
    }
    return text;
}

// Text through libmdb, which writes at most its bind size: room enough for the UTF-8 of
// sourceBytes, whatever the encoding (three bytes per source byte at worst).
std::string LibmdbText(MdbHandle& mdb, int jetType, int start, int size, std::size_t sourceBytes) {
    mdb_set_bind_size(&mdb, std::max(kDefaultBindSize, 3 * sourceBytes + 16));
    const GText text(mdb_col_to_string(&mdb, mdb.pg_buf, start, jetType, size));
    return text ? std::string(text.get()) : std::string();
}

// A memo's length comes from its 12-byte header: inline, on one other page, or a chain of pages.
std::size_t MemoSourceBytes(const MdbHandle& mdb, std::span<const unsigned char> bytes) {
    const auto header = static_cast<std::uint32_t>(Le(bytes, 4));
    if (header & 0x80000000u) return bytes.size() - MDB_MEMO_OVERHEAD;
    if (header & 0x40000000u) return static_cast<std::size_t>(mdb.fmt->pg_size);
    return header & 0x00ffffffu;
}

DbValue NonNullValue(MdbHandle& mdb, const MdbColumn& column, const MdbField& field) {
    const std::span<const unsigned char> bytes(mdb.pg_buf + field.start,
                                               static_cast<std::size_t>(field.siz));
    const int type = column.col_type;
    if (bytes.size() < FixedSize(type)) {
        Damaged("short value in '" + std::string(column.name) + "'");
    }
    switch (type) {
        case MDB_BYTE:
            return DbValue::integer(bytes[0]);
        case MDB_INT:
            return DbValue::integer(static_cast<std::int16_t>(Le(bytes, 2)));
        case MDB_LONGINT:
        case MDB_COMPLEX:
            return DbValue::integer(static_cast<std::int32_t>(Le(bytes, 4)));
        case kJetBigInt:
            return DbValue::integer(static_cast<std::int64_t>(Le(bytes, 8)));
        case MDB_FLOAT:
            return DbValue::real(FloatValue(static_cast<std::uint32_t>(Le(bytes, 4))));
        case MDB_DOUBLE:
            return DbValue::real(std::bit_cast<double>(Le(bytes, 8)));
        case MDB_DATETIME:
            return JetDateValue(std::bit_cast<double>(Le(bytes, 8)));
        case MDB_MONEY:
            return DbValue::real(JetCurrency(bytes.first<8>()));
        case MDB_NUMERIC:
            return DbValue::real(JetDecimal(bytes.first<17>(), column.col_scale));
        case MDB_REPID:
            return DbValue::text(GuidText(bytes));
        case MDB_BINARY:
            return DbValue::text(HexText(bytes));
        case MDB_TEXT:
            return DbValue::text(LibmdbText(mdb, type, field.start, field.siz, bytes.size()));
        case MDB_MEMO:
            if (bytes.size() < MDB_MEMO_OVERHEAD) return DbValue::text({});
            return DbValue::text(
                LibmdbText(mdb, type, field.start, field.siz, MemoSourceBytes(mdb, bytes)));
        default:  // OLE objects and types libmdb does not know hold nothing readable as text
            return {};
    }
}

DbValue FieldValue(MdbHandle& mdb, const MdbColumn& column, const MdbField& field, int rowColumns) {
    // A column added after the row was written is absent from it: null, and a yes/no is false.
    const bool present = !field.is_null && column.col_num < rowColumns;
    if (column.col_type == MDB_BOOL) return DbValue::integer(present ? -1 : 0);
    if (!present) return {};
    if (field.siz < 0 || field.start < 0 || field.start + field.siz > mdb.fmt->pg_size) {
        Damaged("value outside its page");
    }
    return NonNullValue(mdb, column, field);
}

struct RowBuffers {
    std::vector<MdbField> fields;
    std::vector<DbValue> values;
};

const MdbColumn& ColumnAt(const MdbTableDef& table, unsigned i) {
    return *static_cast<const MdbColumn*>(g_ptr_array_index(table.columns, i));
}

std::vector<ColumnDef> ColumnDefs(const MdbTableDef& table) {
    std::vector<ColumnDef> columns;
    for (unsigned i = 0; i < table.num_cols; ++i) {
        const MdbColumn& column = ColumnAt(table, i);
        columns.push_back({column.name, ColumnTypeOf(column.col_type)});
    }
    return columns;
}

// Splits the row at start (offset flags removed) of the page in pg_buf into values.
void DecodeRow(MdbTableDef& table, int start, std::size_t size, RowBuffers& buffers) {
    MdbHandle& mdb = *table.entry->mdb;
    const int rowColumns = mdb_crack_row(&table, start, size, buffers.fields.data());
    if (rowColumns < 0) Damaged("row layout");
    for (unsigned i = 0; i < table.num_cols; ++i) {
        const MdbField& field = buffers.fields[i];
        buffers.values[i] = FieldValue(mdb, ColumnAt(table, static_cast<unsigned>(field.colnum)),
                                       field, rowColumns);
    }
}

// An updated row that outgrew its page lives on another one; its old place holds a pointer
// there (row number in the low byte, page above). The page being scanned is read back after.
void DecodeMovedRow(MdbTableDef& table, int start, std::size_t size, RowBuffers& buffers) {
    MdbHandle& mdb = *table.entry->mdb;
    for (int hop = 0; hop < kMaxOverflowHops; ++hop) {
        if (size < 4) Damaged("row pointer");
        const auto pointer = static_cast<std::uint32_t>(mdb_get_int32(mdb.pg_buf, start));
        if (mdb_read_pg(&mdb, pointer >> 8) != mdb.fmt->pg_size || mdb.pg_buf[0] != MDB_PAGE_DATA ||
            static_cast<unsigned long>(mdb_get_int32(mdb.pg_buf, 4)) != table.entry->table_pg ||
            mdb_find_row(&mdb, static_cast<int>(pointer & 0xff), &start, &size) != 0) {
            Damaged("moved row");
        }
        if (!(start & kOverflowRow)) {
            DecodeRow(table, start & kRowOffsetMask, size, buffers);
            mdb_read_pg(&mdb, table.cur_phys_pg);
            return;
        }
        start &= kRowOffsetMask;
    }
    Damaged("chain of moved rows");
}

// Calls onRow(start, size) for every live row of a table in stored order: data page by data
// page, slot by slot, with the page in pg_buf. libmdb 1.0.0's own fetching swaps the meaning of
// the two row flags: it returns deleted rows and drops moved ones. Returns the rows found.
template <typename OnRow>
std::size_t ForEachStoredRow(MdbTableDef& table, OnRow&& onRow) {
    MdbHandle& mdb = *table.entry->mdb;
    std::size_t rows = 0;
    mdb_rewind_table(&table);
    while (mdb_read_next_dpg(&table)) {
        const int slots = mdb_get_int16(mdb.pg_buf, mdb.fmt->row_count_offset);
        for (int slot = 0; slot < slots; ++slot) {
            int start = 0;
            std::size_t size = 0;
            // An unusable slot is no row, as libmdb sees it too.
            if (mdb_find_row(&mdb, slot, &start, &size) != 0 || size == 0) continue;
            if (start & kDeletedRow) continue;  // also the moved copy, read through its pointer
            onRow(start, size);
            ++rows;
        }
    }
    return rows;
}

// libmdb passes over the pages it cannot read (past the end of a cut file) or that belong to
// no table (zeroed, overwritten), so a damaged table looks merely short. Its definition says
// how many rows it holds.
void CheckRowCount(const MdbTableDef& table, std::size_t found, const std::string& name) {
    if (found >= table.num_rows) return;
    Damaged("only " + std::to_string(found) + " of the " + std::to_string(table.num_rows) +
            " rows of table '" + name + "' can be read");
}

void ReadRows(MdbTableDef& table, StreamWriter& out) {
    RowBuffers buffers{std::vector<MdbField>(table.num_cols), std::vector<DbValue>(table.num_cols)};
    const std::size_t found = ForEachStoredRow(table, [&](int start, std::size_t size) {
        if (start & kOverflowRow) {
            DecodeMovedRow(table, start & kRowOffsetMask, size, buffers);
        } else {
            DecodeRow(table, start & kRowOffsetMask, size, buffers);
        }
        out.addRow(buffers.values);
    });
    CheckRowCount(table, found, table.entry->object_name);
}

void ReadTable(MdbCatalogEntry& entry, StreamWriter& out) {
    const std::string name = entry.object_name;
    TableDefPtr table(mdb_read_table(&entry));
    if (!table) Damaged("definition of table '" + name + "'");
    if (table->num_cols == 0 || table->num_cols > kMaxColumns || !mdb_read_columns(table.get()) ||
        table->columns->len != table->num_cols) {
        Damaged("columns of table '" + name + "'");
    }
    out.beginTable(name, ColumnDefs(*table));
    ReadRows(*table, out);
    out.endTable();
}

// The catalog is a table too (its definition on page 2): a catalog short of rows would leave
// whole tables out without a word.
void CheckCatalogComplete(MdbHandle& mdb) {
    MdbCatalogEntry catalog{};
    catalog.mdb = &mdb;
    catalog.object_type = MDB_TABLE;
    catalog.table_pg = 2;
    TableDefPtr table(mdb_read_table(&catalog));
    if (!table) Damaged("catalog");
    CheckRowCount(*table, ForEachStoredRow(*table, [](int, std::size_t) {}), "MSysObjects");
}

bool IsUserTable(const MdbCatalogEntry& entry) {
    if (entry.object_type != MDB_TABLE) return false;
    if (static_cast<std::uint32_t>(entry.flags) & kSystemObject) return false;
    return g_ascii_strncasecmp(entry.object_name, "MSys", 4) != 0;
}

// libmdb decodes Jet 4 text as UCS-2, which turns every character beyond the Basic Multilingual
// Plane into question marks; Jet 4 text is UTF-16.
void DecodeTextAsUtf16(MdbHandle& mdb) {
    if (mdb.f->jet_version == MDB_VER_JET3) return;
    const iconv_t utf16 = iconv_open("UTF-8", "UTF-16LE");
    const auto failed = reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1));
    if (utf16 == failed) return;
    if (mdb.iconv_in != failed) iconv_close(mdb.iconv_in);
    mdb.iconv_in = utf16;
}

}  // namespace

void ReadWithLibmdb(const std::string& path, access_detail::StreamWriter& out) {
    // Settings of libmdb's own tools: other target encodings, debug output, a search path.
    for (const char* name : {"MDBICONV", "MDB_JET3_CHARSET", "MDBOPTS", "MDBPATH"}) {
        ::unsetenv(name);
    }
    const MdbPtr mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    if (!mdb) throw std::runtime_error("libmdb does not recognise it as an Access database");
    DecodeTextAsUtf16(*mdb);
    CheckCatalogComplete(*mdb);
    if (!mdb_read_catalog(mdb.get(), MDB_TABLE)) Damaged("catalog");
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (IsUserTable(*entry)) ReadTable(*entry, out);
    }
}
