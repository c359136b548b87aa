// The finishing positions window: its graph's points explain themselves and pick their rows, its
// rows their points, and the picture can be saved and copied.

#include <QAction>
#include <QClipboard>
#include <QImage>

#include "players/ui/frmPositions.h"
#include "support/GraphMouse.h"
#include "support/HandMadeDuzedo.h"
#include "support/MainWindowFixtures.h"
#include "support/SaveDialog.h"

namespace {

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
    MouseOn(picture, QEvent::MouseMove, PlaceOf(spots[2]));
    EXPECT_EQ(picture.cursor().shape(), Qt::PointingHandCursor);
    MouseOn(picture, QEvent::MouseMove, corner);
    EXPECT_EQ(picture.cursor().shape(), Qt::ArrowCursor);

    // The highlight is the last circle, a filled one; the header row is no tournament.
    const auto highlight = [&] { return picture.graph().circles.back(); };
    ClickRow(table, 0);
    EXPECT_FALSE(highlight().filled);
    MouseOn(picture, QEvent::MouseButtonPress, PlaceOf(spots[1]));
    MouseOn(picture, QEvent::MouseButtonRelease, PlaceOf(spots[1]));
    EXPECT_EQ(table.currentRow(), 2);
    EXPECT_TRUE(highlight().filled);
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
