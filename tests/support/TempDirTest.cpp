#include <gtest/gtest.h>

#include <fstream>

#include "support/TempDir.h"

namespace fs = std::filesystem;

TEST(TempDir, IsFreshForEachOwnerAndGoesWithItsContent) {
    fs::path kept;
    {
        const TempDir one("same");
        const TempDir two("same");
        EXPECT_NE(one.path(), two.path());
        EXPECT_TRUE(fs::is_empty(one.path()));
        fs::create_directories(one / "inner");
        std::ofstream(one / "inner" / "file") << "bytes";
        kept = one.path();
    }
    EXPECT_FALSE(fs::exists(kept));
}
