// The ranking progress window tells each point's month and points on hovering.

#include <gtest/gtest.h>

#include "core/QtText.h"
#include "rankings/RankingProgress.h"
#include "rankings/ui/frmRankGraph.h"
#include "support/ConnectedDuzedo.h"
#include "support/GraphMouse.h"
#include "support/HandMadeDuzedo.h"

namespace {

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
        MouseOn(picture, QEvent::MouseMove, PlaceOf(spot));
        EXPECT_EQ(picture.cursor().shape(), Qt::ArrowCursor);
    }

    // A rankings row without a month of points, and a name the quotes must not break.
    frmRankGraph unranked;
    unranked.Init("O'Neil S");
    EXPECT_TRUE(unranked.findChild<GraphPicture*>("picGraph")->graph().empty());
    EXPECT_EQ(unranked.findChild<GraphPicture*>("picGraph")->note(), "No ranked month to draw");
}

}  // namespace
