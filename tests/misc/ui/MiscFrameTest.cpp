// The Misc Stats frame and the all-player records window in the main window, on the sample.

#include <filesystem>
#include <fstream>

#include "misc/AllPlayerRecords.h"
#include "misc/MiscCache.h"
#include "misc/MiscStats.h"
#include "misc/ui/MiscFrame.h"
#include "shell/FrameTable.h"
#include "support/MainWindowFixtures.h"

namespace {

class MiscStatsFrame : public SampleMainWindow {
  protected:
    MiscFrame& Misc() { return FrameOf<MiscFrame>(window); }
    GridControl& Grd(int i) { return C<GridControl>(ArrayName("grdMisc", i)); }
    // The four grids show what the view gives for this minimum of games.
    void ExpectShows(int minGames) { ::ExpectShows(window, MiscView(MiscPlayers(), minGames)); }
    void CountWaits() {
        QObject::connect(&Misc(), &Frame::waitShown, [this](bool shown) { waitShows += shown; });
    }
    void Recalc() { C<QPushButton>("chbMiscRecalc").click(); }

    const std::string cache = (appDir / "misc.bfr").string();
    int waitShows = 0;
};

TEST_F(MiscStatsFrame, FirstVisitComputesAndReplacesADamagedCache) {
    std::ofstream(cache, std::ios::binary) << "12\r\n";
    CountWaits();
    window.BarClick(FrameIndex<MiscFrame>());
    ExpectShows(20);
    EXPECT_EQ(waitShows, 1);
    EXPECT_GE(services->eventRuns, 4);
    EXPECT_FALSE(window.ui.fraWait->isVisible());
    const auto cached = LoadMiscCache(cache);
    ASSERT_TRUE(cached.has_value());
    EXPECT_EQ(cached->general[0], Grd(0).textMatrix(0, 1));
    EXPECT_EQ(cached->records[21], Grd(3).textMatrix(21, 1));

    // Later visits keep what is shown.
    window.BarClick(0);
    window.BarClick(FrameIndex<MiscFrame>());
    EXPECT_EQ(waitShows, 1);
}

TEST_F(MiscStatsFrame, TheCacheStandsInForTheFiguresUntilRecalc) {
    MiscFigures stored{Texts(7, "7"), Texts(22, "Cached (1)")};
    ASSERT_TRUE(SaveMiscCache(cache, stored));
    window.BarClick(FrameIndex<MiscFrame>());
    EXPECT_EQ(Grd(0).textMatrix(6, 1), "7");
    EXPECT_EQ(Grd(3).textMatrix(13, 1), "Cached (1)");
    EXPECT_EQ(CellTexts(Grd(1)), BiggestWinsGrid());

    Recalc();
    ExpectShows(20);
    EXPECT_NE(LoadMiscCache(cache), stored);
}

TEST_F(MiscStatsFrame, NeitherRecalcNorAVisitReentersARunningComputation) {
    window.BarClick(FrameIndex<MiscFrame>());
    CountWaits();
    int presses = 0;
    services->onEvents = [&] {
        if (presses++ > 0) return;
        Recalc();
        window.BarClick(0);
        Grd(0).setTextMatrix(0, 1, "");
        window.BarClick(FrameIndex<MiscFrame>());
    };
    Recalc();
    services->onEvents = nullptr;
    EXPECT_EQ(waitShows, 1);
    EXPECT_FALSE(Misc().Computing());
    ExpectShows(20);
}

// The same minimum, written otherwise, keeps the cache.
TEST_F(MiscStatsFrame, ANewMinimumOfGamesRecomputesTheRecords) {
    window.BarClick(FrameIndex<MiscFrame>());
    window.BarClick(6);
    Do(window, {"txtOptGames", "20.4"});
    Do(window, {"chbApplyOptions"});
    ASSERT_TRUE(std::filesystem::exists(cache));
    Do(window, {"txtOptGames", "30"});
    Do(window, {"chbApplyOptions"});
    EXPECT_EQ(gOptMinGames, 30);
    EXPECT_FALSE(std::filesystem::exists(cache));
    window.BarClick(FrameIndex<MiscFrame>());
    ExpectShows(30);
    EXPECT_TRUE(std::filesystem::exists(cache));
}

TEST_F(MiscStatsFrame, ARecordRowIsHighlightedWholeAndListedForAllPlayers) {
    window.BarClick(FrameIndex<MiscFrame>());
    GridControl& records = Grd(3);
    records.setCurrentCell(5, 1);
    EXPECT_EQ(records.currentColumn(), 0);
    EXPECT_EQ(records.colSel(), 1);
    // The arrow keys highlight the whole row, as a click does.
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
        QTest::keyClick(&records, key);
        EXPECT_EQ(records.selectionModel()->selectedIndexes().size(), 2);
    }
    EXPECT_EQ(records.currentRow(), 5);

    const std::vector<std::string> players = MiscPlayers();
    WhenModal(window, [&](QDialog& top) {
        auto* limit = Ctl<QCheckBox>(top, "chkLimit");
        EXPECT_TRUE(limit->isChecked());
        ::ExpectShows(top, AllPlayerRecordsView(players, 5, true, 20));
        limit->click();
        ::ExpectShows(top, AllPlayerRecordsView(players, 5, false, 20));
    });
    C<QPushButton>("chbMiscTop").click();
}

}  // namespace
