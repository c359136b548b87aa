#include "site/ReaderGraph.h"

#include <QString>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/QtText.h"
#include "site/SiteTable.h"

namespace {

// The plot's area inside the picture: room on the left for the values, above and below for the
// axes' names and the labels.
constexpr double kLeft = 46;
constexpr double kRight = kReaderGraphWidth - 10;
constexpr double kTop = 28;  // the value axis' name above the plot
constexpr double kBottom = kReaderGraphHeight - 42;
constexpr double kFont = 12.5;               // at 390 px the picture is at least this big
constexpr double kCharWidth = kFont * 0.62;  // a generous average, so that labels never touch

std::string Xml(std::string_view text) {
    return ToUtf8(ToQString(WebText(text)).toHtmlEscaped());
}

// A coordinate to a tenth, as short as it goes ("12", "12.5").
std::string N(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, std::round(value * 10) / 10).ptr;
    return std::string(text, end);
}

// About five round steps (1, 2 or 5 times a power of ten) covering low to high.
struct Scale {
    double low = 0, high = 1, step = 1;
};
Scale NiceScale(double low, double high) {
    if (high <= low) high = low + 1;
    const double rough = (high - low) / 5;
    const double power = std::pow(10, std::floor(std::log10(rough)));
    double step = power;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = factor * power;
        if (step >= rough) break;
    }
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

std::string Line(double x1, double y1, double x2, double y2, std::string_view kind) {
    return "<line class=\"" + std::string(kind) + "\" x1=\"" + N(x1) + "\" x2=\"" + N(x2) +
           "\" y1=\"" + N(y1) + "\" y2=\"" + N(y2) + "\"/>";
}

std::string Text(double x, double y, std::string_view anchor, std::string_view text,
                 std::string_view extra = "") {
    return "<text x=\"" + N(x) + "\" y=\"" + N(y) + "\" text-anchor=\"" + std::string(anchor) +
           "\"" + std::string(extra) + ">" + Xml(text) + "</text>\n";
}

std::string YAxis(const ReaderGraph& graph, const Scale& scale, auto yOf) {
    std::string out;
    for (double tick = scale.low; tick <= scale.high + scale.step / 2; tick += scale.step) {
        const double v = graph.downwards && tick < 1 ? 1 : tick;  // places count from 1
        out += Line(kLeft, yOf(v), kRight, yOf(v), "grid");
        out += Text(kLeft - 5, yOf(v), "end", N(v), " dy=\".35em\"");
    }
    out += Text(4, kFont + 2, "start", graph.yAxis, " class=\"axis\"");
    return out;
}

// The labels that fit side by side: every step-th of the points that have one.
std::string XAxis(const ReaderGraph& graph, auto xOf) {
    qsizetype widest = 1;
    std::vector<std::size_t> labelled;
    for (std::size_t i = 0; i < graph.points.size(); ++i) {
        if (graph.points[i].label.empty()) continue;
        labelled.push_back(i);
        widest = std::max(widest, ToQString(graph.points[i].label).size());
    }
    const double room =
        (kRight - kLeft) / static_cast<double>(std::max<std::size_t>(labelled.size(), 1));
    const double needed = (static_cast<double>(widest) + 1.5) * kCharWidth;
    const auto step = std::max<std::size_t>(static_cast<std::size_t>(std::ceil(needed / room)), 1);
    std::string out;
    for (std::size_t k = 0; k < labelled.size(); k += step) {
        const double x = xOf(labelled[k]);
        out += Line(x, kBottom, x, kBottom + 4, "axisline");
        out += Text(x, kBottom + 17, "middle", graph.points[labelled[k]].label);
    }
    out += Text((kLeft + kRight) / 2, kReaderGraphHeight - 6, "middle", graph.xAxis,
                " class=\"axis\"");
    return out;
}

// The line, broken where a point has no value, and a point per value with its tip.
std::string Curve(const ReaderGraph& graph, auto xOf, auto yOf) {
    std::string path;
    std::string points;
    bool drawing = false;
    for (std::size_t i = 0; i < graph.points.size(); ++i) {
        const auto& value = graph.points[i].value;
        drawing = drawing && value;
        if (!value) continue;
        const std::string x = N(xOf(i));
        const std::string y = N(yOf(*value));
        path += (drawing ? "L" : "M") + x + " " + y;
        drawing = true;
        points += "<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"3\"><title>" +
                  Xml(graph.points[i].tip) + "</title></circle>\n";
    }
    return "<path class=\"line\" d=\"" + path + "\"/>\n<g class=\"points\">\n" + points + "</g>\n";
}

constexpr std::string_view kStyle =
    "<style>svg{font:12.5px system-ui,sans-serif;fill:#1b1d21}rect.ground{fill:#fff}"
    ".grid{stroke:#d5d9df}.axisline{stroke:#50555e;fill:none}.axis{font-weight:600}"
    ".line{fill:none;stroke:#b3261e;stroke-width:2}.points circle{fill:#b3261e;"
    "stroke:transparent;stroke-width:8}.points circle:hover{fill:#0a4fb0}"
    "@media (prefers-color-scheme:dark){svg{fill:#e6e8eb}rect.ground{fill:#121418}"
    ".grid{stroke:#3b414b}.axisline{stroke:#a9b0ba}.line{stroke:#ff8a80}"
    ".points circle{fill:#ff8a80}.points circle:hover{fill:#8cb8ff}}</style>\n";

}  // namespace

std::string ReaderGraphSvg(const ReaderGraph& graph) {
    double low = 0;
    double high = 1;
    bool any = false;
    for (const ReaderGraph::Point& point : graph.points) {
        if (!point.value) continue;
        low = any ? std::min(low, *point.value) : *point.value;
        high = any ? std::max(high, *point.value) : *point.value;
        any = true;
    }
    const Scale scale = NiceScale(std::min(low, graph.downwards ? 1.0 : 0.0), high);
    const auto yOf = [&](double v) {
        const double share = (v - scale.low) / (scale.high - scale.low);
        return graph.downwards ? kTop + share * (kBottom - kTop)
                               : kBottom - share * (kBottom - kTop);
    };
    const double last = static_cast<double>(std::max<std::size_t>(graph.points.size(), 2) - 1);
    const auto xOf = [&](std::size_t i) {
        return kLeft + 6 + (kRight - kLeft - 12) * static_cast<double>(i) / last;
    };
    const std::string width = std::to_string(kReaderGraphWidth);
    const std::string height = std::to_string(kReaderGraphHeight);
    std::string svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " + width + " " +
                      height + "\" width=\"" + width + "\" height=\"" + height +
                      "\" role=\"img\" aria-labelledby=\"t d\">\n<title id=\"t\">" +
                      Xml(graph.title) + "</title>\n<desc id=\"d\">" + Xml(graph.description) +
                      "</desc>\n" + std::string(kStyle);
    svg += "<rect class=\"ground\" width=\"" + width + "\" height=\"" + height + "\"/>\n";
    svg += YAxis(graph, scale, yOf);
    svg += "<path class=\"axisline\" d=\"M" + N(kLeft) + " " + N(kTop) + "V" + N(kBottom) + "H" +
           N(kRight) + "\"/>\n";
    svg += XAxis(graph, xOf);
    svg += Curve(graph, xOf, yOf);
    return svg + "</svg>\n";
}
