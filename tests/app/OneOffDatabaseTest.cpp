#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>
#include <fstream>

#include "app/Startup.h"
#include "core/Settings.h"
#include "db/Database.h"
#include "misc/MiscCache.h"
#include "misc/ui/MiscFrame.h"
#include "options/ui/OptionsFrame.h"
#include "shell/FrameTable.h"
#include "shell/frmMain.h"
#include "support/FakeServices.h"
#include "support/FileBytes.h"
#include "support/MainWindowFixtures.h"
#include "support/ProgramDirFixture.h"
#include "support/TestDuzedo.h"
#include "widgets/Grid.h"

namespace {

using Titles = std::vector<std::string>;

// A program directory whose settings name duzedo.mdb (with its signature, after one ordinary
// start), and another DUZEDO beside it to open for one run.
class OneOffDatabase : public ProgramDirFixture {
  protected:
    OneOffDatabase() : ProgramDirFixture("oneoff") {}
    void SetUp() override {
        ProgramDirFixture::SetUp();
        WriteTestDuzedo(DefaultDbPath());
        WriteTestDuzedo(other);
        // The first start has no signature to store yet; the second stores it.
        for (int run = 0; run < 2; ++run) {
            Start();
            Stop();
        }
        stored = ReadBytes(SettingsFilePath());
        ASSERT_TRUE(stored.starts_with(DefaultDbPath() + "\r\n"));
        ASSERT_FALSE(stored.ends_with("\r\n\r\n")) << "no signature stored";
    }

    void Start(std::optional<std::string> database = std::nullopt) {
        window = RunStartup({.database = std::move(database)});
        if (window) gOptFrameAnimation = 0;
    }
    // The last line of the settings, the stored database's signature.
    static std::string Signature(const std::string& settings) {
        return settings.substr(settings.rfind("\r\n", settings.size() - 3));
    }

    const std::string other = (dir().path() / "other.mdb").string();
    std::string stored;
};

TEST_F(OneOffDatabase, RunsOnTheFileNamedWhileTheSettingsKeepTheirDatabaseAndSignature) {
    Start(other);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(services->messages.empty());
    EXPECT_EQ(gDbPath, std::filesystem::absolute(other).string());
    EXPECT_EQ(gTimesRun, 3);
    const std::string during = ReadBytes(SettingsFilePath());
    EXPECT_TRUE(during.starts_with(DefaultDbPath() + "\r\n")) << during;
    EXPECT_EQ(Signature(during), Signature(stored));
    EXPECT_NE(during, stored) << "the run is counted";

    // Apply during the run keeps naming the stored database too.
    window->BarClick(FrameIndex<OptionsFrame>());
    Ctl<QLineEdit>(*window, "txtOptGames")->setText("25");
    FrameOf<OptionsFrame>(*window).ApplyOptions();
    const std::string applied = ReadBytes(SettingsFilePath());
    EXPECT_TRUE(applied.starts_with(DefaultDbPath() + "\r\n")) << applied;
    EXPECT_NE(applied.find("\r\n 25 \r\n"), std::string::npos) << applied;
    EXPECT_EQ(gDbPath, std::filesystem::absolute(other).string());

    // The next ordinary start is on the stored database again, its signature matching.
    Stop();
    Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(gDbPath, DefaultDbPath());
    EXPECT_TRUE(gMiscCacheValid);
}

TEST_F(OneOffDatabase, TheStoredDatabasesMiscCacheIsNeitherShownNorReplaced) {
    const MiscFigures figures{Texts(7, "7"), Texts(22, "Cached (1)")};
    ASSERT_TRUE(SaveMiscCache(MiscCacheFilePath(), figures));
    const std::string cache = ReadBytes(MiscCacheFilePath());

    Start(other);
    ASSERT_NE(window, nullptr);
    window->BarClick(FrameIndex<MiscFrame>());
    const GridControl& general = *Ctl<GridControl>(*window, "grdMisc_0");
    EXPECT_NE(general.textMatrix(6, 1), "7");
    EXPECT_FALSE(general.textMatrix(0, 1).empty());
    Ctl<QPushButton>(*window, "chbMiscRecalc")->click();
    EXPECT_EQ(ReadBytes(MiscCacheFilePath()), cache);

    // Naming the stored database on the command line is an ordinary start, with its cache.
    Stop();
    Start(DefaultDbPath());
    ASSERT_NE(window, nullptr);
    window->BarClick(FrameIndex<MiscFrame>());
    EXPECT_EQ(Ctl<GridControl>(*window, "grdMisc_0")->textMatrix(6, 1), "7");
}

TEST_F(OneOffDatabase, AFileThatCannotBeOpenedEndsTheStartWithItsReasonAndAsksForNoOther) {
    const std::string junk = (dir().path() / "notes.mdb").string();
    std::ofstream(junk) << "not a database";
    const std::string missing = (dir().path() / "nowhere.mdb").string();
    for (const std::string& path : {junk, missing}) {
        SCOPED_TRACE(path);
        services->messages.clear();
        services->locateAnswer = other;
        Start(path);
        EXPECT_EQ(window, nullptr);
        EXPECT_EQ(services->locateCalls, 0);
        ASSERT_EQ(services->titles(), (Titles{"Critical error!"}));
        EXPECT_FALSE(services->messages[0].detail.empty());
        EXPECT_EQ(ReadBytes(SettingsFilePath()), stored);
        EXPECT_EQ(gConn, nullptr);
    }
}

TEST_F(OneOffDatabase, WithoutAStoredDatabaseTheRunWritesNoSettingsToTripOverLater) {
    std::filesystem::remove(SettingsFilePath());
    std::filesystem::remove(DefaultDbPath());
    Start(other);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(services->locateCalls, 0);
    EXPECT_FALSE(std::filesystem::exists(SettingsFilePath()));
}

}  // namespace
