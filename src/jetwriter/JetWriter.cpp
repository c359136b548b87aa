// Writing a Jet 4 file. Rows go to data pages as they arrive (long memos to long-value pages);
// what points at them — the catalog, usage maps and table definitions — is written by finish(),
// when every table is known. Page 0 is the database definition, page 1 the first page of usage
// maps and page 2 the catalog's definition, where readers look for them.

#include "jetwriter/JetWriter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>

#include "db/PartialFile.h"
#include "jetwriter/JetWriterDetail.h"

using namespace jet_detail;

namespace {

constexpr std::uint32_t kHeaderPage = 0;
constexpr std::uint32_t kFirstMapPage = 1;
constexpr std::uint32_t kCatalogPage = 2;
constexpr std::int64_t kTableObject = 1;
constexpr auto kSystemObject = static_cast<std::int32_t>(0x80000002u);
constexpr std::string_view kCatalogName = "MSysObjects";

struct WrittenTable {
    std::string name;
    TableLayout layout;
    std::uint32_t definitionPage = 0;
    std::vector<std::uint32_t> dataPages;
    std::uint32_t rowCount = 0;
    bool system = false;
};

// The catalog's own columns: the ones readers look up by name.
std::vector<JetColumnDef> CatalogColumns() {
    return {{"Id", kJetLong},
            {"Name", kJetText},
            {"Type", kJetInt},
            {"Flags", kJetLong},
            {"LvProp", kJetOle}};
}

std::string UnwritableTypeName(ColumnType type) {
    switch (type) {
        case ColumnType::BigInteger:
            return "Large Number";
        case ColumnType::Decimal:
            return "Decimal";
        case ColumnType::ExtendedDate:
            return "Date/Time Extended";
        case ColumnType::Guid:
            return "replication ID";
        case ColumnType::Binary:
            return "binary";
        default:
            return "OLE object";
    }
}

std::vector<JetColumnDef> JetColumnDefs(const std::vector<ColumnDef>& columns) {
    std::vector<JetColumnDef> defs;
    for (const ColumnDef& column : columns) {
        defs.push_back({column.name, JetTypeOf(column.type)});
        if (defs.back().type == kJetNone) {
            throw DbError("column '" + column.name + "' holds " + UnwritableTypeName(column.type) +
                          " values, which this Jet 4 writer cannot write");
        }
    }
    return defs;
}

// Readers take a name starting "MSys" for a system table and leave it out.
void CheckTableName(const std::string& name) {
    CheckObjectName(name, "table");
    std::string prefix = name.substr(0, 4);
    std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (prefix == "msys") throw DbError("table name '" + name + "' is kept for system tables");
}

class NoLongValues final : public LongValueSink {
  public:
    LongValueHeader storeLongValue(std::span<const unsigned char>) override {
        throw DbError("a catalog row does not fit a page");
    }
};

// The table being written.
struct OpenTable {
    OpenTable(PageFile& file, WrittenTable written)
        : table(std::move(written)), rows(file, table.definitionPage), longValues(file) {}

    WrittenTable table;
    RowPageWriter rows;
    LongValueWriter longValues;
};

}  // namespace

struct JetFileWriter::State {
    explicit State(const std::string& path) : target(path), file(target.partialPath()) {}

    // First, so the pages are closed before an unfinished file is removed.
    PartialFile target;
    PageFile file;
    std::vector<WrittenTable> tables;
    std::optional<OpenTable> open;

    void writeCatalog(WrittenTable& catalog);
    void writeDefinitions(const WrittenTable& catalog);
};

JetFileWriter::JetFileWriter(const std::string& path) {
    state_ = std::make_unique<State>(path);
    // Pages 0 to 2 (kHeaderPage, kFirstMapPage, kCatalogPage), written by finish().
    for (int page = 0; page < 3; ++page) state_->file.allocate();
}

JetFileWriter::~JetFileWriter() = default;

void JetFileWriter::beginTable(const std::string& name, const std::vector<ColumnDef>& columns) {
    if (state_->open) throw DbError("Table '" + name + "' begins inside another table");
    CheckTableName(name);
    WrittenTable table{name, {}, 0, {}, 0, false};
    try {
        table.layout = LayOutColumns(JetColumnDefs(columns));
    } catch (const DbError& e) {
        throw DbError("Table '" + name + "': " + e.what());
    }
    // Numbered before its rows, so a table's definition comes before its data in the file.
    table.definitionPage = state_->file.allocate();
    state_->open.emplace(state_->file, std::move(table));
}

void JetFileWriter::addRow(const std::vector<DbValue>& row) {
    if (!state_->open) throw DbError("A row outside any table");
    OpenTable& open = *state_->open;
    try {
        open.rows.append(EncodeRow(open.table.layout, row, open.longValues));
    } catch (const DbError& e) {
        throw DbError("Table '" + open.table.name + "', row " +
                      std::to_string(open.table.rowCount + 1) + ": " + e.what());
    }
    ++open.table.rowCount;
}

void JetFileWriter::endTable() {
    if (!state_->open) throw DbError("A table ends that never began");
    OpenTable& open = *state_->open;
    open.rows.flush();
    open.longValues.flush();
    open.table.dataPages = open.rows.pages();
    state_->tables.push_back(std::move(open.table));
    state_->open.reset();
}

void JetFileWriter::finish() {
    if (state_->open) throw DbError("The file cannot be finished inside a table");
    WrittenTable catalog{
        std::string(kCatalogName), LayOutColumns(CatalogColumns()), kCatalogPage, {}, 0, true};
    state_->writeCatalog(catalog);
    state_->writeDefinitions(catalog);
    state_->file.write(kHeaderPage, HeaderPage());
    state_->file.close();
    state_->target.commit();
}

// One catalog row per table, the catalog's own first, in the order the tables were written:
// readers list the tables in that order.
void JetFileWriter::State::writeCatalog(WrittenTable& catalog) {
    RowPageWriter rows(file, catalog.definitionPage);
    NoLongValues none;
    const auto add = [&](const WrittenTable& table) {
        const std::vector<DbValue> entry{DbValue::integer(table.definitionPage),
                                         DbValue::text(table.name), DbValue::integer(kTableObject),
                                         DbValue::integer(table.system ? kSystemObject : 0),
                                         DbValue()};
        rows.append(EncodeRow(catalog.layout, entry, none));
        ++catalog.rowCount;
    };
    add(catalog);
    for (const WrittenTable& table : tables) add(table);
    rows.flush();
    catalog.dataPages = rows.pages();
}

// Free-space maps stay empty: a program adding rows later starts new pages, which is always safe.
void JetFileWriter::State::writeDefinitions(const WrittenTable& catalog) {
    RowPageWriter maps(file, 0, kFirstMapPage);
    const auto define = [&](const WrittenTable& table) {
        TableDefinition definition{&table.layout, table.system, table.rowCount};
        definition.usageMap = maps.append(UsageMap(table.dataPages, file));
        definition.freeSpaceMap = maps.append(UsageMap({}, file));
        WriteTableDefinition(file, table.definitionPage, definition);
    };
    define(catalog);
    for (const WrittenTable& table : tables) define(table);
    maps.flush();
}
