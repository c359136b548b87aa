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
    EXPECT_THROW(file.commit(), DbError);  // nothing was written under the temporary name
    EXPECT_EQ(ReadBytes(target), "old");
    WriteBytes(file.partialPath(), "new");
    file.commit();
    EXPECT_EQ(ReadBytes(target), "new");
    EXPECT_FALSE(fs::exists(file.partialPath()));
}

}  // namespace
