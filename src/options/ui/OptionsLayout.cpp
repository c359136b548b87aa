#include <QPainter>
#include <cmath>
#include <numbers>

#include "options/ui/OptionsFrame.h"
#include "widgets/NavPicture.h"

namespace {

using namespace design;

void Design(DesignBuilder& b) {
    b.Fixed("chkOpt_0", {360, 660, 4935, 300});
    b.Fixed("chkOpt_1", {360, 1080, 3615, 300});
    b.Fixed("txtOptGames", {4095, 1065, 615, kComboHeight});
    b.Fixed("chkOpt_2", {360, 1500, 4935, 300});
    b.Fixed("chkOpt_3", {360, 1920, 4935, 300});
    b.Add("chbApplyOptions", {0, 1860, 1200, kButtonHeight});
    // Ends above the credit lines even in the smallest window (they start at frame height - 2000).
    b.Add("shpOpt", Size(0, 855));
    b.Add("lblOptInfo");
    for (int i = 0; i <= 4; ++i) b.Add(ArrayName("lblOpt", i), Size(0, kLabelHeight));
}

void Layout(ControlGeometry& g, const FrameArea& area) {
    const int FW = area.width, FH = area.height;
    for (int i = 0; i <= 4; ++i) {
        const std::string label = ArrayName("lblOpt", i);
        g.Move(label, 0, FH - 2000 + 320 * i, FW);
    }
    g.Move("shpOpt", 120, 2520, FW - 240);
    const TwipsRect box = g["shpOpt"];
    g.Move("lblOptInfo", box.left + 120, box.top + 100, box.width - 180, box.height - 200);
    g["chbApplyOptions"].left = FW - g["chbApplyOptions"].width - 320;
}

// A gear wheel.
void Picture(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 100));
    const QPointF centre(8, 8);
    QPolygonF teeth;
    for (int i = 0; i < 16; ++i) {
        const qreal angle = i * std::numbers::pi / 8;
        const qreal radius = (i % 2 == 0) ? 7.5 : 5.5;
        teeth << centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    p.drawPolygon(teeth);
    p.setBrush(Qt::white);
    p.drawEllipse(centre, 2.2, 2.2);
}

}  // namespace

const FrameDescription& OptionsFrame::Description() {
    static const FrameDescription description{.title = "Options",
                                              .caption = "Options",
                                              .titleLabel = 5,
                                              .design = Design,
                                              .layout = Layout,
                                              .picture = Picture};
    return description;
}
