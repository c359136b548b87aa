#include "duzedo/Conversion.h"

#include <stdexcept>
#include <vector>

#include "core/AppServices.h"
#include "db/Connection.h"
#include "db/MemoryLoader.h"
#include "db/SqliteUtil.h"

namespace {

// A failure of the file being written, not of the one being read.
class WriteError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Runs write, telling its failures apart from the reader's.
template <typename Write>
void Writing(Write&& write) {
    try {
        write();
    } catch (const DbError& e) {
        throw WriteError(e.what());
    }
}

class KeptTables : public TableSink {
  public:
    KeptTables(TableSink& out, std::ostream& notes) : out_(out), notes_(notes) {}

    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) override {
        duzedo_ = IsDuzedoTable(name);
        anyDuzedo_ = anyDuzedo_ || duzedo_;
        stored_.clear();
        std::vector<ColumnDef> kept = columns;
        for (ColumnDef& column : kept) {
            stored_.push_back(column.type);
            if (duzedo_) column.type = ProgramColumnType(column.type);
        }
        Writing([&] { out_.beginTable(name, kept); });
    }

    void addRow(const std::vector<DbValue>& row) override {
        row_ = row;
        for (std::size_t i = 0; i < row_.size() && i < stored_.size(); ++i) {
            DbValue& value = row_[i];
            if (duzedo_) {
                ToProgramValue(stored_[i], value);
            } else if (stored_[i] == ColumnType::YesNo && !value.isNull()) {
                value = DbValue::integer(value.toInt64() != 0 ? 1 : 0);
            }
        }
        Writing([&] { out_.addRow(row_); });
    }

    void endTable() override {
        Writing([&] { out_.endTable(); });
    }
    void note(const std::string& what) override { notes_ << "duzedo: " << Printable(what) << "\n"; }

    bool anyDuzedo() const { return anyDuzedo_; }

  private:
    TableSink& out_;
    std::ostream& notes_;
    bool duzedo_ = false;
    bool anyDuzedo_ = false;
    std::vector<ColumnType> stored_;
    std::vector<DbValue> row_;
};

}  // namespace

bool CopyAccessFile(const std::string& path, TableSink& out, std::ostream& notes) {
    KeptTables kept(out, notes);
    ReadAccessFileAsStored(path, kept);
    return kept.anyDuzedo();
}

bool CopySqliteFile(const std::string& path, const Connection& program, TableSink& out,
                    std::ostream& notes) {
    KeptTables kept(out, notes);
    bool anyDuzedo = false;
    // Asked of each table in the file's order: the program's own go in their place from the engine.
    const auto foreign = [&](const std::string& table) {
        if (!IsDuzedoTable(table)) return true;
        anyDuzedo = true;
        CopyAllTables(program.handle(), out,
                      [&](const std::string& name) { return name == table; });
        return false;
    };
    ReadSqliteFileAsStored(path, kept, foreign);
    return anyDuzedo;
}
