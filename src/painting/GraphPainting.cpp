#include "painting/GraphPainting.h"

#include <QPainter>

#include "core/QtText.h"
#include "core/Twips.h"

namespace {

const QColor kForeground = Qt::black;
constexpr int kGraphFontPixels = 9;

QPointF Point(int x, int y) {
    return {GraphPixels(x), GraphPixels(y)};
}

QColor Colour(const GraphColour& colour) {
    return colour ? QColor(colour->red, colour->green, colour->blue) : kForeground;
}

QPen Pen(const GraphColour& colour, int width, bool dotted = false) {
    QPen pen(Colour(colour));
    pen.setWidth(width);
    pen.setStyle(dotted ? Qt::DotLine : Qt::SolidLine);
    return pen;
}

void PaintText(QPainter& painter, const GraphText& text) {
    const double ascent = painter.fontMetrics().ascent();
    const QString content = ToQString(text.text);
    if (text.lineStep == 0) {
        painter.drawText(QPointF(GraphPixels(text.x), GraphPixels(text.y) + ascent), content);
        return;
    }
    // One character per line; characters outside the basic plane stay whole.
    const QList<uint> characters = content.toUcs4();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t c = characters[i];
        const double y = GraphPixels(text.y + static_cast<int>(i) * text.lineStep) + ascent;
        painter.drawText(QPointF(GraphPixels(text.x), y), QString::fromUcs4(&c, 1));
    }
}

}  // namespace

QFont GraphLabelFont(QFont base) {
    base.setPixelSize(kGraphFontPixels);
    base.setStretch(QFont::Condensed);
    return base;
}

double GraphPixels(int twips) {
    return static_cast<double>(twips) / kTwipsPerPixel;
}

void PaintGraph(QPainter& painter, const Graph& graph) {
    painter.save();
    for (const GraphBox& box : graph.boxes) {
        painter.fillRect(QRectF(Point(box.x1, box.y1), Point(box.x2, box.y2)).normalized(),
                         Colour(box.fill));
    }
    painter.setBrush(Qt::NoBrush);
    for (const GraphLine& line : graph.lines) {
        painter.setPen(Pen(line.colour, line.width, line.dotted));
        painter.drawLine(Point(line.x1, line.y1), Point(line.x2, line.y2));
    }
    for (const GraphCircle& circle : graph.circles) {
        painter.setPen(Pen(circle.colour, circle.width));
        painter.setBrush(circle.filled ? QBrush(Colour(circle.colour)) : QBrush(Qt::NoBrush));
        painter.drawEllipse(Point(circle.x, circle.y), GraphPixels(circle.radius),
                            GraphPixels(circle.radius));
    }
    painter.setPen(kForeground);
    for (const GraphText& text : graph.texts) PaintText(painter, text);
    painter.restore();
}
