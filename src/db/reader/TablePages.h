#pragma once

// Where a table's rows are: the data pages its usage map names. libmdb passes over a page it
// cannot read or that is not the table's, so that a damaged table would look merely short; here
// such a page is an error.

// Before mdbtools.h, which would pull glib's C++ templates into an extern "C" block. On Windows
// libmdb is built without GLib and carries a small stand-in of its own.
#ifndef _WIN32
#include <glib.h>
#endif
#include <mdbtools.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// Text that libmdb or glib allocated, freed with its owner.
struct GFreer {
    void operator()(char* text) const { g_free(text); }
};
using GText = std::unique_ptr<char, GFreer>;

// Row offsets on a data page carry two flags above the offset itself.
inline constexpr int kRowOffsetMask = 0x1fff;

// Throws std::runtime_error saying the file is damaged, and what in it.
[[noreturn]] void Damaged(const std::string& what);

// Checks that the definition of the table entry names, which runs on from page to page, is whole:
// libmdb reads the column definitions off whatever page the chain leads to.
void CheckDefinitionPages(MdbCatalogEntry& entry);

// The pages the usage map of table names, in the file's order. Throws (Damaged) when the map
// itself cannot be read.
std::vector<std::uint32_t> MappedPages(MdbTableDef& table);

// Which of table's columns (in the order of table.columns) are calculated ones (Access 2010 and
// later), as the column definitions' extra flags say. libmdb does not keep those flags.
std::vector<bool> CalculatedColumns(MdbTableDef& table);

// The bytes of a long value (memo or OLE object) of column, field holding its 12 bytes in the row:
// the value as stored, never decoded. Throws (Damaged) where its pages do not hold it.
std::string LongValueBytes(MdbHandle& mdb, std::span<const unsigned char> field,
                           const std::string& column);

// Reads page into the handle's page buffer and checks that it is one of table's data pages.
void ReadDataPage(MdbTableDef& table, std::uint32_t page);

// The rows of the data page in the page buffer: slot, start and size of each live one (moved
// rows' pointers included), deleted ones left out. A slot that points outside the page is an
// error, not a row fewer.
struct StoredRow {
    int slot = 0;
    int start = 0;  // with the row flags
    std::size_t size = 0;
};
std::vector<StoredRow> LiveRowsOnPage(MdbTableDef& table, std::uint32_t page);
