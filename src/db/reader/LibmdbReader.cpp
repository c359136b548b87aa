// The libmdb side of the reader: the catalog, the table definitions and the rows of an Access
// file, turned into the table stream. libmdb reads the pages, splits rows into fields and decodes
// text; which pages and rows a table has is decided here (TablePages.h), and so are the values
// (FieldValues.h).

#include "db/reader/LibmdbReader.h"

#include <iconv.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "db/JetValues.h"
#include "db/reader/FieldValues.h"
#include "db/reader/TablePages.h"

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

// Row offsets on a data page carry two flags above the offset itself.
constexpr int kRowOffsetMask = 0x1fff;
constexpr int kOverflowRow = 0x4000;
constexpr int kMaxOverflowHops = 4;
// System objects carry the top bit; hidden ones the 0x2 bit. Neither is a table of the user's.
constexpr std::uint32_t kSystemObject = 0x80000002;
// A catalog row's type keeps flags above its low seven bits; its id, the definition's page below
// its top byte.
constexpr std::int64_t kObjectTypeMask = 0x7f;
constexpr std::uint32_t kPageOfObjectId = 0x00ffffff;

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
// the two row flags: it returns deleted rows and drops moved ones. A table's definition also
// counts its rows, but Access does not always keep that count up to date: what is on the pages
// is what the table holds.
template <typename OnRow>
void ForEachStoredRow(MdbTableDef& table, OnRow&& onRow) {
    for (const std::uint32_t page : MappedPages(table)) {
        ReadDataPage(table, page);
        for (const StoredRow& row : LiveRowsOnPage(table, page)) onRow(row.start, row.size);
    }
}

// Calls onRow(values) for every live row of a table (its columns read), in stored order.
template <typename OnRow>
void ForEachRow(MdbTableDef& table, OnRow&& onRow) {
    RowBuffers buffers{std::vector<MdbField>(table.num_cols), std::vector<DbValue>(table.num_cols)};
    ForEachStoredRow(table, [&](int start, std::size_t size) {
        if (start & kOverflowRow) {
            DecodeMovedRow(table, start & kRowOffsetMask, size, buffers);
        } else {
            DecodeRow(table, start & kRowOffsetMask, size, buffers);
        }
        onRow(std::as_const(buffers.values));
    });
}

bool ColumnsRead(MdbTableDef& table) {
    return table.num_cols != 0 && table.num_cols <= kMaxColumns && mdb_read_columns(&table) &&
           table.columns->len == table.num_cols;
}

void ReadTable(MdbCatalogEntry& entry, StreamWriter& out) {
    const std::string name = entry.object_name;
    CheckDefinitionPages(entry);
    TableDefPtr table(mdb_read_table(&entry));
    if (!table) Damaged("definition of table '" + name + "'");
    if (!ColumnsRead(*table)) Damaged("columns of table '" + name + "'");
    out.beginTable(name, ColumnDefs(*table));
    ForEachRow(*table, [&](const std::vector<DbValue>& row) { out.addRow(row); });
    out.endTable();
}

int ColumnIndex(const MdbTableDef& table, const char* name) {
    for (unsigned i = 0; i < table.num_cols; ++i) {
        if (g_ascii_strcasecmp(ColumnAt(table, i).name, name) == 0) return static_cast<int>(i);
    }
    Damaged("catalog");
}

MdbCatalogEntry TableEntry(MdbHandle& mdb, const std::string& name, std::uint32_t definitionPage,
                           std::uint32_t flags) {
    MdbCatalogEntry entry{};
    entry.mdb = &mdb;
    entry.object_type = MDB_TABLE;
    entry.table_pg = definitionPage;
    entry.flags = static_cast<int>(flags);
    g_strlcpy(entry.object_name, name.c_str(), sizeof entry.object_name);
    return entry;
}

// The tables among the catalog's live rows. The catalog is a table too, its definition on page 2;
// libmdb's own reading of it fetches with the row flags swapped, listing deleted tables (whose
// pages may hold something else by now) and leaving out moved rows.
std::vector<MdbCatalogEntry> CatalogTables(MdbHandle& mdb) {
    MdbCatalogEntry catalog = TableEntry(mdb, "MSysObjects", 2, kSystemObject);
    CheckDefinitionPages(catalog);
    TableDefPtr table(mdb_read_table(&catalog));
    if (!table || !ColumnsRead(*table)) Damaged("catalog");
    const int id = ColumnIndex(*table, "Id"), name = ColumnIndex(*table, "Name"),
              type = ColumnIndex(*table, "Type"), flags = ColumnIndex(*table, "Flags");
    std::vector<MdbCatalogEntry> tables;
    ForEachRow(*table, [&](const std::vector<DbValue>& row) {
        const auto value = [&](int column) {
            const DbValue& v = row[static_cast<std::size_t>(column)];
            return v.kind() == DbValue::Kind::Integer ? v.toInt64() : 0;
        };
        if ((value(type) & kObjectTypeMask) != MDB_TABLE) return;
        tables.push_back(TableEntry(mdb, row[static_cast<std::size_t>(name)].toString(),
                                    static_cast<std::uint32_t>(value(id)) & kPageOfObjectId,
                                    static_cast<std::uint32_t>(value(flags))));
    });
    return tables;
}

// Access 2007 and later encrypt the whole file with a key made from its password; libmdb knows
// only the older scrambling of .mdb files, which needs no password. A key in the header of a
// newer file means the encryption libmdb cannot undo.
void RefuseEncrypted(const MdbHandle& mdb) {
    if (mdb.f->jet_version < MDB_VER_ACCDB_2007 || mdb.f->db_key == 0) return;
    throw std::runtime_error(
        "the file is encrypted or has a password: open it in Access, remove the password (or "
        "save a copy without it), and open that copy");
}

bool IsUserTable(const MdbCatalogEntry& entry) {
    if (entry.object_type != MDB_TABLE) return false;
    if (static_cast<std::uint32_t>(entry.flags) & kSystemObject) return false;
    return g_ascii_strncasecmp(entry.object_name, "MSys", 4) != 0;
}

// Table names compare as Access compares them, without regard to case.
bool IsWanted(const char* name, const std::vector<std::string>& tables) {
    if (tables.empty()) return true;
    const GText folded(g_utf8_casefold(name, -1));
    return std::any_of(tables.begin(), tables.end(), [&](const std::string& table) {
        const GText wanted(g_utf8_casefold(table.c_str(), -1));
        return folded && wanted && std::string_view(folded.get()) == wanted.get();
    });
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

void ReadWithLibmdb(const std::string& path, const std::vector<std::string>& tables,
                    access_detail::StreamWriter& out) {
    // Settings of libmdb's own tools: other target encodings, debug output, a search path.
    for (const char* name : {"MDBICONV", "MDB_JET3_CHARSET", "MDBOPTS", "MDBPATH"}) {
        ::unsetenv(name);
    }
    const MdbPtr mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    if (!mdb) throw std::runtime_error("libmdb does not recognise it as an Access database");
    RefuseEncrypted(*mdb);
    DecodeTextAsUtf16(*mdb);
    for (MdbCatalogEntry& entry : CatalogTables(*mdb)) {
        if (IsUserTable(entry) && IsWanted(entry.object_name, tables)) ReadTable(entry, out);
    }
}
