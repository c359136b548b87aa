#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/Startup.h"
#include "core/Settings.h"
#include "db/AccessReaderProcess.h"
#include "db/Database.h"
#include "shell/frmMain.h"
#include "support/DamagedFiles.h"
#include "support/FakeServices.h"
#include "support/FileBytes.h"
#include "support/ProgramDirFixture.h"
#include "support/RecordingSink.h"

namespace {

namespace fs = std::filesystem;

// A name no Qt string can hold: Latin-1 bytes, which are not UTF-8.
const std::string kLatin1Folder = "d\xE9j\xE0 vu";

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
    WriteSampleAccessFile(DefaultDbPath());
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
    WriteSampleAccessFile(folder + "duzedo.mdb");
    RecordingSink sink;
    access_detail::RunReader(folder + "vpa_mdbreader",
                             access_detail::ReaderArguments(folder + "duzedo.mdb"), sink,
                             access_detail::ChildLimits());
    EXPECT_GE(sink.tables.size(), 4u);
}

// A database path with a line break cannot be stored: the user is told, and the next start is on
// the default database. A program folder with one needs no message and keeps the cache.
TEST_F(ProgramFolderTest, LineBreaksInThePathsAreNeverStoredToSplitTheSettings) {
    const std::string broken = folder + "two\nlines.mdb";
    std::ofstream(broken) << "db";
    std::ofstream(DefaultDbPath()) << "db";
    gDbPath = broken;
    WriteSettings();
    EXPECT_EQ(services->messages.size(), 1u);
    const std::string written = ReadBytes(SettingsFilePath());
    EXPECT_TRUE(written.starts_with("\r\n 1 \r\n"));
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 7);
    gDbPath.clear();
    ReadSettings();
    EXPECT_EQ(gDbPath, DefaultDbPath());

    folder += "a\nb/";
    fs::create_directories(folder);
    SetAppDir(folder);
    std::ofstream(DefaultDbPath()) << "db";
    gDbPath = DefaultDbPath();
    gDbSignature = *DbSignature(gDbPath);
    WriteSettings();
    gDbPath.clear();
    gMiscCacheValid = true;
    ReadSettings();
    EXPECT_EQ(services->messages.size(), 1u);
    EXPECT_EQ(gDbPath, DefaultDbPath());
    EXPECT_TRUE(gMiscCacheValid);
}

}  // namespace
