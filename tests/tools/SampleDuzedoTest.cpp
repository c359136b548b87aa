// What a user of duzedo sample relies on: the tool writes, byte for byte, what the library writes.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/DamagedFiles.h"
#include "support/DuzedoTool.h"
#include "support/FileBytes.h"
#include "support/SampleDb.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(DuzedoTool, WritesTheSampleTheLibraryWritesAndFailsWithStatusTwo) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built beside the tests";
    const TempDir dir("tool");
    const std::string out = "'" + (dir / "out").string() + "'";
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
    // The parser's own refusals are checked with the command line; these get past it.
    for (const std::string& wrong : std::vector<std::string>{
             "sql " + out + "/duzedo.mdb 'select * from nowhere'", "sql " + junk + " 'select 1'",
             "to-sqlite " + junk + " '" + (dir / "junk.sqlite").string() + "'"}) {
        EXPECT_EQ(RunDuzedoTool(wrong), 2) << wrong;
    }
    EXPECT_FALSE(fs::exists(dir / "junk.sqlite"));
}

}  // namespace
