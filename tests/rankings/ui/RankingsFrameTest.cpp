// The World Rankings frame of the main window, and the ranking progress window.

#include "core/PlayerNames.h"
#include "players/ui/PlayerStatsFrame.h"
#include "rankings/RankingMonths.h"
#include "rankings/RankingProgress.h"
#include "rankings/Rankings.h"
#include "rankings/ui/frmRankGraph.h"
#include "support/HandMadeDuzedo.h"
#include "support/MainWindowFixtures.h"

namespace {

// Whatever changes, the table shows the month and the country the boxes show: both chosen, the
// frame left and come back to.
class RankingsWays : public SampleMainWindow, public testing::WithParamInterface<FrameCase> {};

TEST_P(RankingsWays, ShowWhatTheViewGives) {
    Walk(window, GetParam());
}

// The list of months, or the rankings of a month ("": the last) and a country.
ViewTexts RankingsShown(const QJsonValue& shows) {
    if (shows["months"].toBool()) return RankingMonthsView();
    std::optional<std::string> country;
    if (shows["country"].isString()) country = JsonText(shows["country"]);
    return RankingsView({JsonText(shows["month"]), country});
}

INSTANTIATE_TEST_SUITE_P(Frame, RankingsWays, testing::ValuesIn(WaysOf("rankings", RankingsShown)),
                         CaseName);

class WorldRankings : public SampleMainWindow {};

TEST_F(WorldRankings, ANoteSaysTheLastMonthIsShownUntilOneIsChosen) {
    EXPECT_EQ(C<QComboBox>("cmbRankMonth").currentText(), "December 2003");
    auto* note = Ctl<QLabel>(*window.ui.fraFrame[0], "lblNote");
    EXPECT_TRUE(note->isVisibleTo(window.ui.fraFrame[0]));
    EXPECT_TRUE(note->toolTip().contains("yet: showing December 2003"));
    C<QComboBox>("cmbRankMonth").setFocus();
    QTest::keyClick(&C<QComboBox>("cmbRankMonth"), Qt::Key_Home);
    EXPECT_TRUE(note->isHidden());
}

TEST_F(WorldRankings, TheFirstDoubleClickAfterStartShowsThePlayerClicked) {
    // As a user finds it: the window active, the focus in the table, nothing chosen in the
    // player list yet.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto& grid = C<GridControl>("grdRankings");
    grid.setFocus();
    const std::string player = grid.textMatrix(3, 1);
    ClickRow(grid, 3, true);
    QApplication::processEvents();
    EXPECT_EQ(FrameOf<PlayerStatsFrame>(window).CurrentPlayer(), player);
    EXPECT_EQ(ToUtf8(C<QLineEdit>("txtPlayer").text()), player);
    // The list shows him as the current row.
    const int row = C<QListWidget>("lstPlayers").currentRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(gPlayers[static_cast<std::size_t>(row)], player);
    EXPECT_EQ(ToUtf8(C<QLabel>("Label2_1").text()),
              player + " ( #" + grid.textMatrix(3, 0) + " - " + grid.textMatrix(3, 3) + " pts )");

    // The header row is no player.
    window.BarClick(0);
    ClickRow(grid, 0, true);
    EXPECT_EQ(window.mCurrentFrame, 0);
}

// The ranking progress window tells each point's month and points on hovering.

TEST(ProgressWindow, HoveringAPointTellsItsMonthAndPoints) {
    const ConnectedDuzedo db("progress", WriteHandMadeDuzedo);
    ASSERT_TRUE(db.connected()) << db.error();
    frmRankGraph window;
    window.Init("abel M");
    window.show();
    GraphPicture& picture = *window.findChild<GraphPicture*>("picGraph");
    const std::vector<GraphSpot> spots = picture.graph().spots;
    ASSERT_EQ(spots.size(), 2u);
    // The same words as the view gives for a picture of this size.
    const Graph drawn =
        ProgressView("abel M", picture.widthTwips(), picture.heightTwips()).graph("picGraph");
    EXPECT_EQ(spots, drawn.spots);
    for (const GraphSpot& spot : spots) {
        EXPECT_TRUE(spot.tip.ends_with(" points")) << spot.tip;
        EXPECT_TRUE(TipAt(picture, PlaceOf(spot)).contains(ToQString(spot.tip))) << spot.tip;
        // Nothing happens on a click here, so the pointer does not invite one.
        SendMouse(&picture, QEvent::MouseMove, PlaceOf(spot), Qt::NoButton);
        EXPECT_EQ(picture.cursor().shape(), Qt::ArrowCursor);
    }

    // A rankings row without a month of points, and a name the quotes must not break.
    frmRankGraph unranked;
    unranked.Init("O'Neil S");
    EXPECT_TRUE(unranked.findChild<GraphPicture*>("picGraph")->graph().empty());
    EXPECT_EQ(unranked.findChild<GraphPicture*>("picGraph")->note(), "No ranked month to draw");
}

}  // namespace
