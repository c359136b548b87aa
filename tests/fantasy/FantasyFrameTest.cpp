// The Fantasy League frame in the main window, on the pair DUZEDO.

#include <QTest>

#include "fantasy/ui/FantasyFrame.h"
#include "headtohead/PairWindow.h"
#include "shell/FrameTable.h"
#include "shell/StatusLine.h"
#include "support/ServicedMainWindow.h"
#include "widgets/Button.h"

namespace {

class FantasyWindow : public PairDuzedoWindow<FrameIndex<FantasyFrame>(), EventServices> {
  protected:
    QListWidget& Players() { return *Ctl<QListWidget>(window, "lstFantasyPlayers"); }
    QListWidget& Chosen() { return *Ctl<QListWidget>(window, "lstFantasySelected"); }
    Button& ListButton(int i) { return *Ctl<Button>(window, ArrayName("chbFantasyLst", i)); }
    Button& Start() { return *Ctl<Button>(window, "chbFantasyCalc"); }
    // The enabled states of the four list buttons and the start button: "00110".
    std::string States() {
        std::string states;
        for (int i = 0; i < 4; ++i) states += ListButton(i).isEnabled() ? '1' : '0';
        return states + (Start().isEnabled() ? '1' : '0');
    }
    Texts ChosenNames() { return Items(Chosen()); }
    void Choose(const std::vector<std::string>& names) {
        for (const std::string& name : names) ClickRow(Players(), Row(name), true);
    }
};

TEST_F(FantasyWindow, ChoosingAndRemovingFollowTheButtonRules) {
    EXPECT_EQ(States(), "00110");
    ClickRow(Players(), Row("Hugo"));
    EXPECT_EQ(States(), "10110");
    EXPECT_TRUE(Chosen().count() == 0);

    // Twice the same player: chosen once, by his bare name although the list shows his country.
    ClickRow(Players(), Row("Hugo"), true);
    ClickRow(Players(), Row("Hugo"), true);
    EXPECT_NE(ToUtf8(Players().item(Row("Hugo"))->text()), "Hugo");
    EXPECT_EQ(ChosenNames(), Texts{"Hugo"});
    EXPECT_EQ(States(), "10111");

    Players().setCurrentRow(Row("Aris"));
    PressEnter(Players());
    EXPECT_EQ(ChosenNames(), (Texts{"Hugo", "Aris"}));

    // Removing picks the first of the rest; removing the last disables remove and start.
    ClickRow(Chosen(), 1);
    EXPECT_EQ(States(), "11111");
    ListButton(1).click();
    EXPECT_EQ(ChosenNames(), Texts{"Hugo"});
    EXPECT_EQ(Chosen().currentRow(), 0);
    PressEnter(Chosen());
    EXPECT_TRUE(Chosen().count() == 0);
    EXPECT_EQ(States(), "10110");
}

TEST_F(FantasyWindow, ArrowKeysPickAPlayerAsAClickDoes) {
    QTest::keyClick(&Players(), Qt::Key_Down);
    EXPECT_EQ(States(), "10110");
    ListButton(0).click();
    QTest::keyClick(&Chosen(), Qt::Key_Down);
    EXPECT_EQ(States(), "11111");
}

TEST_F(FantasyWindow, ChooseAllGivesTheLeftListsOrderAndClearEmpties) {
    Choose({"Otto", "Aris"});
    ListButton(3).click();
    Texts all(gPlayers.begin(), gPlayers.begin() + Players().count());
    EXPECT_EQ(ChosenNames(), all);
    EXPECT_TRUE(Start().isEnabled());
    ListButton(2).click();
    EXPECT_TRUE(Chosen().count() == 0);
    EXPECT_FALSE(Start().isEnabled());
}

TEST_F(FantasyWindow, StartPlaysTheLeagueOnceWithTheWaitBox) {
    Choose({"Hugo", "Ivan", "Aris"});
    QStringList progress;
    QObject::connect(&FrameOf<FantasyFrame>(window), &Frame::waitProgress, &window,
                     [&](const QString& text) { progress << text; });
    QWidget& wait = *Ctl<QWidget>(window, "fraWait");
    int presses = 0;
    services->onEvents = [&] {
        EXPECT_TRUE(wait.isVisible());
        EXPECT_TRUE(FrameOf<FantasyFrame>(window).Running());
        EXPECT_EQ(States(), "00000");
        // A second start and list changes while the league is played change nothing.
        Start().click();
        FrameOf<FantasyFrame>(window).StartLeague();
        FrameOf<FantasyFrame>(window).FantasyListClick(2);
        ++presses;
    };
    Start().click();
    // Once before the league, once per first home player.
    EXPECT_EQ(presses, 4);
    EXPECT_FALSE(wait.isVisible());
    EXPECT_EQ(States(), "10111");
    EXPECT_EQ(progress, (QStringList{"", "Hugo vs Ivan", "Hugo vs Aris", "Ivan vs Aris"}));

    EXPECT_EQ(CellTexts(*Ctl<GridControl>(window, "grdFantasyGames"), 2)[2],
              (Texts{"Ivan", "Hugo"}));
    EXPECT_EQ(Ctl<GridControl>(window, "grdFantasyTable")->rows(), 4);
    // Hugo never played as Team B, Ivan never as Team A.
    EXPECT_EQ(ToUtf8(window.ui.picStatus->message()),
              "Too few games for a full prediction: Hugo (no game as Team B), Ivan (no game as "
              "Team A)");
}

}  // namespace
