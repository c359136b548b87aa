// Where the program keeps its files, and how it replaces one.

#include <gtest/gtest.h>

#include <QtGlobal>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "core/FileLocations.h"
#include "core/NativeFile.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(FileLocations, BesideTheProgramWhileItsFolderIsWritableElseInTheUserFolders) {
    std::set<std::string> existing;
    LocationFacts facts{"/opt/vpa/", true, "/home/u/.config", "/home/u/.cache/",
                        [&](const std::string& path) { return existing.contains(path); }};
    FileLocations places = ChooseLocations(facts);
    EXPECT_EQ(places.settings, "/opt/vpa/VPAStats.ini");
    EXPECT_EQ(places.miscCache, "/opt/vpa/misc.bfr");
    EXPECT_EQ(places.defaultDb, "/opt/vpa/duzedo.mdb");
    EXPECT_EQ(places.pictures, "/opt/vpa/");

    facts.programFolderWritable = false;
    places = ChooseLocations(facts);
    EXPECT_EQ(places.settings, "/home/u/.config/VPAStats/VPAStats.ini");
    EXPECT_EQ(places.miscCache, "/home/u/.cache/VPAStats/misc.bfr");
    EXPECT_EQ(places.defaultDb, "/opt/vpa/duzedo.mdb");
    EXPECT_EQ(places.pictures, "/home/u/.cache/VPAStats/");

    // Files already beside the program stay in use, written in place.
    existing = {"/opt/vpa/VPAStats.ini", "/opt/vpa/misc.bfr"};
    places = ChooseLocations(facts);
    EXPECT_EQ(places.settings, "/opt/vpa/VPAStats.ini");
    EXPECT_EQ(places.miscCache, "/opt/vpa/misc.bfr");
}

TEST(FileLocations, XdgFoldersMustBeAbsolute) {
    const std::string home = getenv("HOME") != nullptr ? getenv("HOME") : "";
    qputenv("XDG_CACHE_TEST_VAR", "relative/cache");
    EXPECT_EQ(XdgFolder("XDG_CACHE_TEST_VAR", "/.cache"), home + "/.cache");
    qputenv("XDG_CACHE_TEST_VAR", "/var/cache/u");
    EXPECT_EQ(XdgFolder("XDG_CACHE_TEST_VAR", "/.cache"), "/var/cache/u");
    qunsetenv("XDG_CACHE_TEST_VAR");
}

TEST(NativeFile, ReplacesWholeOrInPlaceWhenNoNewFileCanBeMade) {
    TempDir dir("native");
    const std::string path = (dir / "VPAStats.ini").string();
    ASSERT_TRUE(ReplaceFile(path, "first"));
    EXPECT_EQ(ReadBytes(path), "first");
    EXPECT_FALSE(fs::exists(path + ".partial"));

    // No new file can be made beside it (as in a folder the user may not write): in place.
    fs::create_directories(path + ".partial/blocker");
    ASSERT_TRUE(ReplaceFile(path, "second, longer"));
    EXPECT_EQ(ReadBytes(path), "second, longer");

    // Neither way: a failure, not a success.
    const std::string folderInTheWay = (dir / "sub").string();
    fs::create_directories(folderInTheWay + "/x");
    EXPECT_FALSE(ReplaceFile(folderInTheWay, "text"));
    EXPECT_FALSE(ReplaceFile((dir / "missing" / "f").string(), "text"));

    EXPECT_EQ(ReadFileStart(path, 6), "second");
    EXPECT_EQ(ReadFileStart((dir / "none").string(), 6), std::nullopt);
}

}  // namespace
