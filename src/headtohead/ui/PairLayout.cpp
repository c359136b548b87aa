#include <QPainter>

#include "headtohead/ui/PairFrame.h"
#include "widgets/NavPicture.h"

namespace {

using namespace design;

void Design(DesignBuilder& b) {
    b.Add("lstPair_0");
    b.Add("lstPair_1");
    b.Add("lblVS", Size(255, kLabelHeight));
    b.Add("chbPair", Size(375, kButtonHeight));
    b.Add("fraPair");
    b.In("fraPair");
    b.Add("lblPair", Size(0, kLabelHeight));
    b.Add("grdPairGames");
    for (int i = 0; i <= 1; ++i) b.Add(ArrayName("lstPairResults", i));
    for (int i = 0; i <= 1; ++i) b.Add(ArrayName("lblPairResults", i), Size(0, 225));
}

void LayoutResults(ControlGeometry& g) {
    const TwipsRect frame = g["fraPair"];
    g.Move("lblPair", 0, 0, frame.width);
    g.Move("grdPairGames", 120, 320, frame.width - 240, RoundTwips(frame.height / 2.0 - 420));
    const TwipsRect grid = g["grdPairGames"];
    const double GW = grid.width;
    g.SetColumns("grdPairGames",
                 {RoundTwips(GW / 10 * 0.8), RoundTwips(GW / 10 * 2.2), RoundTwips(GW / 10 * 2.2),
                  RoundTwips(GW / 10 * 0.8), RoundTwips(GW / 10 * 0.8), RoundTwips(GW / 10 * 2.8)});

    const int G = grid.Bottom();
    g.Move("lstPairResults_0", 120, G + 380, RoundTwips(grid.width / 2.0 - 60),
           frame.height - G - 500);
    const TwipsRect first = g["lstPairResults_0"];
    g.Move("lstPairResults_1", grid.Right() - first.width, first.top, first.width, first.height);
    const TwipsRect second = g["lstPairResults_1"];
    g.Move("lblPairResults_0", 120, first.top - 225, first.width);
    g.Move("lblPairResults_1", second.left, second.top - 225, second.width);
}

void Layout(ControlGeometry& g, const FrameArea& area) {
    const int FW = area.width, FH = area.height;
    g.Move("lstPair_0", 180, 540, RoundTwips(FW / 3.0), RoundTwips(FH / 2.0 - 660));
    const TwipsRect first = g["lstPair_0"];
    g.Move("lstPair_1", 180, FH - first.height - 300, RoundTwips(FW / 3.0), first.height);

    g.Move("lblVS", RoundTwips(first.left + (first.width - g["lblVS"].width) / 2.0),
           first.Bottom() + 3);
    // The go button sits halfway down the gap between the two lists.
    const int E = first.Bottom();
    g.Move("chbPair", first.Right() - g["chbPair"].width,
           RoundTwips(E + (g["lstPair_1"].top - E - g["chbPair"].height) / 2.0));

    const int W = FW - first.width - 540;
    g.Move("fraPair", FW - W - 180, first.top, W, FH - 800);
    LayoutResults(g);
}

void Picture(QPainter& p) {
    PaintPerson(p, 4.5, 7, 0.9, kNavInk);
    PaintPerson(p, 11.5, 7, 0.9, QColor(180, 50, 40));
}

}  // namespace

const FrameDescription& PairFrame::Description() {
    static const FrameDescription description{.title = "Find Pair",
                                              .caption = "Find Pair",
                                              .titleLabel = 4,
                                              .helpButton = 2,
                                              .design = Design,
                                              .layout = Layout,
                                              .picture = Picture};
    return description;
}
