// Files written by Microsoft Access itself (tests/data/access, each file's source in NOTICE there),
// read through the program's reading path, and converted by duzedo to-sqlite and read back, held to
// what the open-source libraries they come from publish in their own tests (expected.tsv there),
// never to what this reader once produced. SQLite files of tables of a user's own, made there by
// their SQL, go the same ways.

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "db/DbFile.h"
#include "support/DuzedoTool.h"
#include "support/FileBytes.h"
#include "support/RecordingSink.h"
#include "support/SqliteEdit.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

const fs::path kCorpus = VPA_ACCESS_CORPUS_DIR;

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

// Access does not always keep the row count of a table's definition up to date; the rows on its
// pages are what counts. In this copy every definition, the catalog's too, claims three more.
std::string WithOverstatedRowCounts(std::string bytes) {
    const bool jet3 = bytes[0x14] == 0;
    const std::size_t pageSize = jet3 ? 2048 : 4096, countAt = jet3 ? 12 : 16;
    const auto u32 = [&](std::size_t at) {
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    std::set<std::size_t> continued;  // further pages of a long definition
    for (std::size_t at = 0; at + pageSize <= bytes.size(); at += pageSize) {
        if (bytes[at] == 2) continued.insert(u32(at + 4));
    }
    for (std::size_t page = 1; (page + 1) * pageSize <= bytes.size(); ++page) {
        const std::size_t at = page * pageSize + countAt;
        if (bytes[page * pageSize] != 2 || continued.contains(page)) continue;
        const std::uint32_t count = u32(at) + 3;
        for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(count >> (8 * i));
    }
    return bytes;
}

// How a file is read: as Access wrote it, with overstated row counts, or converted by duzedo to
// SQLite, to a new Access file, or to SQLite and from that to a new Access file.
enum class Way { AsWritten, Overstated, Converted, Rewritten, Reconverted };

// duzedo to-sqlite or to-mdb on file: its exit status and what it says on standard error.
ToolRun Convert(const std::string& command, const fs::path& file, const fs::path& out) {
    return RunDuzedoToolLimited({command, file.string(), out.string()}, std::chrono::seconds(60));
}

class Corpus {
  public:
    // The SQLite file made by sql; it stands beside the corpus' files from now on.
    void make(const std::string& file, const std::string& sql) {
        Exec(OpenForWriting(dir_ / file).get(), sql);
        made_[file] = dir_ / file;
    }
    fs::path path(const std::string& file) const {
        return made_.contains(file) ? made_.at(file) : kCorpus / file;
    }
    bool made(const std::string& file) const { return made_.contains(file); }

    const RecordedTable& table(const std::string& file, const std::string& name, Way way) {
        auto [it, fresh] = read_.try_emplace({file, way});
        if (fresh) {
            fs::path path = this->path(file);
            RecordingSink sink;
            if (way == Way::Reconverted) {
                table(file, name, Way::Converted);
                path = dir_ / (file + ".sqlite");
            }
            if (way >= Way::Converted) {
                const bool sqlite = way == Way::Converted;
                const fs::path out = dir_ / (file + (sqlite                  ? ".sqlite"
                                                     : way == Way::Rewritten ? ".mdb"
                                                                             : ".sqlite.mdb"));
                const ToolRun run = Convert(sqlite ? "to-sqlite" : "to-mdb", path, out);
                EXPECT_EQ(run.status, 0) << run.error;
                // Every file here is some library's test data or a user's own tables, none a
                // DUZEDO.
                EXPECT_NE(run.error.find("not a DUZEDO"), std::string::npos) << run.error;
                sqlite ? ReadSqliteFile(out.string(), sink) : ReadAccessFile(out.string(), sink);
            } else if (made(file)) {
                ReadSqliteFile(path.string(), sink);
            } else {
                if (way == Way::Overstated) {
                    WriteBytes(dir_ / file, WithOverstatedRowCounts(ReadBytes(path)));
                    path = dir_ / file;
                }
                ReadAccessFile(path.string(), sink);
            }
            it->second = std::move(sink.tables);
        }
        for (const RecordedTable& t : it->second) {
            if (t.name == name) return t;
        }
        throw std::runtime_error("no table " + name);
    }

  private:
    TempDir dir_{"access-corpus"};
    std::map<std::string, fs::path> made_;
    std::map<std::pair<std::string, Way>, std::vector<RecordedTable>> read_;
};

// Whether a value read is the one published: numbers by value ("100.0000" is the Decimal 100),
// yes/no as true/false, null as \N, text and dates ("YYYY-MM-DD HH:MM:SS") exactly.
bool Matches(const DbValue& value, const std::string& published) {
    if (published == "\\N" || value.isNull()) return published == "\\N" && value.isNull();
    if (value.kind() == DbValue::Kind::Text || value.kind() == DbValue::Kind::Date) {
        return value.chars() == published;
    }
    if (published == "true" || published == "false")
        return value.toInt64() == -(published == "true");
    double number = 0;
    const auto [end, error] =
        std::from_chars(published.data(), published.data() + published.size(), number);
    return error == std::errc() && end == published.data() + published.size() &&
           number == value.toDouble();
}

// The row among the table's rows whose named columns all hold the published values.
bool Holds(const RecordedTable& table, const std::vector<std::string>& columns,
           const std::vector<std::string>& values) {
    std::vector<std::size_t> at;
    for (const std::string& name : columns) {
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            if (table.columns[c].name == name) at.push_back(c);
        }
    }
    if (at.size() != values.size()) return false;
    return std::any_of(table.rows.begin(), table.rows.end(), [&](const std::vector<DbValue>& row) {
        for (std::size_t i = 0; i < at.size(); ++i) {
            if (!Matches(row[at[i]], values[i])) return false;
        }
        return true;
    });
}

// Refused by the program and by a conversion alike, with the reason.
void ExpectRefused(const std::string& file, const std::string& reason) {
    RecordingSink sink;
    try {
        ReadAccessFile((kCorpus / file).string(), sink);
        ADD_FAILURE() << file << " was read";
    } catch (const DbError& error) {
        EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
    }
    if (!fs::exists(DuzedoToolPath())) return;
    const TempDir dir("access-refused");
    for (const std::string command : {"to-sqlite", "to-mdb"}) {
        const ToolRun run = Convert(command, kCorpus / file, dir / "out");
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.error.find(reason), std::string::npos) << run.error;
        EXPECT_FALSE(fs::exists(dir / "out"));
    }
}

// to-mdb refuses a file with a column (or a value) the Jet 4 writer cannot hold, naming table and
// column.
void ExpectUnwritable(const fs::path& file, const std::string& table, const std::string& column) {
    if (!fs::exists(DuzedoToolPath())) return;
    const TempDir dir("access-unwritable");
    const ToolRun run = Convert("to-mdb", file, dir / "out.mdb");
    EXPECT_EQ(run.status, 2);
    const std::size_t named = run.error.find("Table '" + table + "'");
    EXPECT_NE(named, std::string::npos) << run.error;
    EXPECT_NE(run.error.find("column '" + column + "'", named), std::string::npos) << run.error;
    EXPECT_FALSE(fs::exists(dir / "out.mdb"));
}

TEST(AccessCorpus, EveryPublishedValueIsReadAsPublished) {
    std::ifstream in(kCorpus / "expected.tsv");
    std::vector<std::string> lines;
    std::set<std::string> scrambled, unwritable;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        lines.push_back(line);
        if (line.starts_with("scrambled\t")) scrambled.insert(Split(line, '\t')[1]);
        if (line.starts_with("unwritable\t")) unwritable.insert(Split(line, '\t')[1]);
    }
    ASSERT_GT(lines.size(), 30u);
    Corpus corpus;
    for (const std::string& line : lines) {
        const std::vector<std::string> f = Split(line, '\t');
        if (f[0] == "sqlite") corpus.make(f[1], f[2]);
    }
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        const std::vector<std::string> f = Split(line, '\t');
        if (f[0] == "refused") ExpectRefused(f[1], f[2]);
        if (f[0] == "unwritable") ExpectUnwritable(corpus.path(f[1]), f[2], f[3]);
        if (f[0] != "shape" && f[0] != "row" && f[0] != "unread" && f[0] != "bytes") continue;
        for (const Way way :
             {Way::AsWritten, Way::Overstated, Way::Converted, Way::Rewritten, Way::Reconverted}) {
            if (way == Way::Overstated && (scrambled.contains(f[1]) || corpus.made(f[1]))) continue;
            if (way >= Way::Rewritten && unwritable.contains(f[1])) continue;
            if (way >= Way::Converted && !fs::exists(DuzedoToolPath())) continue;
            // The program has no use for bytes; a conversion to SQLite keeps them.
            if (f[0] == "bytes" && way != Way::Converted) continue;
            SCOPED_TRACE(way == Way::AsWritten    ? "as Access wrote it"
                         : way == Way::Overstated ? "row counts overstated"
                         : way == Way::Converted  ? "converted to SQLite"
                         : way == Way::Rewritten  ? "converted to a new Access file"
                                                  : "converted to SQLite, then to Access");
            const RecordedTable& table = corpus.table(f[1], f[2], way);
            if (f[0] == "bytes") {
                EXPECT_TRUE(Holds(table, {f[3]}, {ReadBytes(kCorpus / f[4])}));
                continue;
            }
            if (f[0] == "unread") {
                EXPECT_TRUE(std::none_of(table.columns.begin(), table.columns.end(),
                                         [&](const ColumnDef& c) { return c.name == f[3]; }));
                continue;
            }
            if (f[0] == "row") {
                EXPECT_TRUE(Holds(table, Split(f[3], '|'), Split(f[4], '|')));
                continue;
            }
            if (f[3] != "-") {
                EXPECT_EQ(std::to_string(table.rows.size()), f[3]);
            }
            if (f[4] != "-") {
                EXPECT_EQ(std::to_string(table.columns.size()), f[4]);
            }
        }
    }
}

}  // namespace
