// Files that are not sound Access files, fed through the program's own reading paths: each must
// load or be refused with a reason, never crash the program or hang it.
//
// VPA_MUTATION_SEED=N runs another deterministic set of damages to the sample (the default is 1).

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "db/AccessReaderProcess.h"
#include "db/Database.h"
#include "db/DbFile.h"
#include "support/DamagedFiles.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using access_detail::ChildLimits;
using access_detail::ReaderProgram;
using access_detail::RunReader;

struct DiscardingSink : TableSink {
    void beginTable(const std::string&, const std::vector<ColumnDef>&) override {}
    void addRow(const std::vector<DbValue>&) override {}
    void endTable() override {}
};

// --- The real reader ---------------------------------------------------------------------------

TEST(AccessReader, IsBuiltBesideTheProgramAndExplainsWhatItCannotRead) {
    const fs::path reader = ReaderProgram();
    ASSERT_TRUE(fs::is_regular_file(reader)) << reader;
    const fs::path text = fs::temp_directory_path() / ("vpa-text-" + std::to_string(::getpid()));
    std::ofstream(text) << std::string(8192, 'x');
    DiscardingSink sink;
    try {
        RunReader(reader, {text.string()}, sink, ChildLimits());
        ADD_FAILURE() << "read a text file";
    } catch (const DbError& e) {
        EXPECT_NE(std::string(e.what()).find("Access database"), std::string::npos) << e.what();
    }
    fs::remove(text);
}

// --- Files that are not sound Access files ---------------------------------------------------

class AccessFileRefusal : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vpa-access-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const std::string& bytes) {
        const fs::path file = dir_ / ("f" + std::to_string(count_++) + ".mdb");
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }

    // Each must fail cleanly and soon.
    void expectRefused(const std::string& path) {
        DiscardingSink sink;
        const auto start = Clock::now();
        EXPECT_THROW(ReadAccessFile(path, sink), DbError);
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    }

    static std::string Header(bool jet3, std::size_t size) {
        std::string bytes(size, '\0');
        const std::string head = std::string("\0\1\0\0Standard Jet DB", 19);
        bytes.replace(0, head.size(), head);
        bytes[0x14] = jet3 ? 0 : 1;
        return bytes;
    }

    static std::string RandomAfterHeader(bool jet3, std::size_t pages) {
        std::string bytes = Header(jet3, pages * (jet3 ? 2048 : 4096));
        std::mt19937 random(jet3 ? 3 : 4);
        for (std::size_t i = 0x15; i < bytes.size(); ++i) bytes[i] = static_cast<char>(random());
        return bytes;
    }

    fs::path dir_;
    int count_ = 0;
};

TEST_F(AccessFileRefusal, MissingEmptyAndForeignFiles) {
    expectRefused((dir_ / "absent.mdb").string());
    expectRefused(write(""));
    expectRefused(write("games, goals and tournaments, as plain text\n"));
    expectRefused(write(std::string("SQLite format 3\0", 16) + std::string(4080, '\0')));
    expectRefused(dir_.string());  // a directory
}

TEST_F(AccessFileRefusal, DamagedHeaders) {
    expectRefused(write(Header(false, 4096).substr(0, 12)));  // cut inside the signature
    std::string garbled = Header(false, 4 * 4096);
    garbled[9] = 'X';
    expectRefused(write(garbled));
    expectRefused(write(Header(false, 4 * 4096 + 100)));  // not whole pages
    expectRefused(write(Header(true, 3 * 2048 + 1)));
}

TEST_F(AccessFileRefusal, ZerosAndRandomPages) {
    expectRefused(write(std::string(8 * 4096, '\0')));
    expectRefused(write(Header(false, 8 * 4096)));  // a header and nothing else
    expectRefused(write(Header(true, 8 * 2048)));
    expectRefused(write(RandomAfterHeader(false, 16)));
    expectRefused(write(RandomAfterHeader(true, 16)));
}

// --- Damaged copies of the sample ------------------------------------------------------------

constexpr int kMutations = 520;

// Rows per table, in the order the tables came.
struct CountingSink : TableSink {
    void beginTable(const std::string& name, const std::vector<ColumnDef>&) override {
        rows.emplace_back(name, 0);
    }
    void addRow(const std::vector<DbValue>&) override { ++rows.back().second; }
    void endTable() override {}
    std::vector<std::pair<std::string, std::size_t>> rows;
};

// Pages lost to a cut or zeroed are passed over by libmdb without a word; the reader must see
// that rows are missing, or a conversion would write a short copy and call it done.
TEST(DamagedAccessFiles, AreReadWholeOrRefusedNeverShort) {
    const TempDir dir("damaged-access");
    const std::string sound = WriteSampleAccessFile(dir / "sample.mdb");
    CountingSink whole;
    ReadAccessFile((dir / "sample.mdb").string(), whole);
    const fs::path file = dir / "damaged.mdb";
    int refused = 0, read = 0;
    const auto check = [&](const std::string& bytes, const std::string& damage) {
        WriteBytes(file, bytes);
        CountingSink sink;
        try {
            ReadAccessFile(file.string(), sink);
            ++read;
            EXPECT_EQ(sink.rows, whole.rows) << damage;
        } catch (const DbError&) {
            ++refused;
        }
    };
    const std::size_t pages = sound.size() / kJet4PageSize;
    for (std::size_t page = 1; page < pages; ++page) {
        check(sound.substr(0, page * kJet4PageSize), "cut after page " + std::to_string(page));
        std::string zeroed = sound;
        std::fill_n(zeroed.begin() + static_cast<std::ptrdiff_t>(page * kJet4PageSize),
                    kJet4PageSize, '\0');
        check(zeroed, "page " + std::to_string(page) + " zeroed");
    }
    // The zeroing of unused or index pages is harmless; the rows' pages are most of the file.
    EXPECT_GT(refused, static_cast<int>(pages));
    RecordProperty("read", read);
}

TEST(MutatedAccessFiles, EachLoadsOrIsRefusedNeverCrashesOrHangs) {
    const fs::path dir = fs::temp_directory_path() / ("vpa-mutated-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string sound = WriteSampleAccessFile(dir / "sample.mdb");
    // The sound sample loads, so that the refusals below are the damage's doing.
    gDbPath = (dir / "sample.mdb").string();
    std::string soundError;
    ASSERT_TRUE(ConnectDb(&soundError)) << soundError;
    DisconnectDb();
    const char* seedText = std::getenv("VPA_MUTATION_SEED");
    const std::uint64_t first = kMutations * (seedText ? std::strtoull(seedText, nullptr, 10) : 1);

    int loaded = 0, refused = 0;
    auto slowest = Clock::duration::zero();
    for (std::uint64_t seed = first; seed < first + kMutations; ++seed) {
        const fs::path file = dir / "mutated.mdb";
        WriteBytes(file, MutatedAccessBytes(sound, seed));
        gDbPath = file.string();
        std::string error;
        const auto start = Clock::now();
        if (ConnectDb(&error)) {
            ++loaded;
            DisconnectDb();
        } else {
            ++refused;
            EXPECT_FALSE(error.empty()) << "seed " << seed;
        }
        slowest = std::max(slowest, Clock::now() - start);
    }
    gDbPath.clear();
    fs::remove_all(dir);
    EXPECT_EQ(loaded + refused, kMutations);
    // Sound and damaged files alike are read in a fraction of the reader's stall timeout.
    EXPECT_LT(slowest, std::chrono::seconds(5));
    RecordProperty("loaded", loaded);
    RecordProperty("refused", refused);
}

}  // namespace
