#include "site/GraphSvg.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>

#include "core/QtText.h"
#include "core/Twips.h"
#include "painting/GraphPainting.h"
#include "site/SiteFolder.h"
#include "site/SiteTable.h"

namespace {

const QColor kBackground = Qt::white;
const QColor kBorder(160, 160, 160);
constexpr int kCssPixelsPerInch = 96;

// The browser finds a font of its own for the generic family; a family only this machine has
// would fall back to a serif one.
QFont LabelFont() {
    return GraphLabelFont(QFont(QStringLiteral("sans-serif")));
}

// The generator writes the title and the description as given, markup and all.
QString XmlText(std::string_view text) {
    return ToQString(WebText(text)).toHtmlEscaped();
}

void RemoveAll(std::string& text, std::string_view part) {
    if (part.empty()) return;
    for (auto at = text.find(part); at != text.npos; at = text.find(part, at)) {
        text.erase(at, part.size());
    }
}

// The generator starts a group of its own, with every attribute of the painter's state, at each
// change of pen or brush, even to the same one; and repeats the group's font on every text. The
// same picture in half the bytes: a group that goes on as the one before it joins it, the identity
// transform goes, and texts inherit their group's font.
std::string Compacted(std::string_view svg) {
    constexpr std::string_view kClose = "</g>\n\n";
    std::string out;
    std::string_view previousOpen;
    std::size_t pos = 0;
    for (auto at = svg.find("<g "); at != svg.npos; at = svg.find("<g ", pos)) {
        const auto end = svg.find('>', at);
        if (end == svg.npos) break;
        const std::string_view before = svg.substr(pos, at - pos);
        const std::string_view open = svg.substr(at, end + 1 - at);
        pos = at + open.size();
        if (open == previousOpen && before.ends_with(kClose)) {
            out += before.substr(0, before.size() - kClose.size());
            continue;
        }
        out += before;
        out += open;
        previousOpen = open;
    }
    out += svg.substr(pos);
    RemoveAll(out, " transform=\"matrix(1,0,0,1,0,0)\"");
    if (const auto font = svg.find("font-family="); font != svg.npos) {
        const auto end = svg.find(" \n", font);
        if (end != svg.npos)
            RemoveAll(out, " " + std::string(svg.substr(font, end - font)) + " \n ");
    }
    return out;
}

}  // namespace

std::string GraphSvg(const Graph& graph, std::string_view title, std::string_view description) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        throw SiteError("the graphs cannot be drawn without the GUI module");
    }
    const QSize size(TwipsToPixels(graph.width), TwipsToPixels(graph.height));
    QBuffer svg;
    QSvgGenerator generator;
    generator.setOutputDevice(&svg);
    generator.setSize(size);
    generator.setResolution(kCssPixelsPerInch);  // so that its size in mm is its size in pixels
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(XmlText(title));
    generator.setDescription(XmlText(description));
    {
        QPainter painter(&generator);
        painter.setFont(LabelFont());
        painter.fillRect(QRect(QPoint(0, 0), size), kBackground);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintGraph(painter, graph);
        painter.setPen(kBorder);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
    }
    return Compacted(svg.data().toStdString());
}
