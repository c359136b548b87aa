#include <gtest/gtest.h>

#include <filesystem>

#include "db/DbFile.h"
#include "db/PartialFile.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(PartialFile, ReplacesTheFileOnlyWhenCommitted) {
    TempDir dir("partial");
    const fs::path target = dir / "out.db";
    WriteBytes(target, "old");
    // A partial file from an interrupted run is no obstacle.
    WriteBytes(dir / "out.db.partial", "stale");
    {
        PartialFile file(target.string());
        EXPECT_FALSE(fs::exists(file.partialPath()));
        WriteBytes(file.partialPath(), "half");
    }
    EXPECT_FALSE(fs::exists(dir / "out.db.partial"));
    EXPECT_EQ(ReadBytes(target), "old");

    PartialFile file(target.string());
    WriteBytes(file.partialPath(), "new");
    file.commit();
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_FALSE(fs::exists(file.partialPath()));
}

TEST(PartialFile, AFailedCommitSaysWhyAndLeavesTheOldFile) {
    TempDir dir("partial");
    const fs::path target = dir / "out.db";
    WriteBytes(target, "old");
    PartialFile file(target.string());
    // Nothing was written under the temporary name.
    EXPECT_THROW(file.commit(), DbError);
    EXPECT_EQ(ReadBytes(target), "old");
}

TEST(SqliteFileWriter, AnUnfinishedWriteLeavesNoFile) {
    TempDir dir("partial");
    const fs::path target = dir / "copy.sqlite";
    {
        SqliteFileWriter writer(target.string());
        writer.beginTable("t", {{"id", ColumnType::Integer32}});
        writer.addRow({DbValue::integer(1)});
    }
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

}  // namespace
