// Files that are not sound Access files, fed through the program's own reading path: each must be
// read whole or refused, soon, never read short.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "db/DbFile.h"
#include "support/DamagedFiles.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// --- Files that are not sound Access files ---------------------------------------------------

std::string JetHeader(bool jet3, std::size_t size) {
    std::string bytes(size, '\0');
    const std::string head = std::string("\0\1\0\0Standard Jet DB", 19);
    bytes.replace(0, head.size(), head);
    bytes[0x14] = jet3 ? 0 : 1;
    return bytes;
}

std::string RandomAfterHeader(bool jet3, std::size_t pages) {
    std::string bytes = JetHeader(jet3, pages * (jet3 ? 2048 : 4096));
    std::mt19937 random(jet3 ? 3 : 4);
    for (std::size_t i = 0x15; i < bytes.size(); ++i) bytes[i] = static_cast<char>(random());
    return bytes;
}

TEST(AccessFileRefusal, ForeignDamagedAndEmptyFilesFailCleanlyAndSoon) {
    std::string garbled = JetHeader(false, 4 * 4096);
    garbled[9] = 'X';
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"SQLite", std::string("SQLite format 3\0", 16) + std::string(4080, '\0')},
        {"garbled signature", garbled},
        {"not whole pages", JetHeader(false, 4 * 4096 + 100)},
        {"a header and nothing else", JetHeader(false, 8 * 4096)},
        {"random pages", RandomAfterHeader(false, 16)},
        {"random Jet 3 pages", RandomAfterHeader(true, 16)},
    };
    const TempDir dir("refusal");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(dir / "f.mdb", c.bytes);
        RecordingSink sink;
        const auto start = Clock::now();
        EXPECT_THROW(ReadAccessFile((dir / "f.mdb").string(), sink), DbError);
        EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    }
    RecordingSink sink;
    EXPECT_THROW(ReadAccessFile(dir.path().string(), sink), DbError);
}

// --- Damaged copies of the sample ------------------------------------------------------------

// Rows per table, in the order the tables came.
std::vector<std::pair<std::string, std::size_t>> RowCounts(const RecordingSink& sink) {
    std::vector<std::pair<std::string, std::size_t>> counts;
    for (const RecordedTable& table : sink.tables)
        counts.emplace_back(table.name, table.rows.size());
    return counts;
}

// Pages lost to a cut or zeroed are passed over by libmdb without a word; the reader must see
// that rows are missing, or a conversion would write a short copy and call it done.
TEST(DamagedAccessFiles, AreReadWholeOrRefusedNeverShort) {
    const TempDir dir("damaged-access");
    const std::string sound = WriteSampleAccessFile(dir / "sample.mdb");
    RecordingSink whole;
    ReadAccessFile((dir / "sample.mdb").string(), whole);
    const fs::path file = dir / "damaged.mdb";
    int refused = 0, read = 0;
    const auto check = [&](const std::string& bytes, const std::string& damage) {
        WriteBytes(file, bytes);
        RecordingSink sink;
        try {
            ReadAccessFile(file.string(), sink);
            ++read;
            EXPECT_EQ(RowCounts(sink), RowCounts(whole)) << damage;
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

}  // namespace
