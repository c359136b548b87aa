// The Player Stats frame of the main window and the windows its buttons open, on the sample
// DUZEDO.

#include "core/PlayerNames.h"
#include "players/Games.h"
#include "players/PlayerStats.h"
#include "players/Positions.h"
#include "players/ui/PlayerStatsFrame.h"
#include "rankings/RankingProgress.h"
#include "support/MainWindowFixtures.h"
#include "support/TestDuzedo.h"
#include "widgets/Button.h"

namespace {

ViewTexts Typed(ViewTexts view, const std::string& text) {
    view.set("txtPlayer", text);
    return view;
}

// A click in the list copies the bare name (the list shows the country too); a double-click, or
// Enter, shows the player.
class PlayerWays : public SampleMainWindow, public testing::WithParamInterface<FrameCase> {
  protected:
    PlayerWays() : SampleMainWindow(1) {}
};

TEST_P(PlayerWays, ShowWhatTheViewGives) {
    Walk(window, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Frame, PlayerWays,
    testing::Values(FrameCase{"NoPlayerAtFirst", {}, [] { return NoPlayerView(); }},
                    FrameCase{"AClickCopiesTheName",
                              {{"lstPlayers", "#3"}},
                              [] { return Typed(NoPlayerView(), gPlayers[3]); }},
                    FrameCase{"ADoubleClickShowsThePlayer",
                              {{"lstPlayers", "#5", true}},
                              [] { return Typed(PlayerStatsView(gPlayers[5]), gPlayers[5]); }},
                    FrameCase{"EnterInTheListIsGo",
                              {{"lstPlayers", "#2", false, Qt::Key_Return}},
                              [] { return PlayerStatsView(gPlayers[2]); }}),
    CaseName);

class PlayerFrame : public SampleMainWindow {
  protected:
    PlayerFrame() : SampleMainWindow(1) {}
};

// Each button opens its window on the player last looked up, whatever the box says since.
TEST_F(PlayerFrame, ButtonsOpenTheirWindowsOnTheLastPlayerLookedUp) {
    const std::string player = gPlayers[0];
    C<QLineEdit>("txtPlayer").setText(ToQString(player));
    C<Button>("chbPlayerGo").click();
    C<QLineEdit>("txtPlayer").setText("Somebody Else");
    const FrameCase windows[] = {
        {"chbPlayerHome", {{"cmbOrder", "#3"}}, [&] { return GamesView(player, kHomeGames, 3); }},
        {"chbPlayerAway", {}, [&] { return GamesView(player, kAwayGames, 0); }},
        {"chbPlayerPositions", {}, [&] { return PositionsView(player, 1000, 1000); }},
        {"chbPlayerRankGraph", {}, [&] { return ProgressView(player, 1000, 1000); }}};
    for (const FrameCase& opened : windows) {
        SCOPED_TRACE(opened.name);
        WhenModal(window, [&](QDialog& dialog) { Walk(dialog, opened); });
        C<Button>(opened.name).click();
        EXPECT_EQ(window.findChild<QDialog*>(), nullptr);
    }
    WhenModal(window, [&](QDialog& dialog) {
        Ctl<QPushButton>(dialog, "chbClose")->click();
        EXPECT_TRUE(dialog.isHidden());
    });
    C<Button>("chbPlayerAway").click();
}

class PlayerFrameOnADamagedDuzedo : public LoadedMainWindow {
  protected:
    PlayerFrameOnADamagedDuzedo()
        : LoadedMainWindow(
              "damaged",
              [](const std::string& path) { WriteTestDuzedo(path, {.goalAsText = true}); }, 1) {}
};

TEST_F(PlayerFrameOnADamagedDuzedo, AGoalHeldAsTextIsAMessageNotAnEnd) {
    C<QLineEdit>("txtPlayer").setText("Bodo");
    C<Button>("chbPlayerGo").click();
    // The record's sums pass over the text; the games list cannot show it as a number.
    EXPECT_EQ(C<QLabel>("Label2_1").text().left(4), "Bodo");
    EXPECT_TRUE(services->messages.empty());
    C<Button>("chbPlayerHome").click();
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_NE(services->messages[0].text.find("'two' is not a number"), std::string::npos);
    EXPECT_EQ(window.findChild<QDialog*>(), nullptr);
    EXPECT_EQ(window.mCurrentFrame, 1);
}

}  // namespace
