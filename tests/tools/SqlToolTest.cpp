// duzedo sql runs one statement that reads, and nothing else.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/DuzedoTool.h"
#include "support/FileBytes.h"
#include "support/HandMadeDuzedo.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(SqlTool, RunsOneReadingStatementAndRefusesTheRest) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built beside the tests";
    TempDir dir("sqltool");
    const std::string db = (dir / "duzedo.sqlite").string();
    WriteHandMadeDuzedo(db);
    const std::string before = ReadBytes(db);
    const std::string quoted = "'" + db + "' ";
    const fs::path written = dir / "written.db";

    EXPECT_EQ(RunDuzedoTool("sql " + quoted + "'select count(*) from scores;'"), 0);
    // Statements that write files, however the engine holds the data.
    EXPECT_EQ(RunDuzedoTool("sql " + quoted + "\"VACUUM INTO '" + written.string() + "'\""), 2);
    EXPECT_EQ(RunDuzedoTool("sql " + quoted + "\"ATTACH '" + written.string() + "' AS x\""), 2);
    EXPECT_FALSE(fs::exists(written));
    // Text after the first statement is refused, not silently dropped.
    EXPECT_EQ(RunDuzedoTool("sql " + quoted + "'select 1; delete from scores'"), 2);
    EXPECT_EQ(RunDuzedoTool("sql " + quoted + "'delete from scores'"), 2);
    EXPECT_EQ(ReadBytes(db), before);
}

}  // namespace
