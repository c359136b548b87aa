#include "tournaments/Diagrams.h"

#include <QString>
#include <algorithm>
#include <map>

#include "core/QtText.h"
#include "db/WideNumber.h"

namespace {

constexpr int kMargin = 300;
constexpr int kPad = 90;
constexpr Rgb kTitleBand{205, 218, 240};
constexpr Rgb kBoxFill{235, 241, 250};
constexpr Rgb kHeaderFill{214, 224, 240};
constexpr Rgb kLineColour{90, 110, 140};

int TextWidth(const std::string& text) {
    return static_cast<int>(ToQString(text).size()) * kDiagramChar;
}

std::string Key(const std::string& name) {
    return ToUtf8(ToQString(name).toCaseFolded());
}

std::string Score(const PhaseGame& g) {
    return g.teamA + "  " + std::to_string(g.goalsA) + " - " + std::to_string(g.goalsB) + "  " +
           g.teamB;
}

void Title(Graph& graph, const std::string& title, int width) {
    graph.boxes.push_back({0, 0, width, kMargin + kDiagramLine, kTitleBand});
    graph.texts.push_back({kMargin, kMargin / 2, title, 0});
}

// ------------------------------------------------------------------------------------------
// League phase.

struct Standing {
    std::string name;
    // Wide: a group's goals add up the games' 64-bit figures.
    WideInt played = 0, won = 0, drawn = 0, lost = 0, goalsFor = 0, goalsAgainst = 0;
    WideInt points() const { return 3 * won + drawn; }
};

std::vector<Standing> Standings(const std::vector<PhaseGame>& games) {
    std::map<std::string, std::size_t> index;
    std::vector<Standing> table;
    auto slot = [&](const std::string& name) {
        const auto [it, added] = index.emplace(Key(name), table.size());
        if (added) table.push_back({name});
        return it->second;
    };
    for (const PhaseGame& g : games) {
        // Both players are in the table before either is looked at: adding one moves the rows.
        const std::size_t home = slot(g.teamA);
        const std::size_t away = slot(g.teamB);
        Standing& a = table[home];
        Standing& b = table[away];
        a.played++, b.played++;
        a.goalsFor += g.goalsA, a.goalsAgainst += g.goalsB;
        b.goalsFor += g.goalsB, b.goalsAgainst += g.goalsA;
        if (g.goalsA > g.goalsB) a.won++, b.lost++;
        if (g.goalsA < g.goalsB) b.won++, a.lost++;
        if (g.goalsA == g.goalsB) a.drawn++, b.drawn++;
    }
    std::stable_sort(table.begin(), table.end(), [](const Standing& x, const Standing& y) {
        if (x.points() != y.points()) return x.points() > y.points();
        const WideInt dx = x.goalsFor - x.goalsAgainst, dy = y.goalsFor - y.goalsAgainst;
        if (dx != dy) return dx > dy;
        return x.goalsFor > y.goalsFor;
    });
    return table;
}

constexpr int kFigure = 480;  // one figure column of a table
const char* const kFigureHeads[] = {"Pld", "W", "D", "L", "GF", "GA", "Pts"};

// Draws one group at (x, y); returns its size.
std::pair<int, int> DrawGroup(Graph& graph, const PhaseGroup& group, int x, int y) {
    const std::vector<Standing> table = Standings(group.games);
    int nameWidth = TextWidth("Player");
    for (const Standing& s : table) nameWidth = std::max(nameWidth, TextWidth(s.name));
    int width = nameWidth + 2 * kPad + 7 * kFigure;
    for (const PhaseGame& g : group.games) width = std::max(width, TextWidth(Score(g)) + 2 * kPad);
    width = std::max(width, TextWidth(group.label) + 2 * kPad);

    int row = y;
    graph.boxes.push_back({x, row, x + width, row + kDiagramLine, kHeaderFill});
    graph.texts.push_back({x + kPad, row, group.label, 0});
    row += kDiagramLine;
    const int tableTop = row;
    graph.texts.push_back({x + kPad, row, "Player", 0});
    for (int c = 0; c < 7; ++c)
        graph.texts.push_back({x + kPad + nameWidth + c * kFigure + kPad, row, kFigureHeads[c], 0});
    for (const Standing& s : table) {
        row += kDiagramLine;
        const WideInt figures[] = {s.played,   s.won,          s.drawn,   s.lost,
                                   s.goalsFor, s.goalsAgainst, s.points()};
        graph.texts.push_back({x + kPad, row, s.name, 0});
        for (int c = 0; c < 7; ++c) {
            graph.texts.push_back(
                {x + kPad + nameWidth + c * kFigure + kPad, row, WideText(figures[c]), 0});
        }
    }
    row += kDiagramLine;
    graph.boxes.push_back({x, tableTop, x + width, row, kBoxFill});
    row += kDiagramLine / 2;
    for (const PhaseGame& g : group.games) {
        graph.texts.push_back({x + kPad, row, Score(g), 0});
        row += kDiagramLine;
    }
    return {width, row - y};
}

// ------------------------------------------------------------------------------------------
// Knock-out phase.

struct Tie {
    std::vector<PhaseGame> legs;
    std::string winner;  // empty when the legs end level
    int top = 0;
    int height = 0;
    int centre() const { return top + height / 2; }
    bool has(const std::string& key) const {
        return !legs.empty() && (Key(legs[0].teamA) == key || Key(legs[0].teamB) == key);
    }
};

// The games of a stage as ties, legs between the same two players together; the player with
// more goals over the legs goes on.
std::vector<Tie> Ties(const std::vector<PhaseGame>& games) {
    std::vector<Tie> ties;
    std::map<std::pair<std::string, std::string>, std::size_t> index;
    for (const PhaseGame& g : games) {
        std::string a = Key(g.teamA);
        std::string b = Key(g.teamB);
        if (b < a) std::swap(a, b);
        const auto [it, added] = index.emplace(std::pair(std::move(a), std::move(b)), ties.size());
        if (added) ties.emplace_back();
        ties[it->second].legs.push_back(g);
    }
    for (Tie& tie : ties) {
        const std::string first = tie.legs[0].teamA;
        WideInt goals = 0;  // of the first leg's Team A, less his opponent's
        for (const PhaseGame& g : tie.legs) {
            const bool home = Key(g.teamA) == Key(first);
            goals += home ? WideInt{g.goalsA} - g.goalsB : WideInt{g.goalsB} - g.goalsA;
        }
        if (goals > 0) tie.winner = first;
        if (goals < 0) tie.winner = tie.legs[0].teamB;
    }
    return ties;
}

int TieHeight(const Tie& tie) {
    return static_cast<int>(tie.legs.size()) * kDiagramLine + kPad;
}

void DrawTie(Graph& graph, const Tie& tie, int x, int width) {
    graph.boxes.push_back({x, tie.top, x + width, tie.top + tie.height, kBoxFill});
    int y = tie.top + kPad / 2;
    for (const PhaseGame& g : tie.legs) {
        graph.texts.push_back({x + kPad, y, Score(g), 0});
        y += kDiagramLine;
    }
}

// Places the ties of a column after those of the column before: each at the middle of the ties
// whose winners it holds, in that order, never overlapping.
void PlaceAfter(std::vector<Tie>& ties, const std::vector<Tie>& before, int top) {
    std::vector<std::pair<int, std::size_t>> wanted;
    for (std::size_t i = 0; i < ties.size(); ++i) {
        int sum = 0, feeders = 0;
        for (const Tie& f : before) {
            if (!f.winner.empty() && ties[i].has(Key(f.winner))) sum += f.centre(), ++feeders;
        }
        const int centre = feeders > 0 ? sum / feeders : 1 << 29;
        wanted.emplace_back(centre, i);
    }
    std::stable_sort(wanted.begin(), wanted.end());
    std::vector<Tie> placed;
    int next = top;
    for (const auto& [centre, i] : wanted) {
        Tie tie = ties[i];
        tie.height = TieHeight(tie);
        tie.top = std::max(next, centre == 1 << 29 ? next : centre - tie.height / 2);
        next = tie.top + tie.height + kDiagramLine / 2;
        placed.push_back(std::move(tie));
    }
    ties = std::move(placed);
}

void Connect(Graph& graph, const std::vector<Tie>& from, int fromRight, const std::vector<Tie>& to,
             int toLeft) {
    const int middle = (fromRight + toLeft) / 2;
    for (const Tie& f : from) {
        if (f.winner.empty()) continue;
        for (const Tie& t : to) {
            if (!t.has(Key(f.winner))) continue;
            graph.lines.push_back({fromRight, f.centre(), middle, f.centre(), kLineColour, 2});
            graph.lines.push_back({middle, f.centre(), middle, t.centre(), kLineColour, 2});
            graph.lines.push_back({middle, t.centre(), toLeft, t.centre(), kLineColour, 2});
            break;
        }
    }
}

}  // namespace

Graph LeagueDiagram(const DiagramPlan& plan, const std::vector<PhaseGroup>& groups) {
    Graph graph;
    const int top = kMargin + kDiagramLine + kMargin;
    int x = kMargin;
    int y = top;
    int rowHeight = 0;
    int width = TextWidth(plan.title) + 2 * kMargin;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        // Two groups side by side, then the next row.
        if (i > 0 && i % 2 == 0) x = kMargin, y += rowHeight + kMargin, rowHeight = 0;
        const auto [w, h] = DrawGroup(graph, groups[i], x, y);
        x += w + kMargin;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, h);
    }
    graph.width = width;
    graph.height = y + rowHeight + kMargin;
    Title(graph, plan.title, graph.width);
    std::rotate(graph.boxes.begin(), graph.boxes.end() - 1, graph.boxes.end());
    return graph;
}

Graph BracketDiagram(const DiagramPlan& plan, const std::vector<PhaseGroup>& stages) {
    Graph graph;
    std::vector<const PhaseGroup*> columns;
    std::vector<const PhaseGroup*> thirdPlace;
    for (const PhaseGroup& stage : stages) {
        (IsThirdPlace(PhaseWords(plan.base, stage.tournament)) ? thirdPlace : columns)
            .push_back(&stage);
    }
    int boxWidth = 0;
    for (const PhaseGroup& stage : stages) {
        boxWidth = std::max(boxWidth, TextWidth(stage.label));
        for (const PhaseGame& g : stage.games) boxWidth = std::max(boxWidth, TextWidth(Score(g)));
    }
    boxWidth += 2 * kPad;
    const int gap = 600;
    const int headTop = kMargin + kDiagramLine + kMargin;
    const int top = headTop + kDiagramLine + kPad;

    std::vector<std::vector<Tie>> placed;
    int bottom = top;
    int lastX = kMargin;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int x = lastX = kMargin + static_cast<int>(c) * (boxWidth + gap);
        graph.texts.push_back({x, headTop, columns[c]->label, 0});
        std::vector<Tie> ties = Ties(columns[c]->games);
        PlaceAfter(ties, c == 0 ? std::vector<Tie>{} : placed.back(), top);
        for (const Tie& tie : ties) {
            DrawTie(graph, tie, x, boxWidth);
            bottom = std::max(bottom, tie.top + tie.height);
        }
        if (c > 0) Connect(graph, placed.back(), x - gap, ties, x);
        placed.push_back(std::move(ties));
    }
    int right = kMargin + static_cast<int>(columns.size()) * (boxWidth + gap) - gap;
    if (!placed.empty() && placed.back().size() == 1 && !placed.back()[0].winner.empty()) {
        const Tie& last = placed.back()[0];
        const std::string text = "Winner: " + last.winner;
        graph.texts.push_back({right + kPad * 2, last.centre() - kDiagramLine / 2, text, 0});
        right += kPad * 2 + TextWidth(text);
    }
    // Under the final.
    const int x = lastX;
    int y = bottom + kMargin;
    for (const PhaseGroup* stage : thirdPlace) {
        graph.texts.push_back({x, y, stage->label, 0});
        y += kDiagramLine + kPad / 2;
        for (Tie tie : Ties(stage->games)) {
            tie.top = y;
            tie.height = TieHeight(tie);
            DrawTie(graph, tie, x, boxWidth);
            y += tie.height + kPad;
        }
        bottom = y;
    }
    graph.width = std::max({right, lastX + boxWidth, TextWidth(plan.title)}) + kMargin * 2;
    graph.height = bottom + kMargin;
    std::vector<GraphBox> boxes = std::move(graph.boxes);
    graph.boxes.clear();
    Title(graph, plan.title, graph.width);
    graph.boxes.insert(graph.boxes.end(), boxes.begin(), boxes.end());
    return graph;
}

Graph NothingFoundDiagram(const DiagramPlan& plan) {
    Graph graph;
    const std::string note = LookedFor(plan);
    graph.width = std::max(TextWidth(plan.title), TextWidth(note)) + 2 * kMargin;
    graph.height = kMargin + kDiagramLine + kMargin + 2 * kDiagramLine + kMargin;
    Title(graph, plan.title, graph.width);
    const int y = kMargin + kDiagramLine + kMargin;
    graph.texts.push_back({kMargin, y, "No games found.", 0});
    graph.texts.push_back({kMargin, y + kDiagramLine, note, 0});
    return graph;
}

Graph DiagramOf(const DiagramPlan& plan) {
    return DrawDiagram(plan, FindPhaseGames(plan));
}

Graph DrawDiagram(const DiagramPlan& plan, const std::vector<PhaseGroup>& groups) {
    if (groups.empty()) return NothingFoundDiagram(plan);
    return plan.league() ? LeagueDiagram(plan, groups) : BracketDiagram(plan, groups);
}
