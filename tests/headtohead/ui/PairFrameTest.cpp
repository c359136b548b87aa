// The Find Pair frame in the main window, on the pair DUZEDO.

#include <QLabel>
#include <QLineEdit>

#include "headtohead/PairComparison.h"
#include "headtohead/PairWindow.h"
#include "headtohead/ui/PairFrame.h"
#include "players/PlayerStats.h"
#include "players/ui/PlayerStatsFrame.h"
#include "shell/FrameTable.h"
#include "shell/StatusLine.h"
#include "widgets/Button.h"

namespace {

class PairWindow : public PairDuzedoWindow<FrameIndex<PairFrame>()> {
  protected:
    using PairDuzedoWindow::PairDuzedoWindow;
    QListWidget& List(int i) { return *Ctl<QListWidget>(window, ArrayName("lstPair", i)); }
    Texts Results(int i) {
        return Items(*Ctl<QListWidget>(window, ArrayName("lstPairResults", i)));
    }
    std::string Text(const std::string& label) {
        return ToUtf8(Ctl<QLabel>(window, label)->text());
    }
    void Pick(const std::string& one, const std::string& two) {
        ClickRow(List(0), Row(one));
        ClickRow(List(1), Row(two));
    }
};

TEST_F(PairWindow, ButtonWaitsForBothPlayersAndEnterCompares) {
    Button& go = *Ctl<Button>(window, "chbPair");
    EXPECT_FALSE(go.isEnabled());
    // Enter with one list picked does nothing.
    ClickRow(List(0), Row("Aris"));
    EXPECT_FALSE(go.isEnabled());
    PressEnter(List(0));
    EXPECT_EQ(Text("lblPair"), "< no pair >");

    ClickRow(List(1), Row("Bodo"));
    EXPECT_TRUE(go.isEnabled());
    PressEnter(List(1));
    EXPECT_EQ(Text("lblPair"), "Aris (#3) vs Bodo (#12) ");
    EXPECT_EQ(Results(0)[4], "Goals for: 3 (1.5)");
    EXPECT_EQ(CellTexts(*Ctl<GridControl>(window, "grdPairGames"), 3),
              (Grid{{"#", "Team A", "Team B"}, {"1", "Bodo", "Aris"}, {"2", "Aris", "Bodo"}}));
    EXPECT_TRUE(services->messages.empty());
}

TEST_F(PairWindow, DoubleClickAndButtonCompareAndLeaveNothingOfTheLastPair) {
    ClickRow(List(0), Row("Cleo"));
    ClickRow(List(1), Row("Dara"), true);
    EXPECT_EQ(Text("lblPair"), "Cleo vs Dara (#5) ");

    // Never met: names and heading, nothing else, no message.
    Pick("Aris", "Cleo");
    Ctl<Button>(window, "chbPair")->click();
    EXPECT_EQ(Text("lblPairResults_1"), "Cleo");
    EXPECT_TRUE(Results(1).empty());
    EXPECT_EQ(Ctl<GridControl>(window, "grdPairGames")->rows(), 1);
    EXPECT_TRUE(services->messages.empty());
}

TEST_F(PairWindow, SamePlayerTwiceIsAJokeInAnInformationBox) {
    Pick("Aris", "Bodo");
    Ctl<Button>(window, "chbPair")->click();
    ClickRow(List(1), Row("Aris"), true);
    EXPECT_EQ(Text("lblPair"), "Aris (#3) vs Aris (#3)  * personality crisis *");
    ASSERT_EQ(services->messages.size(), 1U);
    const FakeServices::Message& shown = services->messages[0];
    EXPECT_EQ(shown.icon, MessageIcon::Information);
    const auto jokes = PairJokes("Aris");
    EXPECT_NE(std::find(jokes.begin(), jokes.end(), Joke{shown.text, shown.title}), jokes.end())
        << shown.title;
    EXPECT_TRUE(Results(0).empty());
    EXPECT_EQ(Ctl<GridControl>(window, "grdPairGames")->rows(), 1);
}

class PairWindowWithAnIdlePlayer : public PairWindow {
  protected:
    PairWindowWithAnIdlePlayer() : PairWindow(WritePairDuzedoWithAnIdlePlayer) {}
};

// Find Pair, then Player Stats: the status line says why they show nothing.
TEST_F(PairWindowWithAnIdlePlayer, NoGamesAndUnknownNamesAreToldInTheStatusLine) {
    const StatusLine& status = *Ctl<StatusLine>(window, "picStatus");
    const std::tuple<std::string, std::string, std::string> pairs[] = {
        {"Zeno", "Aris", "Zeno has no games"},
        {"Aris", "Cleo", "Aris and Cleo have never met"},
        {"Aris", "Bodo", ""}};
    for (const auto& [one, two, note] : pairs) {
        Pick(one, two);
        Ctl<Button>(window, "chbPair")->click();
        EXPECT_EQ(ToUtf8(status.message()), note);
        EXPECT_EQ(Results(0).empty(), !note.empty()) << note;
    }
    window.BarClick(FrameIndex<PlayerStatsFrame>());
    const std::pair<std::string, std::string> names[] = {
        {"Nobody", "No player named Nobody"}, {"zeno", "zeno has no games"}, {"Aris", ""}};
    for (const auto& [typed, note] : names) {
        Ctl<QLineEdit>(window, "txtPlayer")->setText(ToQString(typed));
        PressEnter(*Ctl<QLineEdit>(window, "txtPlayer"));
        EXPECT_EQ(ToUtf8(status.message()), note);
        EXPECT_EQ(Text("Label2_1") == kNoPlayerHeading, !note.empty()) << typed;
    }
}

}  // namespace
