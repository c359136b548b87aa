// Reading an Access file. libmdb is not safe on damaged files (it can crash, read out of bounds
// or loop for ever), so it only ever runs in the reader program, a process of its own that
// streams the tables back; this process checks that stream and survives whatever the reader does.

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

#include "db/AccessReaderProcess.h"
#include "db/DbFile.h"
#include "db/Utf8Path.h"

namespace {

// Cheap checks before a process is started for the file

std::size_t CheckedPageSize(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::array<char, 0x15> header{};
    if (!in.read(header.data(), header.size())) throw DbError("it is too short");
    const std::string_view head(header.data(), header.size());
    const std::string_view signature = head.substr(4, 15);
    if (head.substr(0, 4) != std::string_view("\0\1\0\0", 4) ||
        (signature != "Standard Jet DB" && signature != "Standard ACE DB")) {
        throw DbError("it is not an Access database");
    }
    return header[0x14] == 0 ? 2048 : 4096;
}

std::uintmax_t CheckedFileSize(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(Utf8Path(path), error))
        throw DbError("there is no such file");
    const std::uintmax_t size = std::filesystem::file_size(Utf8Path(path), error);
    if (error) throw DbError("its size cannot be read");
    return size;
}

// Hands the tables on in the program's forms; notes are for conversions alone.
class ProgramForms : public TableSink {
  public:
    explicit ProgramForms(TableSink& sink) : sink_(sink) {}

    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) override {
        stored_.clear();
        std::vector<ColumnDef> loaded = columns;
        for (ColumnDef& column : loaded) {
            stored_.push_back(column.type);
            column.type = ProgramColumnType(column.type);
        }
        changes_ = std::any_of(stored_.begin(), stored_.end(), [](ColumnType type) {
            return type == ColumnType::Currency || type == ColumnType::Decimal ||
                   type == ColumnType::Binary || type == ColumnType::Ole;
        });
        sink_.beginTable(name, loaded);
    }
    void addRow(const std::vector<DbValue>& row) override {
        if (!changes_) {
            sink_.addRow(row);
            return;
        }
        row_ = row;
        for (std::size_t i = 0; i < row_.size() && i < stored_.size(); ++i) {
            ToProgramValue(stored_[i], row_[i]);
        }
        sink_.addRow(row_);
    }
    void endTable() override { sink_.endTable(); }

  private:
    TableSink& sink_;
    std::vector<ColumnType> stored_;
    bool changes_ = false;
    std::vector<DbValue> row_;
};

std::string HexText(std::string_view bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.push_back(kHex[b >> 4]);
        text.push_back(kHex[b & 15]);
    }
    return text;
}

void RunReaderOn(const std::string& path, TableSink& sink, const std::vector<std::string>& tables) {
    try {
        const std::uintmax_t size = CheckedFileSize(path);
        const std::size_t pageSize = CheckedPageSize(path);
        if (size == 0 || size % pageSize != 0) throw DbError("it is truncated");
        access_detail::ChildLimits limits;
        // No sound file yields a stream many times its own size; a runaway reader would.
        limits.maxStreamBytes = std::min<std::uint64_t>(2ull << 30, (256ull << 20) + 64 * size);
        access_detail::RunReader(access_detail::ReaderProgram(),
                                 access_detail::ReaderArguments(path, tables), sink, limits);
    } catch (const DbError& e) {
        throw DbError("Cannot read the Access file '" + path + "': " + e.what());
    }
}

}  // namespace

void ReadAccessFile(const std::string& path, TableSink& sink,
                    const std::vector<std::string>& tables) {
    ProgramForms forms(sink);
    RunReaderOn(path, forms, tables);
}

void ReadAccessFileAsStored(const std::string& path, TableSink& sink) {
    RunReaderOn(path, sink, {});
}

ColumnType ProgramColumnType(ColumnType stored) {
    switch (stored) {
        case ColumnType::BigInteger:
            return ColumnType::Integer32;
        case ColumnType::Decimal:
            return ColumnType::Real;
        case ColumnType::ExtendedDate:
            return ColumnType::DateTime;
        case ColumnType::Guid:
        case ColumnType::Binary:
        case ColumnType::Ole:
            return ColumnType::Memo;
        default:
            return stored;
    }
}

void ToProgramValue(ColumnType stored, DbValue& value) {
    if (value.kind() != DbValue::Kind::Text) return;
    switch (stored) {
        case ColumnType::Currency:
        case ColumnType::Decimal:
            // The decimal text the reader writes is always a number.
            value = DbValue::real(value.toDouble());
            break;
        case ColumnType::Binary:
            value = DbValue::text(HexText(value.chars()));
            break;
        case ColumnType::Ole:
            value = {};
            break;
        default:
            break;
    }
}
