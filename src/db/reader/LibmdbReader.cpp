// The libmdb side of the reader: the catalog, the table definitions and the rows of an Access
// file, turned into the table stream. libmdb reads the pages, splits rows into fields and decodes
// text; which pages and rows a table has is decided here (TablePages.h), and so are the values
// (FieldValues.h).

#include "db/reader/LibmdbReader.h"

#include <iconv.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "db/JetValues.h"
#include "db/reader/FieldValues.h"
#include "db/reader/Properties.h"
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

constexpr int kOverflowRow = 0x4000;
constexpr int kMaxOverflowHops = 4;
// System objects carry the top bit; hidden ones the 0x2 bit. Neither is a table of the user's.
constexpr std::uint32_t kSystemObject = 0x80000002;
// A catalog row's type keeps flags above its low seven bits; its id, the definition's page below
// its top byte.
constexpr std::int64_t kObjectTypeMask = 0x7f;
constexpr std::uint32_t kPageOfObjectId = 0x00ffffff;

// How each column of a table is read: as its type says, as the stored result of a calculation,
// not at all (null: the catalog's columns that nobody asks for), as its type says unless it cannot
// be (then null), or left out of the rows altogether (attachments and multi-value columns, whose
// values are kept in hidden tables).
struct ColumnRead {
    enum class How { Plain, Calculated, Skipped, Lenient, LeftOut };
    How how = How::Plain;
    int resultType = 0;  // of a calculated column
};
using How = ColumnRead::How;

struct RowBuffers {
    explicit RowBuffers(std::vector<ColumnRead> columnReads)
        : reads(std::move(columnReads)), fields(reads.size()) {
        values.resize(static_cast<std::size_t>(std::count_if(
            reads.begin(), reads.end(), [](ColumnRead read) { return read.how != How::LeftOut; })));
    }
    std::vector<ColumnRead> reads;
    std::vector<MdbField> fields;
    std::vector<DbValue> values;
};

const MdbColumn& ColumnAt(const MdbTableDef& table, unsigned i) {
    return *static_cast<const MdbColumn*>(g_ptr_array_index(table.columns, i));
}

std::vector<ColumnDef> ColumnDefs(const MdbTableDef& table, const std::vector<ColumnRead>& reads) {
    std::vector<ColumnDef> columns;
    for (unsigned i = 0; i < table.num_cols; ++i) {
        const MdbColumn& column = ColumnAt(table, i);
        const ColumnRead read = reads[i];
        if (read.how == How::LeftOut) continue;
        columns.push_back(
            {column.name,
             ColumnTypeOf(read.how == How::Calculated ? read.resultType : column.col_type)});
    }
    return columns;
}

DbValue ReadValue(MdbHandle& mdb, const MdbColumn& column, const MdbField& field, int rowColumns,
                  ColumnRead read) {
    switch (read.how) {
        case How::Skipped:
        case How::LeftOut:
            return {};
        case How::Calculated:
            return FieldValue(mdb, column, field, rowColumns, read.resultType);
        case How::Lenient:
            try {
                return FieldValue(mdb, column, field, rowColumns, std::nullopt);
            } catch (const std::runtime_error&) {
                return {};
            }
        case How::Plain:
            break;
    }
    return FieldValue(mdb, column, field, rowColumns, std::nullopt);
}

// Splits the row at start (offset flags removed) of the page in pg_buf into values.
void DecodeRow(MdbTableDef& table, int start, std::size_t size, RowBuffers& buffers) {
    MdbHandle& mdb = *table.entry->mdb;
    const int rowColumns = mdb_crack_row(&table, start, size, buffers.fields.data());
    if (rowColumns < 0) Damaged("row layout");
    std::size_t value = 0;
    for (unsigned i = 0; i < table.num_cols; ++i) {
        const MdbField& field = buffers.fields[i];
        const auto column = static_cast<unsigned>(field.colnum);
        if (column >= table.num_cols) Damaged("row layout");
        const ColumnRead read = buffers.reads[column];
        if (read.how == How::LeftOut) continue;
        buffers.values[value++] = ReadValue(mdb, ColumnAt(table, column), field, rowColumns, read);
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
void ForEachRow(MdbTableDef& table, std::vector<ColumnRead> reads, OnRow&& onRow) {
    RowBuffers buffers(std::move(reads));
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

// Calculated columns as such, their results of the type their properties give (their own where
// none is given); attachments and multi-value columns left out, each with a note.
std::vector<ColumnRead> ColumnReads(MdbTableDef& table, const std::string& properties,
                                    StreamWriter& out) {
    const std::vector<bool> calculated = CalculatedColumns(table);
    const std::map<std::string, int> resultTypes =
        std::find(calculated.begin(), calculated.end(), true) != calculated.end()
            ? ResultTypes(properties)
            : std::map<std::string, int>();
    std::vector<ColumnRead> reads;
    for (unsigned i = 0; i < table.num_cols; ++i) {
        const MdbColumn& column = ColumnAt(table, i);
        if (column.col_type == MDB_COMPLEX) {
            out.note("table '" + std::string(table.entry->object_name) + "', column '" +
                     column.name +
                     "' left out: an attachment or multi-value column, whose values Access "
                     "keeps in hidden tables that are not read");
            reads.push_back({How::LeftOut});
        } else if (calculated[i]) {
            const auto type = resultTypes.find(column.name);
            reads.push_back(
                {How::Calculated, type != resultTypes.end() ? type->second : column.col_type});
        } else {
            reads.push_back({How::Plain});
        }
    }
    return reads;
}

// A user table as the catalog lists it, with its properties as stored.
struct CatalogTable {
    MdbCatalogEntry entry;
    std::string properties;
};

void ReadTable(CatalogTable& listed, StreamWriter& out) {
    MdbCatalogEntry& entry = listed.entry;
    const std::string name = entry.object_name;
    CheckDefinitionPages(entry);
    TableDefPtr table(mdb_read_table(&entry));
    if (!table) Damaged("definition of table '" + name + "'");
    if (!ColumnsRead(*table)) Damaged("columns of table '" + name + "'");
    std::vector<ColumnRead> reads = ColumnReads(*table, listed.properties, out);
    const std::vector<ColumnDef> columns = ColumnDefs(*table, reads);
    if (columns.empty()) {
        out.note("table '" + name + "' left out: none of its columns can be read");
        return;
    }
    out.beginTable(name, columns);
    ForEachRow(*table, std::move(reads), [&](const std::vector<DbValue>& row) { out.addRow(row); });
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
    std::snprintf(entry.object_name, sizeof entry.object_name, "%s", name.c_str());
    return entry;
}

// The tables among the catalog's live rows. The catalog is a table too, its definition on page 2;
// libmdb's own reading of it fetches with the row flags swapped, listing deleted tables (whose
// pages may hold something else by now) and leaving out moved rows.
std::vector<CatalogTable> CatalogTables(MdbHandle& mdb) {
    MdbCatalogEntry catalog = TableEntry(mdb, "MSysObjects", 2, kSystemObject);
    CheckDefinitionPages(catalog);
    TableDefPtr table(mdb_read_table(&catalog));
    if (!table || !ColumnsRead(*table)) Damaged("catalog");
    const int id = ColumnIndex(*table, "Id"), name = ColumnIndex(*table, "Name"),
              type = ColumnIndex(*table, "Type"), flags = ColumnIndex(*table, "Flags");
    // Only these are read. The properties matter only to calculated columns (Access 2010 and
    // later), and a table whose properties cannot be read still has its rows.
    std::vector<ColumnRead> reads(table->num_cols, {How::Skipped});
    for (const int wanted : {id, name, type, flags}) {
        reads[static_cast<std::size_t>(wanted)] = {How::Plain};
    }
    const bool calculations = mdb.f->jet_version >= MDB_VER_ACCDB_2010;
    const int properties = calculations ? ColumnIndex(*table, "LvProp") : -1;
    if (calculations) reads[static_cast<std::size_t>(properties)] = {How::Lenient};
    std::vector<CatalogTable> tables;
    ForEachRow(*table, std::move(reads), [&](const std::vector<DbValue>& row) {
        const auto value = [&](int column) {
            const DbValue& v = row[static_cast<std::size_t>(column)];
            return v.kind() == DbValue::Kind::Integer ? v.toInt64() : 0;
        };
        if ((value(type) & kObjectTypeMask) != MDB_TABLE) return;
        tables.push_back({TableEntry(mdb, row[static_cast<std::size_t>(name)].toString(),
                                     static_cast<std::uint32_t>(value(id)) & kPageOfObjectId,
                                     static_cast<std::uint32_t>(value(flags))),
                          calculations
                              ? std::string(row[static_cast<std::size_t>(properties)].chars())
                              : std::string()});
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
    const std::string_view prefix = "msys";
    const std::string_view name = std::string_view(entry.object_name).substr(0, prefix.size());
    return !std::equal(name.begin(), name.end(), prefix.begin(), prefix.end(), [](char a, char b) {
        return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
    });
}

// Table names compare as Access compares them, without regard to case.
#ifdef _WIN32
std::wstring Wide(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), size);
    wide.resize(static_cast<std::size_t>(std::max(n, 0)));
    return wide;
}

bool IsWanted(const char* name, const std::vector<std::string>& tables) {
    if (tables.empty()) return true;
    const std::wstring wide = Wide(name);
    return std::any_of(tables.begin(), tables.end(), [&](const std::string& table) {
        const std::wstring wanted = Wide(table);
        return ::CompareStringOrdinal(wide.data(), static_cast<int>(wide.size()), wanted.data(),
                                      static_cast<int>(wanted.size()), TRUE) == CSTR_EQUAL;
    });
}
#else
bool IsWanted(const char* name, const std::vector<std::string>& tables) {
    if (tables.empty()) return true;
    const GText folded(g_utf8_casefold(name, -1));
    return std::any_of(tables.begin(), tables.end(), [&](const std::string& table) {
        const GText wanted(g_utf8_casefold(table.c_str(), -1));
        return folded && wanted && std::string_view(folded.get()) == wanted.get();
    });
}
#endif

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
#ifdef _WIN32
        ::_putenv_s(name, "");  // an empty value removes the variable
#else
        ::unsetenv(name);
#endif
    }
    const MdbPtr mdb(mdb_open(path.c_str(), MDB_NOFLAGS));
    if (!mdb) throw std::runtime_error("libmdb does not recognise it as an Access database");
    RefuseEncrypted(*mdb);
    DecodeTextAsUtf16(*mdb);
    for (CatalogTable& listed : CatalogTables(*mdb)) {
        if (IsUserTable(listed.entry) && IsWanted(listed.entry.object_name, tables)) {
            ReadTable(listed, out);
        }
    }
}
