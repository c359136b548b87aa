// The Player Stats frame of the main window and the windows its buttons open.

#include <QAction>
#include <QClipboard>
#include <QImage>

#include "core/PlayerNames.h"
#include "players/Games.h"
#include "players/PlayerStats.h"
#include "players/Positions.h"
#include "players/ui/PlayerStatsFrame.h"
#include "players/ui/frmPositions.h"
#include "rankings/RankingProgress.h"
#include "support/HandMadeDuzedo.h"
#include "support/MainWindowFixtures.h"
#include "support/TestDuzedo.h"
#include "widgets/Button.h"

namespace {

// The stats of the player at that place of the list, or none; his name typed in the box or not.
ViewTexts PlayerShown(const QJsonValue& shows) {
    const auto player = [&](const char* key) {
        return gPlayers[static_cast<std::size_t>(shows[key].toInteger())];
    };
    ViewTexts view =
        shows["player"].isDouble() ? PlayerStatsView(player("player")) : NoPlayerView();
    if (shows["typed"].isDouble()) view.set("txtPlayer", player("typed"));
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

INSTANTIATE_TEST_SUITE_P(Frame, PlayerWays, testing::ValuesIn(WaysOf("players", PlayerShown)),
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

// The finishing positions window: its graph's points explain themselves and pick their rows, its
// rows their points, and the picture can be saved and copied.

class PositionsWindow : public ConnectedSuite<WriteHandMadeDuzedo> {
  protected:
    void SetUp() override {
        ConnectedSuite::SetUp();
        SetServices(services);
        window.Init("Vodad R");
        window.show();
    }
    void TearDown() override { SetServices(nullptr); }

    std::shared_ptr<FakeServices> services = std::make_shared<FakeServices>();
    frmPositions window;
    GraphPicture& picture = *Ctl<GraphPicture>(window, "picGraph");
    GridControl& table = *Ctl<GridControl>(window, "grdPos");
};

TEST_F(PositionsWindow, PointsAndRowsPickEachOther) {
    const std::vector<GraphSpot> spots = picture.graph().spots;
    ASSERT_EQ(spots.size(), 3u);
    const QString tip = TipAt(picture, PlaceOf(spots[1]) + QPoint(2, -1));
    EXPECT_TRUE(tip.contains("DADIDUREZ VII")) << tip.toStdString();
    EXPECT_TRUE(tip.contains("Place 2 of 6")) << tip.toStdString();
    const QPoint corner(picture.width() - 3, picture.height() - 3);
    EXPECT_EQ(TipAt(picture, corner), "");
    SendMouse(&picture, QEvent::MouseMove, PlaceOf(spots[2]), Qt::NoButton);
    EXPECT_EQ(picture.cursor().shape(), Qt::PointingHandCursor);
    SendMouse(&picture, QEvent::MouseMove, corner, Qt::NoButton);
    EXPECT_EQ(picture.cursor().shape(), Qt::ArrowCursor);

    // The highlight is the last circle, a filled one painted over the point; the header row is no
    // tournament.
    const auto highlight = [&] { return picture.graph().circles.back(); };
    const auto shade = [&](QPoint at) {
        const QImage image = picture.picture();
        return image.pixel(at * image.devicePixelRatio());
    };
    ClickRow(table, 0);
    EXPECT_FALSE(highlight().filled);
    const QRgb unlit = shade(PlaceOf(spots[1]));
    SendMouse(&picture, QEvent::MouseButtonPress, PlaceOf(spots[1]));
    SendMouse(&picture, QEvent::MouseButtonRelease, PlaceOf(spots[1]));
    EXPECT_EQ(table.currentRow(), 2);
    EXPECT_TRUE(highlight().filled);
    EXPECT_NE(shade(PlaceOf(spots[1])), unlit);
    EXPECT_EQ(PlaceOf({highlight().x, highlight().y}), PlaceOf(picture.graph().spots[1]));
    ClickRow(table, 3);
    EXPECT_TRUE(highlight().filled);
    EXPECT_EQ(PlaceOf({highlight().x, highlight().y}), PlaceOf(picture.graph().spots[2]));

    // A new size gets a graph of that size, the highlight kept.
    window.resize(window.width() + 150, window.height() + 60);
    EXPECT_EQ(picture.graph().width, picture.widthTwips());
    EXPECT_TRUE(highlight().filled);
    EXPECT_EQ(PlaceOf({highlight().x, highlight().y}), PlaceOf(picture.graph().spots[2]));
}

TEST_F(PositionsWindow, PictureIsSavedAsPngAndCopied) {
    const QImage shown = picture.picture();
    const TempDir dir("picture");
    AnswerSaveDialog(QString::fromStdString((dir / "vodad").string()));
    picture.findChild<QAction*>("mnuGraphSave")->trigger();
    const QImage saved(QString::fromStdString((dir / "vodad.png").string()));
    EXPECT_EQ(saved.size(), shown.size());
    EXPECT_TRUE(services->messages.empty());

    AnswerSaveDialog(QString::fromStdString((dir / "vodad.png" / "x.png").string()));
    picture.findChild<QAction*>("mnuGraphSave")->trigger();
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_EQ(services->messages[0].text, "The picture could not be saved.");

    QGuiApplication::clipboard()->clear();
    picture.findChild<QAction*>("mnuGraphCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), shown.size());
}

}  // namespace
