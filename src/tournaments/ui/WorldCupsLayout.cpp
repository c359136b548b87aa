#include <QPainter>

#include "tournaments/ui/WorldCupsFrame.h"
#include "widgets/NavPicture.h"

namespace {

using namespace design;

void Design(DesignBuilder& b) {
    for (int i = 0; i <= 1; ++i) b.Add(ArrayName("cmbWC", i), Size(0, kComboHeight));
    for (int i = 0; i <= 1; ++i) b.Add(ArrayName("chbWC", i), Size(0, kButtonHeight));
    for (int i = 0; i <= 1; ++i) b.Add(ArrayName("fraWC", i));
    for (int i = 0; i <= 1; ++i) {
        b.In(ArrayName("fraWC", i));
        b.Add(ArrayName("lblWC", i), Size(0, kLabelHeight));
        b.Add(ArrayName("grdWC", i));
    }
}

void Layout(ControlGeometry& g, const FrameArea& area) {
    const int FW = area.width, FH = area.height;
    const int comboWidth = RoundTwips(FW / 2.0 - 240);
    g.Move("cmbWC_0", 120, 540, comboWidth);
    g.Move("cmbWC_1", RoundTwips(FW / 2.0 + 120), 540, comboWidth);
    const int buttonWidth = RoundTwips(g["cmbWC_0"].width / 2.0);
    g.Move("chbWC_0", 120, 900, buttonWidth);
    g.Move("chbWC_1", g["chbWC_0"].width + 120, 900, buttonWidth);

    const int X = RoundTwips((FH - 1300) / 2.0);
    g.Move("fraWC_0", 120, 1380, FW - 240, X - 160);
    g.Move("fraWC_1", 120, FH - X, FW - 240, X - 160);
    for (int i = 0; i <= 1; ++i) {
        const TwipsRect frame = g[ArrayName("fraWC", i)];
        g.Move(ArrayName("grdWC", i), 120, 320, frame.width - 240, frame.height - 620);
        g.Move(ArrayName("lblWC", i), 0, 0, frame.width);
    }

    const double table = g["grdWC_0"].width;
    g.SetColumns("grdWC_0", {RoundTwips(table / 10 * 0.9), RoundTwips(table / 10 * 2 - 140),
                             RoundTwips(table / 10 * 0.9), RoundTwips(table / 10),
                             RoundTwips(table / 10), RoundTwips(table / 10), RoundTwips(table / 10),
                             RoundTwips(table / 10), RoundTwips(table / 10)});
    const double U = (g["grdWC_1"].width - 320) / 10.0;
    g.SetColumns("grdWC_1",
                 {RoundTwips(U * 3), RoundTwips(U * 3), RoundTwips(U * 2), RoundTwips(U * 2)});
}

// A globe.
void Picture(QPainter& p) {
    p.setPen(QPen(kNavInk, 1.2));
    p.setBrush(QColor(120, 170, 230));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(5, 1.5, 6, 13));
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
}

}  // namespace

const FrameDescription& WorldCupsFrame::Description() {
    static const FrameDescription description{.title = "World Cups",
                                              .caption = "World Cups",
                                              .titleLabel = 6,
                                              .design = Design,
                                              .layout = Layout,
                                              .picture = Picture};
    return description;
}
