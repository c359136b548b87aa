#include <QPainter>

#include "rankings/ui/RankingsFrame.h"
#include "widgets/NavPicture.h"

namespace {

using namespace design;

void Design(DesignBuilder& b) {
    b.Add("grdRankings");
    b.Add("lblRankingFilter", Size(1095, kLabelHeight));
    b.Add("cmbRankingFilter", Size(2415, kComboHeight));
    b.Add("cmbRankMonth", Size(2415, kComboHeight));
    b.Add("lblRankMonth", Size(540, kLabelHeight));
}

void Layout(ControlGeometry& g, const FrameArea& area) {
    const int FW = area.width, FH = area.height;
    g.Move("grdRankings", 120, 500, FW - 240, FH - 1060);
    const double GW = g["grdRankings"].width;
    g.SetColumns("grdRankings", {RoundTwips(GW / 10 * 0.8), RoundTwips(GW / 10 * 3),
                                 RoundTwips(GW / 10 * 3), RoundTwips(GW / 10 * 2.8), 0});

    g.Move("lblRankingFilter", 120, FH - 350);
    g.Move("cmbRankingFilter", 1320, FH - 410);
    g.Move("cmbRankMonth", FW - 120 - g["cmbRankMonth"].width, FH - 410);
    g.Move("lblRankMonth", g["cmbRankMonth"].left - g["lblRankMonth"].width - 120, FH - 350);
}

// Three bars of a chart.
void Picture(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kNavInk);
    p.drawRect(QRectF(1, 9, 4, 6));
    p.setBrush(kNavGold);
    p.drawRect(QRectF(6, 3, 4, 12));
    p.setBrush(kNavInk.lighter(160));
    p.drawRect(QRectF(11, 6, 4, 9));
}

}  // namespace

const FrameDescription& RankingsFrame::Description() {
    static const FrameDescription description{.title = "World Rankings",
                                              .caption = "Rankings",
                                              .titleLabel = 0,
                                              .helpButton = 4,
                                              .design = Design,
                                              .layout = Layout,
                                              .picture = Picture};
    return description;
}
