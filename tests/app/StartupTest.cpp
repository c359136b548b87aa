// Starting the program: the splash, the database the settings name or one named for a single
// run, what is asked and said when it cannot be used, the cache kept or dropped, closing, and
// settings files that are not what the program wrote.

#include <QJsonArray>
#include <QJsonObject>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/Startup.h"
#include "db/Database.h"
#include "misc/MiscCache.h"
#include "misc/ui/MiscFrame.h"
#include "options/ui/OptionsFrame.h"
#include "shell/FrameTable.h"
#include "shell/WindowMemory.h"
#include "support/FileBytes.h"
#include "support/MainWindowFixtures.h"
#include "support/ProgramDirFixture.h"
#include "support/TestData.h"
#include "support/TestDuzedo.h"
#include "widgets/SizeLimit.h"

namespace {

using Titles = std::vector<std::string>;

namespace fs = std::filesystem;

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

    void Start(std::optional<std::string> database = std::nullopt) {
        window = RunStartup({.database = std::move(database)});
        if (window) gOptFrameAnimation = 0;
    }
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
    EXPECT_EQ(window->minimumSize(), QSize(kMainMinWidth, kMainMinHeight + window->MenuHeight()));
    EXPECT_EQ(window->mInitialised, 1);
}

TEST_F(StartupTest, MissingDatabaseAndCancelledDialogEndWithoutWritingSettings) {
    fs::remove(DefaultDbPath());
    MakeCache();
    Start();
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(services->locateCalls, 1);
    ASSERT_EQ(services->titles(), (Titles{"Requirement", "Critical error!"}));
    EXPECT_EQ(services->messages[1].icon, MessageIcon::Critical);
    EXPECT_FALSE(fs::exists(SettingsFilePath()));
    EXPECT_FALSE(fs::exists(MiscCacheFilePath()));
    EXPECT_FALSE(SplashShowing());
}

TEST_F(StartupTest, CacheSurvivesOnlyRunsWhoseStoredSignatureMatchesUntilTheDatabaseMoves) {
    Start();  // the first run has no signature to store yet
    Stop();
    MakeCache();
    Start();
    EXPECT_FALSE(fs::exists(MiscCacheFilePath()));
    Stop();
    MakeCache();
    Start();
    EXPECT_TRUE(fs::exists(MiscCacheFilePath()));
    EXPECT_TRUE(services->messages.empty());
    Stop();

    const std::string moved = AppDir() + "elsewhere.mdb";
    fs::rename(DefaultDbPath(), moved);
    services->locateAnswer = moved;
    Start();
    ASSERT_NE(window, nullptr);
    // The stored database's date cannot be read, then the user is asked for it.
    EXPECT_EQ(services->titles(), (Titles{"Error!", "Requirement"}));
    EXPECT_FALSE(fs::exists(MiscCacheFilePath()));
    EXPECT_TRUE(ReadBytes(SettingsFilePath()).starts_with(moved + "\r\n 1 \r\n 20 \r\n 1 \r\n 4 "));
}

TEST_F(StartupTest, ADatabaseThatCannotBeOpenedOffersAnotherAndRemembersIt) {
    const std::string junk = AppDir() + "notes.mdb";
    std::ofstream(junk) << "not a database";
    const std::string good = AppDir() + "real.mdb";
    fs::rename(DefaultDbPath(), good);
    std::ofstream(SettingsFilePath(), std::ios::binary)
        << junk + "\r\n 1 \r\n 20 \r\n 1 \r\n 1 \r\n 1 \r\n\r\n";
    services->locateAnswer = good;

    Start();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(services->locateCalls, 1);
    EXPECT_EQ(services->titles(), (Titles{"Critical error!"}));
    EXPECT_TRUE(ReadBytes(SettingsFilePath()).starts_with(good + "\r\n"));
}

// The cases of this test and the next are in tests/data/StartupClock.json.
TEST_F(StartupTest, SplashWaitsForTheSecondAfterTheRoundedStartAndNoLonger) {
    for (const QJsonValue& c : TestJson("StartupClock.json")["splash"].toArray()) {
        SCOPED_TRACE(c["start"].toDouble());
        services->clock = c["start"].toDouble();
        services->clockRuns = c["clockRuns"].toBool();
        services->slept = 0;
        Start();
        EXPECT_GE(services->shownAt, c["shownFrom"].toDouble() - 1e-9);
        EXPECT_LT(services->shownAt, c["shownBefore"].toDouble());
        EXPECT_LT(services->slept, c["sleptBefore"].toDouble());
        Stop();
    }
    EXPECT_TRUE(SplashTimeUp(11.0, 12.0));  // a whole second to the dot is enough
}

// Closed by its close button or by Ctrl+Q.
TEST_F(StartupTest, ClosingDisconnectsAndShrinksOnlyANormalWindowWithAnimationOn) {
    for (const QJsonValue& c : TestJson("StartupClock.json")["closing"].toArray()) {
        SCOPED_TRACE(QJsonDocument(c.toObject()).toJson().toStdString());
        fs::remove(WindowMemoryPath());  // the last case's maximised window would come back so
        Start();
        ASSERT_NE(window, nullptr);
        if (c["maximised"].toBool()) window->showMaximized();
        gOptFrameAnimation = static_cast<std::int16_t>(c["animation"].toInt());
        const int eventRunsBefore = services->eventRuns;
        if (c["ctrlQ"].toBool()) {
            window->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
            QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
        } else {
            EXPECT_TRUE(window->close());
        }
        EXPECT_EQ(services->eventRuns > eventRunsBefore, c["animates"].toBool());
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

// A program directory whose settings name duzedo.mdb (with its signature, after one ordinary
// start), and another DUZEDO beside it to open for one run.
class OneOffDatabase : public StartupTest {
  protected:
    void SetUp() override {
        StartupTest::SetUp();
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
    EXPECT_EQ(gDbPath, fs::absolute(other).string());
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
    EXPECT_EQ(gDbPath, fs::absolute(other).string());

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
    fs::remove(SettingsFilePath());
    fs::remove(DefaultDbPath());
    Start(other);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(services->locateCalls, 0);
    EXPECT_FALSE(fs::exists(SettingsFilePath()));
}

// Settings files that are not what the program wrote, met at start-up: the program opens its
// window or refuses with a message, soon, and never changes the database file.

using Clock = std::chrono::steady_clock;

using DamagedSettingsCorpus = StartupTest;

TEST_F(DamagedSettingsCorpus, StartsOrRefusesSoonAndLeavesTheFilesAlone) {
    const std::string notes = (dir() / "notes.txt").string();
    WriteBytes(notes, "games, goals and tournaments, as plain text\n");
    std::mt19937 random(7);
    std::string binary(4096, '\0');
    for (char& c : binary) c = static_cast<char>(random());
    const std::string rest = "\r\n 1 \r\n 20 \r\n 1 \r\n 1 \r\n 1 \r\n\r\n";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"empty", ""},
        {"binary", binary},
        {"a million empty lines", std::string(1u << 20, '\n')},
        {"numbers out of range",
         DefaultDbPath() + "\r\n 99999999999999999999 \r\n -32769 \r\n 1e9 \r\n \r\n x \r\n\r\n"},
        {"a text file", notes + rest},
        {"a directory", dir().path().string() + rest},
        {"a device", "/dev/zero" + rest}};
    const std::string database = ReadBytes(DefaultDbPath());
    for (const auto& [label, settings] : cases) {
        SCOPED_TRACE(label);
        WriteBytes(SettingsFilePath(), settings);
        services->messages.clear();
        const auto begin = Clock::now();
        EXPECT_NO_THROW(Start());
        EXPECT_LT(Clock::now() - begin, std::chrono::seconds(20));
        EXPECT_TRUE(window != nullptr || !services->messages.empty());
        Stop();
        EXPECT_EQ(ReadBytes(DefaultDbPath()), database);
        EXPECT_EQ(ReadBytes(notes), "games, goals and tournaments, as plain text\n");
    }
}

}  // namespace
