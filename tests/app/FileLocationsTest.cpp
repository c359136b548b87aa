#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "app/Startup.h"
#include "core/FileLocations.h"
#include "core/NativeFile.h"
#include "core/Settings.h"
#include "db/AccessReaderProcess.h"
#include "db/Database.h"
#include "duzedo/SampleDuzedo.h"
#include "jetwriter/JetWriter.h"
#include "shell/frmMain.h"
#include "support/FakeServices.h"
#include "support/FileBytes.h"
#include "support/ProgramDirFixture.h"
#include "support/RecordingSink.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// A name no Qt string can hold: Latin-1 bytes, which are not UTF-8.
const std::string kLatin1Folder = "d\xE9j\xE0 vu";

TEST(FileLocations, BesideTheProgramWhileItsFolderIsWritableElseInTheUserFolders) {
    std::set<std::string> existing;
    LocationFacts facts{"/opt/vpa/", true, "/home/u/.config", "/home/u/.cache/",
                        [&](const std::string& path) { return existing.contains(path); }};
    FileLocations places = ChooseLocations(facts);
    EXPECT_EQ(places.settings, "/opt/vpa/VPAStats.ini");
    EXPECT_EQ(places.miscCache, "/opt/vpa/misc.bfr");
    EXPECT_EQ(places.defaultDb, "/opt/vpa/duzedo.mdb");
    EXPECT_EQ(places.userPictures, "");

    facts.programFolderWritable = false;
    places = ChooseLocations(facts);
    EXPECT_EQ(places.settings, "/home/u/.config/VPAStats/VPAStats.ini");
    EXPECT_EQ(places.miscCache, "/home/u/.cache/VPAStats/misc.bfr");
    EXPECT_EQ(places.defaultDb, "/opt/vpa/duzedo.mdb");
    EXPECT_EQ(places.userPictures, "/home/u/.cache/VPAStats/");

    // Files already beside the program stay in use, written in place.
    existing = {"/opt/vpa/VPAStats.ini", "/opt/vpa/misc.bfr"};
    places = ChooseLocations(facts);
    EXPECT_EQ(places.settings, "/opt/vpa/VPAStats.ini");
    EXPECT_EQ(places.miscCache, "/opt/vpa/misc.bfr");
}

TEST(FileLocations, XdgFoldersMustBeAbsolute) {
    const std::string home = getenv("HOME") != nullptr ? getenv("HOME") : "";
    setenv("XDG_CACHE_TEST_VAR", "relative/cache", 1);
    EXPECT_EQ(XdgFolder("XDG_CACHE_TEST_VAR", "/.cache"), home + "/.cache");
    setenv("XDG_CACHE_TEST_VAR", "/var/cache/u", 1);
    EXPECT_EQ(XdgFolder("XDG_CACHE_TEST_VAR", "/.cache"), "/var/cache/u");
    unsetenv("XDG_CACHE_TEST_VAR");
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

class ProgramFolderTest : public ProgramDirFixture {
  protected:
    ProgramFolderTest() : ProgramDirFixture("folder") {}
    void SetUp() override {
        ProgramDirFixture::SetUp();
        folder = (dir() / kLatin1Folder).string() + "/";
        fs::create_directories(folder);
        SetAppDir(folder);
        SetOptionDefaults();
    }

    std::string folder;
};

// A folder name that is not UTF-8 must neither hide the database beside the program nor lose the
// settings: the Access file is read by the reader under its own name, and the settings name it
// byte for byte.
TEST_F(ProgramFolderTest, ANameThatIsNotUtf8StillFindsTheDatabaseAndKeepsTheSettings) {
    {
        JetFileWriter writer(DefaultDbPath());
        WriteSampleDuzedo({.seed = 1, .scale = 1}, writer);
        writer.finish();
    }
    for (int run = 1; run <= 3; ++run) {
        SCOPED_TRACE(run);
        window = RunStartup();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(services->messages.empty());
        EXPECT_EQ(gDbPath, DefaultDbPath());
        EXPECT_EQ(gTimesRun, run);
        // The first run has no signature to store yet.
        EXPECT_EQ(gMiscCacheValid, run != 2);
        Stop();
    }
    EXPECT_TRUE(ReadBytes(folder + "VPAStats.ini").starts_with(folder + "duzedo.mdb\r\n"));
}

TEST_F(ProgramFolderTest, TheReaderRunsFromAFolderQtCannotName) {
    const fs::path reader = access_detail::ReaderProgram();
    fs::copy_file(reader, folder + "vpa_mdbreader");
    fs::permissions(folder + "vpa_mdbreader", fs::perms::owner_all);
    {
        JetFileWriter writer(folder + "duzedo.mdb");
        WriteSampleDuzedo({.seed = 1, .scale = 1}, writer);
        writer.finish();
    }
    RecordingSink sink;
    access_detail::RunReader(folder + "vpa_mdbreader",
                             access_detail::ReaderArguments(folder + "duzedo.mdb"), sink,
                             access_detail::ChildLimits());
    EXPECT_GE(sink.tables.size(), 4u);
}

TEST_F(ProgramFolderTest, APathWithALineBreakIsNotStoredAndTheUserIsTold) {
    const std::string broken = folder + "two\nlines.mdb";
    std::ofstream(broken) << "db";
    std::ofstream(DefaultDbPath()) << "db";
    gDbPath = broken;
    WriteSettings();
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_EQ(services->messages[0].text,
              "The path of the database contains a line break, so the VPAStats ini file cannot "
              "keep it. The next start will look for duzedo.mdb beside the program again.");
    const std::string written = ReadBytes(SettingsFilePath());
    EXPECT_TRUE(written.starts_with("\r\n 1 \r\n"));
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 7);

    gDbPath.clear();
    ReadSettings();
    EXPECT_EQ(gDbPath, DefaultDbPath());
    EXPECT_EQ(services->messages.size(), 1u);
}

TEST_F(ProgramFolderTest, AProgramFolderWithALineBreakNeedsNoMessageAndKeepsTheCache) {
    folder += "a\nb/";
    fs::create_directories(folder);
    SetAppDir(folder);
    std::ofstream(DefaultDbPath()) << "db";
    gDbPath = DefaultDbPath();
    gDbSignature = *DbSignature(gDbPath);
    WriteSettings();
    EXPECT_TRUE(services->messages.empty());
    gDbPath.clear();
    gMiscCacheValid = true;
    ReadSettings();
    EXPECT_TRUE(services->messages.empty());
    EXPECT_EQ(gDbPath, DefaultDbPath());
    EXPECT_TRUE(gMiscCacheValid);
}

}  // namespace
