#include <QPainter>

#include "misc/ui/MiscFrame.h"
#include "widgets/NavPicture.h"

namespace {

using namespace design;

void Design(DesignBuilder& b) {
    b.Add("chbMiscRecalc", Size(1215, kButtonHeight));
    for (int i = 0; i <= 2; ++i) b.Add(ArrayName("fraMisc", i));
    b.In("fraMisc_0");
    b.Add("lblMisc_0", Size(0, kLabelHeight));
    b.Add("lblMisc_4", Size(0, kLabelHeight));
    b.Add("grdMisc_0");
    b.Add("lblMisc_3", Size(0, kLabelHeight));
    b.Add("grdMisc_3");
    // Sits on the heading line of the records grid, so no taller than that line.
    b.Add("chbMiscTop", Size(1095, 255));
    for (int i = 1; i <= 2; ++i) {
        b.In(ArrayName("fraMisc", i));
        b.Add(ArrayName("lblMisc", i), Size(0, kLabelHeight));
        b.Add(ArrayName("grdMisc", i));
    }
}

void LayoutPanels(ControlGeometry& g, int FW, int FH) {
    const int W0 = RoundTwips(FW / 2.0 - 360);
    const int rightWidth = FW - W0 - 240;
    const int rightHeight = RoundTwips((FH - 540) / 2.0 - 120);
    g.Move("fraMisc_0", 120, 540, W0, FH - 720);
    g.Move("fraMisc_1", g["fraMisc_0"].Right() + 60, 540, rightWidth, rightHeight);
    g.Move("fraMisc_2", g["fraMisc_1"].left, g["fraMisc_1"].Bottom() + 60, rightWidth, rightHeight);
    for (int i = 0; i <= 2; ++i) {
        const TwipsRect frame = g[ArrayName("fraMisc", i)];
        g.Move(ArrayName("lblMisc", i), 0, 0, frame.width);
        g.Move(ArrayName("grdMisc", i), 120, 320, frame.width - 240, frame.height - 420);
    }
}

void Layout(ControlGeometry& g, const FrameArea& area) {
    g.Move("chbMiscRecalc", area.width - g[area.helpButton].width - 160 - g["chbMiscRecalc"].width,
           0);
    LayoutPanels(g, area.width, area.height);

    const TwipsRect left = g["fraMisc_0"];
    // Exactly the seven statistics rows, with room for the grid's border.
    g.Move("grdMisc_0", 60, 620, left.width - 180, g.RowHeight("grdMisc_0") * 7 + 10);
    const int T3 = g["grdMisc_0"].Bottom() + 400;
    g.Move("grdMisc_3", 60, T3, left.width - 180, left.height - T3 - 120);

    const TwipsRect records = g["grdMisc_3"];
    g.Move("lblMisc_3", records.left, records.top - 255, records.width);
    const TwipsRect general = g["grdMisc_0"];
    g.Move("lblMisc_4", general.left, general.top - 255, general.width);
    const TwipsRect heading = g["lblMisc_3"];
    g.Move("chbMiscTop", heading.Right() - g["chbMiscTop"].width, heading.top);

    for (const char* grid : {"grdMisc_0", "grdMisc_3"}) {
        const double GW = g[grid].width;
        g.SetColumns(grid, {RoundTwips(GW / 10 * 5.5), RoundTwips(GW / 10 * 4.5)});
    }
    for (const char* grid : {"grdMisc_1", "grdMisc_2"}) {
        const double GW = g[grid].width;
        g.SetColumns(grid, {RoundTwips(GW / 10 * 0.8), RoundTwips(GW / 10 * 1.9),
                            RoundTwips(GW / 10 * 1.9), RoundTwips(GW / 10), RoundTwips(GW / 10),
                            RoundTwips(GW / 10), RoundTwips(GW / 10 * 2)});
    }
}

// A pie chart.
void Picture(QPainter& p) {
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(kNavInk);
    p.drawPie(QRectF(1, 1, 14, 14), 90 * 16, 250 * 16);
    p.setBrush(kNavGold);
    p.drawPie(QRectF(1, 1, 14, 14), 340 * 16, 110 * 16);
}

}  // namespace

const FrameDescription& MiscFrame::Description() {
    static const FrameDescription description{.title = "Misc Stats",
                                              .caption = "Misc Stats",
                                              .titleLabel = 3,
                                              .helpButton = 3,
                                              .design = Design,
                                              .layout = Layout,
                                              .picture = Picture};
    return description;
}
