// The Find Pair frame in the main window, on the pair DUZEDO.

#include "headtohead/PairComparison.h"
#include "headtohead/PairDuzedo.h"
#include "headtohead/ui/PairFrame.h"
#include "players/PlayerStats.h"
#include "players/ui/PlayerStatsFrame.h"
#include "shell/FrameTable.h"
#include "shell/StatusLine.h"
#include "support/MainWindowFixtures.h"
#include "widgets/Button.h"

namespace {

class PairWindow : public LoadedMainWindow {
  protected:
    explicit PairWindow(void (*write)(const std::string&) = WritePairDuzedo)
        : LoadedMainWindow("pair-window", write, FrameIndex<PairFrame>()) {}
    Texts Results(int i) { return Items(C<QListWidget>(ArrayName("lstPairResults", i))); }
    std::string Text(const std::string& label) { return ToUtf8(C<QLabel>(label).text()); }
    void Pick(const std::string& one, const std::string& two, bool twice = false) {
        Do(window, {"lstPair_0", one});
        Do(window, {"lstPair_1", two, twice});
    }
};

TEST_F(PairWindow, ButtonWaitsForBothPlayersAndEachWayOfComparingLeavesNothingOfTheLast) {
    Button& go = C<Button>("chbPair");
    EXPECT_FALSE(go.isEnabled());
    // Enter with one list picked does nothing.
    Do(window, {"lstPair_0", "Aris"});
    EXPECT_FALSE(go.isEnabled());
    PressEnter(C<QListWidget>("lstPair_0"));
    EXPECT_EQ(Text("lblPair"), "< no pair >");

    Do(window, {"lstPair_1", "Bodo"});
    EXPECT_TRUE(go.isEnabled());
    PressEnter(C<QListWidget>("lstPair_1"));
    EXPECT_EQ(Text("lblPair"), "Aris (#3) vs Bodo (#12) ");
    EXPECT_EQ(Results(0)[4], "Goals for: 3 (1.5)");
    EXPECT_EQ(CellTexts(C<GridControl>("grdPairGames"), 3),
              (Grid{{"#", "Team A", "Team B"}, {"1", "Bodo", "Aris"}, {"2", "Aris", "Bodo"}}));

    // A double-click compares; never met: names and heading, nothing else, no message.
    Pick("Cleo", "Dara", true);
    EXPECT_EQ(Text("lblPair"), "Cleo vs Dara (#5) ");
    Pick("Aris", "Cleo");
    go.click();
    EXPECT_EQ(Text("lblPairResults_1"), "Cleo");
    EXPECT_TRUE(Results(1).empty());
    EXPECT_EQ(C<GridControl>("grdPairGames").rows(), 1);
    EXPECT_TRUE(services->messages.empty());

    // The same player twice is a joke in an information box.
    Pick("Aris", "Bodo");
    go.click();
    Do(window, {"lstPair_1", "Aris", true});
    EXPECT_EQ(Text("lblPair"), "Aris (#3) vs Aris (#3)  * personality crisis *");
    ASSERT_EQ(services->messages.size(), 1U);
    const FakeServices::Message& shown = services->messages[0];
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    const auto jokes = PairJokes("Aris");
    EXPECT_NE(std::find(jokes.begin(), jokes.end(), Joke{shown.text, shown.title}), jokes.end())
        << shown.title;
    EXPECT_TRUE(Results(0).empty());
    EXPECT_EQ(C<GridControl>("grdPairGames").rows(), 1);
}

class PairWindowWithAnIdlePlayer : public PairWindow {
  protected:
    PairWindowWithAnIdlePlayer() : PairWindow(WritePairDuzedoWithAnIdlePlayer) {}
};

// Find Pair, then Player Stats: the status line says why they show nothing.
TEST_F(PairWindowWithAnIdlePlayer, NoGamesAndUnknownNamesAreToldInTheStatusLine) {
    const StatusLine& status = C<StatusLine>("picStatus");
    const std::tuple<std::string, std::string, std::string> pairs[] = {
        {"Zeno", "Aris", "Zeno has no games"},
        {"Aris", "Cleo", "Aris and Cleo have never met"},
        {"Aris", "Bodo", ""}};
    for (const auto& [one, two, note] : pairs) {
        Pick(one, two);
        C<Button>("chbPair").click();
        EXPECT_EQ(ToUtf8(status.message()), note);
        EXPECT_EQ(Results(0).empty(), !note.empty()) << note;
    }
    window.BarClick(FrameIndex<PlayerStatsFrame>());
    const std::pair<std::string, std::string> names[] = {
        {"Nobody", "No player named Nobody"}, {"zeno", "zeno has no games"}, {"Aris", ""}};
    for (const auto& [typed, note] : names) {
        C<QLineEdit>("txtPlayer").setText(ToQString(typed));
        PressEnter(C<QLineEdit>("txtPlayer"));
        EXPECT_EQ(ToUtf8(status.message()), note);
        EXPECT_EQ(Text("Label2_1") == kNoPlayerHeading, !note.empty()) << typed;
    }
}

}  // namespace
