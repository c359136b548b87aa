#include "tournaments/DiagramImage.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>
#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "core/NativeFile.h"
#include "core/QtText.h"
#include "core/Twips.h"
#include "tournaments/DiagramPhases.h"
#include "tournaments/Diagrams.h"

namespace {

QColor Colour(const GraphColour& colour) {
    return colour ? QColor(colour->red, colour->green, colour->blue) : QColor(Qt::black);
}

QPointF At(int x, int y) {
    return {static_cast<double>(x) / kTwipsPerPixel, static_cast<double>(y) / kTwipsPerPixel};
}

}  // namespace

QImage DiagramImage(const Graph& graph) {
    QImage image(std::max(TwipsToPixels(graph.width), 1), std::max(TwipsToPixels(graph.height), 1),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
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
    return image;
}

std::vector<std::string> WriteDiagramPictures(const std::string& dir) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error || !std::filesystem::is_directory(dir)) {
        throw std::runtime_error("cannot make the folder " + dir);
    }
    std::vector<std::string> written;
    for (const DiagramPlan& plan : DiagramPlans()) {
        const std::string path = (std::filesystem::path(dir) / plan.file).string();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // Replaced whole once complete: a viewer never sees half a picture.
        if (!DiagramImage(DiagramOf(plan)).save(&buffer, "BMP") ||
            !ReplaceFile(path, std::string_view(bytes.constData(), bytes.size()))) {
            throw std::runtime_error("cannot write " + path);
        }
        written.push_back(path);
    }
    return written;
}
