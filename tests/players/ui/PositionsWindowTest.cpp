// The finishing positions window: its graph's points explain themselves and pick their rows, and
// the picture can be saved and copied.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QImage>

#include "players/Positions.h"
#include "players/ui/frmPositions.h"
#include "support/ConnectedDuzedo.h"
#include "support/FakeServices.h"
#include "support/GraphMouse.h"
#include "support/HandMadeDuzedo.h"
#include "support/SaveDialog.h"
#include "support/TempDir.h"
#include "widgets/Grid.h"

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

    GraphPicture& Picture() { return *window.findChild<GraphPicture*>("picGraph"); }
    GridControl& Table() { return *window.findChild<GridControl*>("grdPos"); }

    std::shared_ptr<FakeServices> services = std::make_shared<FakeServices>();
    frmPositions window;
};

TEST_F(PositionsWindow, PointsNameTheirTournamentAndPickTheirRow) {
    GraphPicture& picture = Picture();
    const std::vector<GraphSpot> spots = picture.graph().spots;
    ASSERT_EQ(spots.size(), 3u);
    const QString tip = TipAt(picture, PlaceOf(spots[1]) + QPoint(2, -1));
    EXPECT_TRUE(tip.contains("DADIDUREZ VII")) << tip.toStdString();
    EXPECT_TRUE(tip.contains("Place 2 of 6")) << tip.toStdString();
    EXPECT_EQ(TipAt(picture, QPoint(picture.width() - 3, picture.height() - 3)), "");

    MouseOn(picture, QEvent::MouseMove, PlaceOf(spots[2]));
    EXPECT_EQ(picture.cursor().shape(), Qt::PointingHandCursor);
    MouseOn(picture, QEvent::MouseMove, QPoint(picture.width() - 3, picture.height() - 3));
    EXPECT_EQ(picture.cursor().shape(), Qt::ArrowCursor);

    MouseOn(picture, QEvent::MouseButtonPress, PlaceOf(spots[1]));
    MouseOn(picture, QEvent::MouseButtonRelease, PlaceOf(spots[1]));
    EXPECT_EQ(Table().currentRow(), 2);
    const GraphCircle highlight = picture.graph().circles.back();
    EXPECT_TRUE(highlight.filled);
    EXPECT_EQ(PlaceOf({highlight.x, highlight.y}), PlaceOf(picture.graph().spots[1]));
}

TEST_F(PositionsWindow, PictureIsSavedAsPngAndCopied) {
    GraphPicture& picture = Picture();
    const QImage shown = picture.picture();
    const TempDir dir("picture");
    AnswerSaveDialog(QString::fromStdString((dir / "vodad").string()));
    picture.findChild<QAction*>("mnuGraphSave")->trigger();
    const QImage saved(QString::fromStdString((dir / "vodad.png").string()));
    EXPECT_FALSE(saved.isNull());
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
