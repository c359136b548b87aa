// What a user of duzedo sample relies on: a seed always gives the same file, every table and
// column the program reads is there with the cases its views must show, the scale grows the data,
// and the tool writes what the library writes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "db/Database.h"
#include "duzedo/SampleDuzedo.h"
#include "support/ConnectedDuzedo.h"
#include "support/DamagedFiles.h"
#include "support/DuzedoTool.h"
#include "support/FileBytes.h"
#include "support/RecordingSink.h"
#include "support/SampleDb.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

void WriteSample(const std::string& path) {
    WriteSampleDb(path);
}

RecordingSink Generate(std::uint64_t seed, int scale) {
    RecordingSink sink;
    WriteSampleDuzedo(SampleOptions{seed, scale}, sink);
    return sink;
}

TEST(SampleDuzedo, SameSeedGivesTheSameFilesAndAnotherSeedOthers) {
    const TempDir dir("determinism");
    for (const char* kind : {".sqlite", ".mdb"}) {
        SCOPED_TRACE(kind);
        const auto write = [&](const std::string& name, std::uint64_t seed) {
            const fs::path file = dir / (name + kind);
            if (std::string(kind) == ".mdb") return WriteSampleAccessFile(file, {.seed = seed});
            WriteSampleDb(file.string(), {.seed = seed});
            return ReadBytes(file);
        };
        const std::string a = write("a", 1);
        EXPECT_GT(a.size(), 10000u);
        EXPECT_TRUE(a == write("b", 1));
        EXPECT_FALSE(a == write("c", 2));
    }
}

TEST(SampleDuzedo, ScaleGrowsPlayersTournamentsAndGames) {
    const RecordingSink one = Generate(1, 1);
    const RecordingSink two = Generate(1, 2);
    for (const char* table : {"rankings", "tournament players", "scores"}) {
        SCOPED_TRACE(table);
        const auto rows = static_cast<double>(one.table(table).rows.size());
        EXPECT_NEAR(static_cast<double>(two.table(table).rows.size()) / rows, 2.0, 0.4);
    }
    EXPECT_THROW(Generate(1, 0), std::invalid_argument);
}

class SampleDuzedoTest : public ConnectedSuite<WriteSample> {
  protected:
    static std::int64_t Count(const std::string& from) {
        return ScalarQuery("select count(*) from " + from);
    }
    static Names Fields(const std::string& table) {
        gRs->open("select * from [" + table + "] where 1=0", *gConn);
        Names names;
        for (int i = 0; i < gRs->fieldCount(); ++i) names.push_back(gRs->fieldName(i));
        gRs->close();
        return names;
    }
};

TEST_F(SampleDuzedoTest, EveryTableAndColumnTheProgramReads) {
    const Names standings = {"tournament", "player", "p",  "g",   "w",     "d",
                             "l",          "gs",     "gc", "pts", "chrono"};
    EXPECT_EQ(Fields("scores"), (Names{"id", "TEAM A", "TEAM B", "A", "B", "TOURNAMENT"}));
    EXPECT_EQ(Fields("tables"), standings);
    EXPECT_EQ(Fields("World Cup I Tables"), standings);
    EXPECT_EQ(Fields("World Cup II Tables"), standings);
    EXPECT_EQ(Fields("tournament players"),
              (Names{"tournament", "chrono", "country", "date", "Cup?", "players"}));
    // Then one column per month, consecutive, as R0103, R0203 and so on.
    const Names rankings = Fields("rankings");
    ASSERT_GE(rankings.size(), 3u + 30);
    EXPECT_EQ(Names(rankings.begin(), rankings.begin() + 3), (Names{"player", "country", "r"}));
    for (std::size_t i = 4; i < rankings.size(); ++i) {
        const auto month = [&](std::size_t at) {
            return std::stoi(rankings[at].substr(3, 2)) * 12 + std::stoi(rankings[at].substr(1, 2));
        };
        EXPECT_EQ(month(i), month(i - 1) + 1) << rankings[i];
    }
}

TEST_F(SampleDuzedoTest, HoldsTheCasesTheViewsMustShow) {
    EXPECT_GT(Count("scores"), 1000);
    EXPECT_GE(Count("[tournament players]"), 30);
    for (const char* name : {"O'Neil S", "Müller K", "Ñandú P", "Érsek L"}) {
        EXPECT_EQ(Count("rankings where player=" + SqlQuote(name)), 1) << name;
    }
    EXPECT_EQ(Count("[tournament players] where tournament=" + SqlQuote("King's Trophy 2002")), 1);
    EXPECT_GE(Count("[tournament players] where [Cup?]=-1"), 4);
    EXPECT_EQ(Count("[tournament players] where [Cup?]=-1 and tournament not like '%cup'"), 0);
    EXPECT_GE(Count("scores where tournament like 'Dadidurez VII %'"), 5);
    EXPECT_GT(Count("tables where tournament='Dadidurez VII'"), 0);
    EXPECT_GT(Count("tables where tournament='World Cup II '"), 0);
    EXPECT_GT(Count("[World Cup I Tables] where tournament='Group A'"), 0);
    EXPECT_GT(Count("scores where tournament like 'World Cup II Playouts%'"), 0);
    EXPECT_GE(Count("tables where pts is null"), 1);
    // A shared first place, and players not ranked now.
    EXPECT_GT(Count("tables where p=1"), Count("[tournament players] where [Cup?]=0"));
    EXPECT_GE(Count("rankings where r=0"), 1);
}

TEST(DuzedoTool, WritesTheSampleTheLibraryWritesAndFailsWithStatusTwo) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built beside the tests";
    const TempDir dir("tool");
    const std::string out = "'" + (dir / "out").string() + "'";
    EXPECT_EQ(RunDuzedoTool("--help"), 0);
    EXPECT_EQ(RunDuzedoTool("sample --seed 1 --out " + out), 0);
    WriteSampleDb((dir / "library.sqlite").string(), {.seed = 1});
    const std::string mdb = WriteSampleAccessFile(dir / "library.mdb");
    EXPECT_TRUE(ReadBytes(dir / "out" / "duzedo.mdb") == mdb);
    EXPECT_TRUE(ReadBytes(dir / "out" / "duzedo.sqlite") == ReadBytes(dir / "library.sqlite"));
    EXPECT_EQ(
        RunDuzedoTool("to-sqlite " + out + "/duzedo.mdb '" + (dir / "copy.sqlite").string() + "'"),
        0);
    EXPECT_TRUE(fs::exists(dir / "copy.sqlite"));
    EXPECT_EQ(RunDuzedoTool("sql " + out + "/duzedo.mdb 'select count(*) from scores' --json"), 0);

    std::ofstream(dir / "junk.mdb") << "not a database";
    const std::string junk = "'" + (dir / "junk.mdb").string() + "'";
    for (const std::string& wrong : std::vector<std::string>{
             "", "frobnicate", "sample --seed", "sample --seed 1", "sample --seed one --out " + out,
             "sample --seed 1 --scale 0 --out " + out,
             "sample --seed 1 --scale 501 --out " + out,  // refused at once, not after minutes
             "sample --seed 1 --out " + out + " --colour", "sql " + out + "/duzedo.mdb",
             "sql " + out + "/duzedo.mdb 'select * from nowhere'", "sql " + junk + " 'select 1'",
             "to-sqlite " + junk + " '" + (dir / "junk.sqlite").string() + "'"}) {
        EXPECT_EQ(RunDuzedoTool(wrong), 2) << wrong;
    }
    EXPECT_FALSE(fs::exists(dir / "junk.sqlite"));
}

}  // namespace
