// The World Rankings frame of the main window on the sample DUZEDO.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include "core/PlayerNames.h"
#include "players/ui/PlayerStatsFrame.h"
#include "rankings/Rankings.h"
#include "rankings/ui/RankingsFrame.h"
#include "support/MainWindowFixtures.h"
#include "support/WindowControls.h"
#include "widgets/Button.h"

namespace {

class WorldRankings : public SampleMainWindow {
  protected:
    // The four named columns; the fifth is a hidden spare.
    Grid Table() const { return CellTexts(*Ctl<GridControl>(window, "grdRankings"), 4); }
    QComboBox& Months() const { return *Ctl<QComboBox>(window, "cmbRankMonth"); }
};

TEST_F(WorldRankings, MonthAndCountryRefillTheTable) {
    // The sample's file is dated today, long after its last ranking month.
    EXPECT_EQ(Table(), RankingsView({"", std::nullopt}).grid("grdRankings"));
    EXPECT_EQ(Months().currentText(), "December 2003");
    auto* note = Find<QLabel>(*window.ui.fraFrame[0], "lblNote");
    EXPECT_TRUE(note->isVisibleTo(window.ui.fraFrame[0]));
    EXPECT_TRUE(note->toolTip().contains("yet: showing December 2003"));

    // Whatever changes, the table shows the month the box shows: chosen by keys, the country
    // changed, the frame left and come back to.
    Months().setFocus();
    QTest::keyClick(&Months(), Qt::Key_Home);
    EXPECT_EQ(Table(), RankingsView({"R0101", std::nullopt}).grid("grdRankings"));
    EXPECT_TRUE(note->isHidden());
    auto& countries = *Ctl<QComboBox>(window, "cmbRankingFilter");
    QTest::keyClick(&countries, Qt::Key_Down);
    const std::string country = countries.currentText().toStdString();
    EXPECT_EQ(Table(), RankingsView({"R0101", country}).grid("grdRankings"));
    QTest::mouseClick(window.ui.chbBar[1], Qt::LeftButton);
    QTest::mouseClick(window.ui.chbBar[0], Qt::LeftButton);
    EXPECT_EQ(Months().currentIndex(), 0);
    EXPECT_EQ(Table(), RankingsView({"R0101", country}).grid("grdRankings"));
    EXPECT_TRUE(note->isHidden());
}

// Its table "tables" has no player column, which the participation limit counts.
class RankingsFrameOnAnOddDuzedo : public LoadedMainWindow {
  protected:
    RankingsFrameOnAnOddDuzedo()
        : LoadedMainWindow("oddranks",
                           [](const std::string& path) { WriteListsDuzedo(path, true); }) {}
};

TEST_F(WorldRankings, TheFirstDoubleClickAfterStartShowsThePlayerClicked) {
    // As a user finds it: the window active, the focus in the table, nothing chosen in the
    // player list yet.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    GridControl& grid = *Ctl<GridControl>(window, "grdRankings");
    grid.setFocus();
    const std::string player = grid.textMatrix(3, 1);
    ClickRow(grid, 3, true);
    QApplication::processEvents();
    EXPECT_EQ(FrameOf<PlayerStatsFrame>(window).CurrentPlayer(), player);
    EXPECT_EQ(Ctl<QLineEdit>(window, "txtPlayer")->text().toStdString(), player);
    // The list shows him as the current row.
    const QListWidget& list = *Ctl<QListWidget>(window, "lstPlayers");
    ASSERT_GE(list.currentRow(), 0);
    EXPECT_EQ(gPlayers[static_cast<std::size_t>(list.currentRow())], player);
    EXPECT_EQ(Ctl<QLabel>(window, "Label2_1")->text().toStdString(),
              player + " ( #" + grid.textMatrix(3, 0) + " - " + grid.textMatrix(3, 3) + " pts )");

    // The header row is no player.
    window.BarClick(0);
    ClickRow(grid, 0, true);
    EXPECT_EQ(window.mCurrentFrame, 0);
}

TEST_F(RankingsFrameOnAnOddDuzedo, UnreadableRankingsLeaveTheHeaderAndSaySo) {
    EXPECT_EQ(Ctl<GridControl>(window, "grdRankings")->rows(), 1);
    const auto* note = window.ui.fraFrame[0]->findChild<QLabel*>("lblNote");
    EXPECT_FALSE(note->isHidden());
    EXPECT_EQ(FrameOf<RankingsFrame>(window).Note(), "The rankings table cannot be read");
}

}  // namespace
