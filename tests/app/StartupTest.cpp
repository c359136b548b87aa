#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/Startup.h"
#include "core/Settings.h"
#include "db/Database.h"
#include "shell/frmMain.h"
#include "support/FakeServices.h"
#include "support/FileBytes.h"
#include "support/ProgramDirFixture.h"
#include "support/TestDuzedo.h"
#include "widgets/SizeLimit.h"

namespace {

using Titles = std::vector<std::string>;

bool Exists(const std::string& path) {
    return std::filesystem::exists(path);
}

bool SplashShowing() {
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmSplash" && w->isVisible()) return true;
    }
    return false;
}

class StartupTest : public ProgramDirFixture {
  protected:
    StartupTest() : ProgramDirFixture("startup") {}
    void SetUp() override {
        ProgramDirFixture::SetUp();
        WriteTestDuzedo(DefaultDbPath());
    }

    void Start() { window = RunStartup(); }
    void MakeCache() { std::ofstream(MiscCacheFilePath()) << "figures\n"; }
};

TEST_F(StartupTest, FirstRunShowsTheSplashThenTheMainWindow) {
    bool splashDuringWait = false;
    services->onSleep = [&] { splashDuringWait = SplashShowing(); };
    services->onShow = [&] { EXPECT_FALSE(SplashShowing()); };
    Start();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(services->messages.empty());
    EXPECT_TRUE(splashDuringWait);
    EXPECT_TRUE(window->isVisible());
    EXPECT_NE(gConn, nullptr);
    EXPECT_TRUE(window->windowTitle().endsWith(QString::fromStdString(DbFileDate(gDbPath) + ")")));
    EXPECT_EQ(window->minimumSize(), QSize(kMainMinWidth, kMainMinHeight));
    EXPECT_EQ(window->mInitialised, 1);
}

TEST_F(StartupTest, MissingDatabaseAndCancelledDialogEndWithoutWritingSettings) {
    std::filesystem::remove(DefaultDbPath());
    MakeCache();
    Start();
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(services->locateCalls, 1);
    ASSERT_EQ(services->titles(), (Titles{"Requirement", "Critical error!"}));
    EXPECT_EQ(services->messages[1].icon, MessageIcon::Critical);
    EXPECT_FALSE(Exists(SettingsFilePath()));
    EXPECT_FALSE(Exists(MiscCacheFilePath()));
    EXPECT_FALSE(SplashShowing());
}

TEST_F(StartupTest, CacheSurvivesOnlyRunsWhoseStoredSignatureMatchesUntilTheDatabaseMoves) {
    Start();  // the first run has no signature to store yet
    Stop();
    MakeCache();
    Start();
    EXPECT_FALSE(Exists(MiscCacheFilePath()));
    Stop();
    MakeCache();
    Start();
    EXPECT_TRUE(Exists(MiscCacheFilePath()));
    EXPECT_TRUE(services->messages.empty());
    Stop();

    const std::string moved = AppDir() + "elsewhere.mdb";
    std::filesystem::rename(DefaultDbPath(), moved);
    services->locateAnswer = moved;
    Start();
    ASSERT_NE(window, nullptr);
    // The stored database's date cannot be read, then the user is asked for it.
    EXPECT_EQ(services->titles(), (Titles{"Error!", "Requirement"}));
    EXPECT_FALSE(Exists(MiscCacheFilePath()));
    EXPECT_TRUE(ReadBytes(SettingsFilePath()).starts_with(moved + "\r\n 1 \r\n 20 \r\n 1 \r\n 4 "));
}

TEST_F(StartupTest, ADatabaseThatCannotBeOpenedOffersAnotherAndRemembersIt) {
    const std::string junk = AppDir() + "notes.mdb";
    std::ofstream(junk) << "not a database";
    const std::string good = AppDir() + "real.mdb";
    std::filesystem::rename(DefaultDbPath(), good);
    std::ofstream(SettingsFilePath(), std::ios::binary)
        << junk + "\r\n 1 \r\n 20 \r\n 1 \r\n 1 \r\n 1 \r\n\r\n";
    services->locateAnswer = good;

    Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(services->locateCalls, 1);
    EXPECT_EQ(services->titles(), (Titles{"Critical error!"}));
    EXPECT_TRUE(ReadBytes(SettingsFilePath()).starts_with(good + "\r\n"));
}

TEST_F(StartupTest, SplashWaitsForTheSecondAfterTheRoundedStartAndNoLonger) {
    const struct {
        double start;
        bool clockRuns;
        double shownFrom, shownBefore, sleptBefore;
    } cases[] = {
        {10.4, true, 11.0, 11.02, 1},
        {10.6, true, 12.0, 12.02, 2},
        {86399.7, true, 0.0, 0.02, 0.4},  // passes midnight
        {500.0, false, 500.0, 500.01, 2.02},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        services->clock = c.start;
        services->clockRuns = c.clockRuns;
        services->slept = 0;
        Start();
        EXPECT_GE(services->shownAt, c.shownFrom - 1e-9);
        EXPECT_LT(services->shownAt, c.shownBefore);
        EXPECT_LT(services->slept, c.sleptBefore);
        Stop();
    }
}

// Closed by its close button or by Ctrl+Q.
TEST_F(StartupTest, ClosingDisconnectsAndShrinksOnlyANormalWindowWithAnimationOn) {
    const struct {
        std::int16_t animation;
        bool maximised, ctrlQ, animates;
    } cases[] = {{1, false, false, true},
                 {1, true, false, false},
                 {0, false, false, false},
                 {1, false, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.animation << c.maximised << c.ctrlQ);
        Start();
        ASSERT_NE(window, nullptr);
        if (c.maximised) window->showMaximized();
        gOptFrameAnimation = c.animation;
        const int eventRunsBefore = services->eventRuns;
        if (c.ctrlQ) {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        } else {
            EXPECT_TRUE(window->close());
        }
        EXPECT_EQ(services->eventRuns > eventRunsBefore, c.animates);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(gConn, nullptr);
        Stop();
    }
}

TEST_F(StartupTest, ATableWithoutTheColumnsOfTheFirstQueriesEndsWithTheCriticalMessage) {
    WriteTestDuzedo(DefaultDbPath(), {.rankingsWithoutCountry = true});
    Start();
    EXPECT_EQ(window, nullptr);
    ASSERT_EQ(services->titles(), (Titles{"Critical error!"}));
    // The reason goes with the message, not only to a terminal the user never sees.
    EXPECT_NE(services->messages[0].detail.find("country"), std::string::npos)
        << services->messages[0].detail;
    EXPECT_EQ(gConn, nullptr);
}

}  // namespace
