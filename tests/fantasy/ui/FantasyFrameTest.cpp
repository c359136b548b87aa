// The Fantasy League frame in the main window, on the pair DUZEDO.

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTest>

#include "fantasy/ui/FantasyFrame.h"
#include "headtohead/PairWindow.h"
#include "shell/FrameTable.h"
#include "shell/StatusLine.h"
#include "support/ServicedMainWindow.h"
#include "widgets/Button.h"
#include "widgets/ModelGrid.h"

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
    FantasyFrame& Fantasy() { return FrameOf<FantasyFrame>(window); }
    ModelGrid& Games() { return *Ctl<ModelGrid>(window, "grdFantasyGames"); }
    ModelGrid& Table() { return *Ctl<ModelGrid>(window, "grdFantasyTable"); }
    void SetUp() override {
        PairDuzedoWindow::SetUp();
        // Served at every pair, so that even a small league can be watched and stopped.
        Fantasy().SetServiceInterval(0);
    }
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
    QObject::connect(&Fantasy(), &Frame::waitProgress, &window,
                     [&](const QString& text) { progress << text; });
    QWidget& wait = *Ctl<QWidget>(window, "fraWait");
    int presses = 0;
    services->onEvents = [&] {
        EXPECT_TRUE(wait.isVisible());
        EXPECT_TRUE(Fantasy().Running());
        EXPECT_EQ(States(), "00000");
        // A second start and list changes while the league is played change nothing.
        Start().click();
        Fantasy().StartLeague();
        Fantasy().FantasyListClick(2);
        ++presses;
    };
    // Started from the keyboard, Start has it back afterwards.
    QApplication::setActiveWindow(&window);
    Start().setFocus();
    QTest::keyClick(&Start(), Qt::Key_Return);
    EXPECT_TRUE(Start().hasFocus());
    // Once before the league, once per pair.
    EXPECT_EQ(presses, 4);
    EXPECT_FALSE(wait.isVisible());
    EXPECT_EQ(States(), "10111");
    EXPECT_EQ(progress, (QStringList{"", "Hugo vs Ivan", "Hugo vs Aris", "Ivan vs Aris"}));

    EXPECT_EQ(Games().textMatrix(2, 0), "Ivan");
    EXPECT_EQ(Games().textMatrix(2, 1), "Hugo");
    EXPECT_EQ(Table().rows(), 4);
    // Hugo never played as Team B, Ivan never as Team A: counted on the line, named in its tip.
    StatusLine& status = *window.ui.picStatus;
    EXPECT_EQ(ToUtf8(status.message()), "Too few games for a full prediction: 2 players");
    EXPECT_TRUE(status.toolTip().contains("Hugo (no game as Team B), Ivan (no game as Team A)"));

    // The next league clears the note before it starts, another frame as it comes forward.
    services->onEvents = [&] { EXPECT_EQ(status.message(), ""); };
    Chosen().clear();
    Choose({"Hugo", "Aris"});
    Start().click();
    EXPECT_EQ(ToUtf8(status.message()), "Too few games for a full prediction: 1 player");
    window.BarClick(0);
    EXPECT_EQ(status.message(), "");
    EXPECT_EQ(status.toolTip(), "");
}

TEST_F(FantasyWindow, CancelLeavesTheLastLeagueAndTheProgressMoves) {
    ListButton(3).click();
    services->onEvents = {};
    Start().click();
    const Grid games = Games().allTexts();
    const Grid table = Table().allTexts();
    ASSERT_GT(games.size(), 50U);

    // The bar as the window is served: shown from the start, up by a pair each time.
    const QProgressBar& bar = *Ctl<QProgressBar>(window, "prgWait");
    std::vector<int> seen;
    QElapsedTimer sinceCancel;
    services->onEvents = [&] {
        seen.push_back(bar.isVisible() ? bar.value() : -1);
        if (seen.size() == 6) {
            sinceCancel.start();
            Ctl<Button>(window, "chbWaitCancel")->click();
        }
    };
    Start().click();
    ASSERT_TRUE(sinceCancel.isValid());
    EXPECT_LT(sinceCancel.elapsed(), 200);
    EXPECT_EQ(seen, (std::vector<int>{0, 0, 1, 2, 3, 4}));
    EXPECT_FALSE(bar.isVisible());
    EXPECT_FALSE(Ctl<QWidget>(window, "fraWait")->isVisible());
    EXPECT_EQ(States(), "00111");
    EXPECT_EQ(Games().allTexts(), games);
    EXPECT_EQ(Table().allTexts(), table);

    // Esc stops a league too; with the help open, the first Esc closes the help.
    QApplication::setActiveWindow(&window);
    QWidget* help = Ctl<QWidget>(window, "picInfo");
    int escapes = 0;
    services->onEvents = [&] {
        if (escapes++ == 0) QTest::keyClick(&Fantasy(), Qt::Key_F1);
        QTest::keyClick(&Fantasy(), Qt::Key_Escape);
    };
    Start().click();
    EXPECT_FALSE(Fantasy().Running());
    EXPECT_FALSE(help->isVisible());
    EXPECT_GE(escapes, 2);
    EXPECT_EQ(Games().allTexts(), games);
}

}  // namespace
