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
#include <iterator>
#include <random>
#include <string>

#include "db/AccessReaderProcess.h"
#include "db/Database.h"
#include "db/DbFile.h"
#include "duzedo/SampleDuzedo.h"
#include "jetwriter/JetWriter.h"

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

constexpr std::size_t kPage = 4096;
constexpr int kMutations = 520;

std::string SampleBytes(const fs::path& file) {
    {
        JetFileWriter writer(file.string());
        WriteSampleDuzedo({.seed = 1, .scale = 1}, writer);
        writer.finish();
    }
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::size_t Below(std::mt19937_64& random, std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
}

// Most of a page's structure is in its first bytes (type, owner, counts, row offsets) and on the
// first pages (header, usage maps, catalog); damage lands there half of the time.
std::size_t DamageSpot(std::mt19937_64& random, std::size_t size) {
    const std::size_t pages = size / kPage;
    const std::size_t page = Below(random, 2) == 0 ? Below(random, std::min<std::size_t>(pages, 4))
                                                   : Below(random, pages);
    const std::size_t offset = Below(random, 2) == 0 ? Below(random, 64) : Below(random, kPage);
    return page * kPage + offset;
}

std::string Mutated(const std::string& sound, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::string bytes = sound;
    const std::size_t pages = bytes.size() / kPage;
    switch (seed % 4) {
        case 0: {  // cut short, mostly at a page boundary so that reading gets under way
            const std::size_t keep = Below(random, pages) + 1;
            bytes.resize(Below(random, 4) == 0 ? Below(random, bytes.size()) : keep * kPage);
            break;
        }
        case 1:  // bytes overwritten
            for (std::size_t n = Below(random, 16) + 1; n > 0; --n) {
                bytes[DamageSpot(random, bytes.size())] = static_cast<char>(random());
            }
            break;
        case 2: {  // two pages swapped
            const std::size_t a = Below(random, pages), b = Below(random, pages);
            std::swap_ranges(bytes.begin() + static_cast<std::ptrdiff_t>(a * kPage),
                             bytes.begin() + static_cast<std::ptrdiff_t>((a + 1) * kPage),
                             bytes.begin() + static_cast<std::ptrdiff_t>(b * kPage));
            break;
        }
        default: {  // a page zeroed, or filled with noise
            const std::size_t page = DamageSpot(random, bytes.size()) / kPage;
            const bool noise = Below(random, 2) == 0;
            for (std::size_t i = page * kPage; i < (page + 1) * kPage; ++i) {
                bytes[i] = noise ? static_cast<char>(random()) : '\0';
            }
        }
    }
    return bytes;
}

TEST(MutatedAccessFiles, EachLoadsOrIsRefusedNeverCrashesOrHangs) {
    const fs::path dir = fs::temp_directory_path() / ("vpa-mutated-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string sound = SampleBytes(dir / "sample.mdb");
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
        std::ofstream(file, std::ios::binary | std::ios::trunc) << Mutated(sound, seed);
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
