#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <QDateTime>
#include <QFile>
#include <csignal>
#include <filesystem>

#include "core/Settings.h"
#include "db/Database.h"
#include "support/FakeServices.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"

namespace {

void SetModified(const std::string& path, QDate date, QTime time) {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime(date, time), QFileDevice::FileModificationTime));
}

class SettingsTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::is_directory(dir_.path()));
        SetAppDir(Dir());
        SetServices(services);
        SetCurrentLocale(MakeFixedLocale());
        SetOptionDefaults();
        gDbSignature.clear();
        gMiscCacheValid = true;
        // The settings need only the database file's date, not its content.
        dbPath = Dir() + "duzedo.mdb";
        WriteBytes(dbPath, "db");
    }
    void TearDown() override {
        SetAppDir("");
        SetServices(nullptr);
        SetCurrentLocale(nullptr);
        gDbPath.clear();
        SetOptionDefaults();
    }

    std::string Dir() const { return dir_.path().string() + "/"; }
    // A settings file naming dbPath, followed by the given lines 2 onwards.
    void WriteIni(const std::string& rest) { WriteBytes(SettingsFilePath(), dbPath + rest); }

    std::shared_ptr<FakeServices> services = std::make_shared<FakeServices>();
    std::string dbPath;

  private:
    TempDir dir_{"settings"};
};

TEST_F(SettingsTest, WrittenFileReadsBackAndKeepsTheCacheUntilTheDatabaseChanges) {
    dbPath = Dir() + "Jürgen's € db/duzedo.mdb";
    WriteBytes(dbPath, "db");
    SetModified(dbPath, QDate(2003, 5, 18), QTime(21, 14, 5));
    gDbPath = dbPath;
    gOptFrameAnimation = 0;
    gOptMinGames = 35;
    gTimesRun = 7;
    gOptShowCountries = -1;
    gDbSignature = *DbSignature(dbPath);
    WriteSettings();
    EXPECT_EQ(ReadBytes(SettingsFilePath()), dbPath + "\r\n 0 \r\n 35 \r\n 1 \r\n 7 \r\n-1 \r\n" +
                                                 "0.918/5/200318/05/2003 21:14:05" + dbPath +
                                                 "\r\n");

    SetOptionDefaults();
    gDbPath.clear();
    ReadSettings();
    EXPECT_EQ(gDbPath, dbPath);
    EXPECT_EQ(gOptFrameAnimation, 0);
    EXPECT_EQ(gOptMinGames, 35);
    EXPECT_EQ(gTimesRun, 7);
    EXPECT_EQ(gOptShowCountries, -1);
    EXPECT_TRUE(gMiscCacheValid);
    EXPECT_TRUE(services->messages.empty());

    SetModified(dbPath, QDate(2003, 6, 1), QTime(9, 0, 0));
    ReadSettings();
    EXPECT_FALSE(gMiscCacheValid);
}

TEST_F(SettingsTest, SixLineFileOfOlderVersionComplainsOnceThenIsRewritten) {
    WriteIni("\r\n 0 \r\n 12 \r\n 0 \r\n 41 \r\n 0 \r\n");
    ReadSettings();
    EXPECT_EQ(gTimesRun, 41);
    EXPECT_EQ(gOptShowCountries, 0);
    EXPECT_TRUE(gMiscCacheValid);
    EXPECT_EQ(services->titles(), std::vector<std::string>{"Error!"});

    WriteSettings();
    ReadSettings();
    EXPECT_EQ(services->messages.size(), 1u);
}

TEST_F(SettingsTest, ReadsOlderWindows1252FilesAndBareLineFeeds) {
    dbPath = Dir() + "M\xC3\xBCller \xE2\x82\xAC/duzedo.mdb";  // "Müller €"
    WriteBytes(dbPath, "db");
    WriteBytes(SettingsFilePath(),
               Dir() + "M\xFCller \x80/duzedo.mdb\n\t0\n  2.5  \n+3.5\n 1e2 \n-0.5\n\n");
    ReadSettings();
    EXPECT_EQ(gDbPath, dbPath);
    EXPECT_EQ(gOptFrameAnimation, 0);
    EXPECT_EQ(gOptMinGames, 2);  // halves go to the even number
    EXPECT_EQ(gOptRankingLimit, 4);
    EXPECT_EQ(gTimesRun, 100);
    EXPECT_EQ(gOptShowCountries, 0);
    EXPECT_TRUE(services->messages.empty());
}

TEST_F(SettingsTest, ReadingStopsAtTheFirstBadLineKeepingEarlierValues) {
    for (const std::string bad : {"abc", "40000", "32767.5", "", "12 13", "nan"}) {
        SCOPED_TRACE("line 4: '" + bad + "'");
        SetOptionDefaults();
        services->messages.clear();
        WriteIni("\r\n 0 \r\n 30 \r\n" + bad + "\r\n 9 \r\n 0 \r\n\r\n");
        ReadSettings();
        EXPECT_EQ(gOptMinGames, 30);
        EXPECT_EQ(gOptRankingLimit, 1);
        EXPECT_EQ(gTimesRun, 0);
        EXPECT_EQ(services->titles(), std::vector<std::string>{"Error!"});
    }
}

TEST_F(SettingsTest, AFileThatIsNoSettingsLeavesTheDatabaseBesideTheProgram) {
    const std::string utf16("\xFF\xFE/\0t\0m\0p\0\r\0\n\0 \0001\0", 18);
    const std::string binary(
        "\x7F"
        "ELF\x02\x01\x01\0\0\0\n\x03\0>\0",
        16);
    for (const std::string& bytes :
         {utf16, binary, std::string("\r\n 1 \r\n"), std::string("C:\\db.mdb\rno\rlines")}) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        WriteBytes(SettingsFilePath(), bytes);
        gDbPath = DefaultDbPath();
        ReadSettings();
        EXPECT_EQ(gDbPath, DefaultDbPath());
    }
    // Only its beginning is read: a path and numbers followed by megabytes of anything.
    WriteIni("\r\n 0 \r\n 12 \r\n 0 \r\n 41 \r\n 0 \r\n" + std::string(8 << 20, 'x'));
    ReadSettings();
    EXPECT_EQ(gDbPath, dbPath);
    EXPECT_EQ(gTimesRun, 41);
}

// A disk filling up is played with a file size limit, which Windows does not have.
#ifndef _WIN32
TEST_F(SettingsTest, FailedWritesAreReportedAndLeaveThePreviousFileWhole) {
    gDbPath = dbPath;
    WriteSettings();
    const std::string before = ReadBytes(SettingsFilePath());

    // A disk that fills up part way: no file may grow beyond 64 bytes for the moment.
    gDbPath = dbPath + std::string(200, 'x');
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    WriteSettings();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(ReadBytes(SettingsFilePath()), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir()), {}), 2)
        << "a temporary file was left behind";
    EXPECT_EQ(services->titles(), std::vector<std::string>{"Error!"});
}
#endif

}  // namespace
