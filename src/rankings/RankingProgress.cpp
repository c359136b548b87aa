#include "rankings/RankingProgress.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/DisplayFormat.h"
#include "db/Database.h"
#include "rankings/RankingColumn.h"

namespace {

// Fixed places of the drawing, in twips.
constexpr int kAxisX = 580;            // the vertical axis
constexpr int kTopY = 60;              // the top value's height
constexpr int kAxisAboveBottom = 800;  // the horizontal axis, above the picture's bottom
constexpr int kRightMargin = 100;
constexpr int kLabelStep = 150;  // between the characters of a vertical label
// From a month's name label to the next month's: its own year label stands 140 twips to the
// right of its name, and each is a character wide.
constexpr int kLabelPitch = 280;

// Points beyond this (either way) are no ranking anyone holds: a damaged value, left out so that
// the scale's arithmetic stays far from the limits of its numbers.
constexpr std::int64_t kMaxPlottedPoints = 1'000'000'000;

bool Plottable(const std::optional<std::int64_t>& points) {
    return points && *points >= -kMaxPlottedPoints && *points <= kMaxPlottedPoints;
}

int Round(double value) {
    return static_cast<int>(RoundHalfEven(value));
}

// The first n characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t n) {
    std::size_t end = 0;
    for (std::size_t count = 0; end < text.size() && count < n; ++count) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) ++end;
    }
    return text.substr(0, end);
}

struct Scale {
    std::int64_t top = 0;
    std::int64_t bottom = 3000;
    std::int64_t step = 0;  // of the value grid
    double ys = 0;
    double xs = 0;
    int y(std::int64_t v) const { return Round(static_cast<double>(top - v) * ys + kTopY); }
    int x(std::size_t m) const { return Round(static_cast<double>(m) * xs + kAxisX); }
};

// Where the data lines may run: between the axes, up to the top value and the right margin.
struct PlotArea {
    int left, top, right, bottom;
};

// The part of a line inside the area, nothing when it lies wholly outside (Liang-Barsky).
std::optional<GraphLine> Clipped(GraphLine line, const PlotArea& area) {
    const double dx = line.x2 - line.x1;
    const double dy = line.y2 - line.y1;
    const double toEdge[4][2] = {{-dx, static_cast<double>(line.x1 - area.left)},
                                 {dx, static_cast<double>(area.right - line.x1)},
                                 {-dy, static_cast<double>(line.y1 - area.top)},
                                 {dy, static_cast<double>(area.bottom - line.y1)}};
    double enter = 0;
    double leave = 1;
    for (const auto& [towards, room] : toEdge) {
        if (towards == 0) {
            if (room < 0) return std::nullopt;
            continue;
        }
        const double t = room / towards;
        if (towards < 0) enter = std::max(enter, t);
        if (towards > 0) leave = std::min(leave, t);
    }
    if (enter > leave) return std::nullopt;
    const int x1 = line.x1;
    const int y1 = line.y1;
    line.x1 = Round(x1 + enter * dx);
    line.y1 = Round(y1 + enter * dy);
    line.x2 = Round(x1 + leave * dx);
    line.y2 = Round(y1 + leave * dy);
    return line;
}

void DrawAxesAndGrid(Graph& g, const Scale& s, std::size_t months) {
    const int w = g.width;
    const int h = g.height;
    const int axisY = h - kAxisAboveBottom;
    g.lines.push_back({kAxisX, kTopY, kAxisX, h - 520});
    g.lines.push_back({kAxisX, axisY, w - kRightMargin, axisY});

    for (std::int64_t v = s.bottom; v <= s.top; v += s.step) {
        g.lines.push_back(
            {.x1 = 520, .y1 = s.y(v), .x2 = w - kRightMargin, .y2 = s.y(v), .dotted = true});
        g.texts.push_back({60, s.y(v), FormatNumber(static_cast<double>(v), "0###")});
    }
    for (std::size_t k = 0; k <= months; ++k) {
        const double x = static_cast<double>(k) * s.xs;
        g.boxes.push_back({Round(x + 550), h - 830, Round(x + 610), h - 770, kBlue});
        g.lines.push_back({.x1 = Round(x + kAxisX),
                           .y1 = axisY,
                           .x2 = Round(x + kAxisX),
                           .y2 = 100,
                           .dotted = true});
    }
}

// "May 2003: 1250 points".
std::string PointTip(const RankedMonth& month) {
    const int monthNumber = static_cast<int>(RankingItemData(month.column) / 100);
    return CurrentLocale().monthName(monthNumber) + " 20" + month.column.substr(3, 2) + ": " +
           std::to_string(*month.points) + " points";
}

// Vertical "May" and "2003" below the month's tick, for every month where the months are wide
// enough, else for every second, third... month, so that no two labels run into each other.
void DrawMonthLabels(Graph& g, const Scale& s, const std::vector<RankedMonth>& months) {
    const int labelY = g.height - kAxisAboveBottom + 80;
    const double count = static_cast<double>(months.size());
    const double pitch = s.xs > 0 ? std::ceil(kLabelPitch / s.xs) : count;
    const auto every = static_cast<std::size_t>(std::clamp(pitch, 1.0, std::max(count, 1.0)));
    for (std::size_t m = 1; m <= months.size(); m += every) {
        const RankedMonth& month = months[m - 1];
        const double x = static_cast<double>(m) * s.xs;
        const int monthNumber = static_cast<int>(RankingItemData(month.column) / 100);
        g.texts.push_back({Round(x + 430), labelY,
                           FirstCharacters(CurrentLocale().monthName(monthNumber), 3), kLabelStep});
        g.texts.push_back({Round(x + 570), labelY, "20" + month.column.substr(3, 2), kLabelStep});
    }
}

void DrawMonths(Graph& g, const Scale& s, const std::vector<RankedMonth>& months) {
    const PlotArea area{kAxisX, kTopY, g.width - kRightMargin, g.height - kAxisAboveBottom};
    const auto drawLine = [&g, &area](const GraphLine& line) {
        if (const auto inside = Clipped(line, area)) g.lines.push_back(*inside);
    };
    for (std::size_t m = 1; m <= months.size(); ++m) {
        const RankedMonth& month = months[m - 1];
        if (!Plottable(month.points)) continue;

        const int y = s.y(*month.points);
        g.circles.push_back({.x = s.x(m), .y = y, .radius = 40, .width = 3});
        g.spots.push_back({.x = s.x(m), .y = y, .radius = 40, .tip = PointTip(month)});
        // Only months are joined: the first month has no predecessor to join.
        if (m == 1) continue;
        const RankedMonth& before = months[m - 2];
        if (Plottable(before.points)) {
            drawLine({s.x(m - 1), s.y(*before.points), s.x(m), y, kRed, 3});
        } else {
            // From the value 1000, which may lie beyond the scale.
            drawLine({kAxisX, s.y(1000), s.x(m), y, kRed, 1});
        }
    }
}

}  // namespace

std::vector<RankedMonth> PlayerRankingMonths(std::string_view player) {
    const QueryResult rows = Query("select * from rankings where player=" + SqlQuote(player));
    std::vector<RankedMonth> months;
    if (rows.empty()) return months;
    for (int i = 0; i < rows.fieldCount(); ++i) {
        if (!IsRankingColumnName(rows.fieldName(i))) continue;
        const DbValue& value = rows[0][i];
        RankedMonth month{rows.fieldName(i), std::nullopt};
        // Points beyond the 64-bit range stay beyond the plotted range and are left out.
        const std::int64_t points = ClampedNullToZero(value);
        if (!value.isNull() && points != -1) month.points = points;
        months.push_back(std::move(month));
    }
    return months;
}

Graph ProgressGraph(const std::vector<RankedMonth>& months, int width, int height) {
    Graph graph{.width = width, .height = height};
    Scale s;
    bool ranked = false;
    for (const RankedMonth& month : months) {
        if (!Plottable(month.points)) continue;
        ranked = true;
        s.top = std::max(s.top, *month.points);
        s.bottom = std::min(s.bottom, *month.points);
    }
    if (!ranked) return graph;
    s.top += 100;
    s.bottom -= 100;
    s.step = RoundHalfEven(static_cast<double>(s.top - s.bottom) / 4);
    // The plotting area leaves 800 twips for the labels and 100 of margin.
    s.ys = static_cast<double>(height - 800 - 100) / static_cast<double>(s.top - s.bottom);
    s.xs = static_cast<double>(width - 800 - 100) / static_cast<double>(months.size());
    graph.scale = {{"top", static_cast<double>(s.top)},
                   {"bottom", static_cast<double>(s.bottom)},
                   {"span", static_cast<double>(s.top - s.bottom)},
                   {"step", static_cast<double>(s.step)},
                   {"ys", s.ys},
                   {"xs", s.xs}};
    DrawAxesAndGrid(graph, s, months.size());
    DrawMonthLabels(graph, s, months);
    DrawMonths(graph, s, months);
    return graph;
}

ViewTexts ProgressView(std::string_view player, int width, int height) {
    return ProgressView(player, PlayerRankingMonths(player), width, height);
}

ViewTexts ProgressView(std::string_view player, const std::vector<RankedMonth>& months, int width,
                       int height) {
    const Graph graph = ProgressGraph(months, width, height);
    const bool leftOut = std::any_of(months.begin(), months.end(), [](const RankedMonth& m) {
        return m.points && !Plottable(m.points);
    });
    ViewTexts view;
    view.set("Label1", std::string(player));
    view.set("picGraph", graph);
    view.set("lblNote", graph.empty() ? "No ranked month to draw"
                        : leftOut     ? "Months whose points are out of all range are left out"
                                      : "");
    return view;
}
