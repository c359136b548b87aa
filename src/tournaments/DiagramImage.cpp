#include "tournaments/DiagramImage.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

#include "core/QtText.h"
#include "core/Twips.h"
#include "tournaments/Diagrams.h"

namespace {

QColor Colour(const GraphColour& colour) {
    return colour ? QColor(colour->red, colour->green, colour->blue) : QColor(Qt::black);
}

QPointF At(int x, int y) {
    return {static_cast<double>(x) / kTwipsPerPixel, static_cast<double>(y) / kTwipsPerPixel};
}

}  // namespace

QSize DiagramSize(const Graph& graph) {
    return {std::max(TwipsToPixels(graph.width), 1), std::max(TwipsToPixels(graph.height), 1)};
}

void PaintDiagram(const Graph& graph, QPaintDevice& device) {
    QPainter painter(&device);
    painter.fillRect(QRect(QPoint(0, 0), DiagramSize(graph)), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(170, 180, 200), 1));
    for (const GraphBox& box : graph.boxes) {
        painter.setBrush(Colour(box.fill));
        painter.drawRect(QRectF(At(box.x1, box.y1), At(box.x2, box.y2)));
    }
    for (const GraphLine& line : graph.lines) {
        QPen pen(Colour(line.colour), line.width);
        pen.setStyle(line.dotted ? Qt::DotLine : Qt::SolidLine);
        painter.setPen(pen);
        painter.drawLine(At(line.x1, line.y1), At(line.x2, line.y2));
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kDiagramFontPixels);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double ascent = painter.fontMetrics().ascent();
    for (const GraphText& text : graph.texts) {
        const QPointF at = At(text.x, text.y);
        // Centred in its line, which is a little higher than the font.
        const double lead =
            (static_cast<double>(kDiagramLine) / kTwipsPerPixel - painter.fontMetrics().height()) /
            2;
        painter.drawText(QPointF(at.x(), at.y() + lead + ascent), ToQString(text.text));
    }
}

QImage DiagramImage(const Graph& graph) {
    QImage image(DiagramSize(graph), QImage::Format_RGB32);
    PaintDiagram(graph, image);
    return image;
}

std::string DiagramSvg(const Graph& graph, std::string_view title) {
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(DiagramSize(graph));
    generator.setViewBox(QRect(QPoint(0, 0), DiagramSize(graph)));
    generator.setTitle(ToQString(title));
    PaintDiagram(graph, generator);
    return svg.data().toStdString();
}
