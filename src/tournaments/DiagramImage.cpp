#include "tournaments/DiagramImage.h"

#include <QFont>
#include <QPainter>
#include <algorithm>
#include <charconv>
#include <cmath>

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

QFont DiagramFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kDiagramFontPixels);
    return font;
}

// A coordinate to a hundredth, as short as it goes ("12", "12.5").
std::string Number(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, std::round(value * 100) / 100).ptr;
    return std::string(text, end);
}

std::string Hex(const QColor& colour) {
    return colour.name().toStdString();
}

// Text as XML character data: markup's characters escaped, and nothing XML 1.0 cannot hold.
std::string XmlText(std::string_view text) {
    return ToUtf8(ShowableText(text, TextFor::Xml).toHtmlEscaped());
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
    painter.setFont(DiagramFont());
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
    const QSize size = DiagramSize(graph);
    std::string svg =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
        Number(size.width()) + "\" height=\"" + Number(size.height()) + "\" viewBox=\"0 0 " +
        Number(size.width()) + ' ' + Number(size.height()) +
        "\" shape-rendering=\"crispEdges\">\n<title>" + XmlText(title) +
        "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
    for (const GraphBox& box : graph.boxes) {
        const QPointF from = At(box.x1, box.y1);
        const QPointF to = At(box.x2, box.y2);
        svg += "<rect x=\"" + Number(from.x()) + "\" y=\"" + Number(from.y()) + "\" width=\"" +
               Number(to.x() - from.x()) + "\" height=\"" + Number(to.y() - from.y()) +
               "\" fill=\"" + Hex(Colour(box.fill)) + "\" stroke=\"#aab4c8\"/>\n";
    }
    for (const GraphLine& line : graph.lines) {
        const QPointF from = At(line.x1, line.y1);
        const QPointF to = At(line.x2, line.y2);
        const int width = std::max(line.width, 1);
        svg += "<line x1=\"" + Number(from.x()) + "\" y1=\"" + Number(from.y()) + "\" x2=\"" +
               Number(to.x()) + "\" y2=\"" + Number(to.y()) + "\" stroke=\"" +
               Hex(Colour(line.colour)) + "\" stroke-width=\"" + Number(width) + '"';
        if (line.dotted)
            svg += " stroke-dasharray=\"" + Number(width) + ' ' + Number(2 * width) + '"';
        svg += "/>\n";
    }
    // The browser draws the text in the font the picture names, so the baseline comes from that
    // font's own measures (DejaVu Sans: ascent 1901 and descent 483 of 2048 units to the em), not
    // from whichever font this machine has: a site is then the same written anywhere.
    constexpr double kAscent = 1901.0 / 2048 * kDiagramFontPixels;
    constexpr double kDescent = 483.0 / 2048 * kDiagramFontPixels;
    const double baseline =
        (static_cast<double>(kDiagramLine) / kTwipsPerPixel - kAscent - kDescent) / 2 + kAscent;
    svg += "<g font-family=\"DejaVu Sans, sans-serif\" font-size=\"" + Number(kDiagramFontPixels) +
           "\" fill=\"#000\">\n";
    for (const GraphText& text : graph.texts) {
        const QPointF at = At(text.x, text.y);
        svg += "<text x=\"" + Number(at.x()) + "\" y=\"" + Number(at.y() + baseline) +
               "\" xml:space=\"preserve\">" + XmlText(text.text) + "</text>\n";
    }
    return svg + "</g>\n</svg>\n";
}
