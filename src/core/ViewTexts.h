#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

// What the controls of one view show, computed without any widget: the windows move these texts
// into their controls and the duzedo tool prints them, so the two always agree.

// Rows of cell texts; row 0 is the header row where the grid has one.
using Grid = std::vector<std::vector<std::string>>;
// A header row, the items of a list or combo box, the labels down a label grid.
using Texts = std::vector<std::string>;

// The first item of every filter combo box.
inline constexpr std::string_view kAllItem = "<all>";

struct ComboItem {
    std::string text;
    std::int64_t data = 0;  // the item's data number
};

struct ComboList {
    std::vector<ComboItem> items;
    int selected = -1;  // -1: nothing selected
};

struct ButtonState {
    bool enabled = true;
};

// A control the view shows or hides as a whole.
struct Visibility {
    bool visible = true;
};

// A check box: its value (0 clear, 1 ticked; none when the view does not set it) and whether it
// is shown.
struct CheckBoxState {
    std::optional<int> value;
    bool visible = true;
    friend bool operator==(const CheckBoxState&, const CheckBoxState&) = default;
};

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// No colour means the picture's own foreground colour.
using GraphColour = std::optional<Rgb>;

inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};

// Drawing data in twips of the picture, y growing downwards. A window paints the boxes, then the
// lines, the circles and the texts, each list in its order.
struct GraphLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    GraphColour colour{};
    int width = 1;
    bool dotted = false;
    friend bool operator==(const GraphLine&, const GraphLine&) = default;
};

struct GraphCircle {
    int x = 0, y = 0, radius = 0;
    GraphColour colour{};
    int width = 1;
    bool filled = false;
    friend bool operator==(const GraphCircle&, const GraphCircle&) = default;
};

struct GraphBox {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    GraphColour fill{};
    friend bool operator==(const GraphBox&, const GraphBox&) = default;
};

struct GraphText {
    int x = 0, y = 0;  // top left of the first character
    std::string text{};
    int lineStep = 0;  // 0: one line; else one character per line, lineStep twips apart
    friend bool operator==(const GraphText&, const GraphText&) = default;
};

// A point of the graph that explains itself: hovering within radius of (x, y) shows tip (plain
// text); a click there picks table row `row` of the window, where there is one.
struct GraphSpot {
    int x = 0, y = 0, radius = 0;
    std::string tip{};
    std::optional<int> row{};
    friend bool operator==(const GraphSpot&, const GraphSpot&) = default;
};

struct Graph {
    int width = 0;  // the picture's size the coordinates were computed for
    int height = 0;
    std::vector<std::pair<std::string, double>> scale{};  // named figures of the scale, in order
    std::vector<GraphBox> boxes{};
    std::vector<GraphLine> lines{};
    std::vector<GraphCircle> circles{};
    std::vector<GraphText> texts{};
    // Not drawn, and left out of the printed view: what the window says on hovering.
    std::vector<GraphSpot> spots{};

    bool empty() const {
        return boxes.empty() && lines.empty() && circles.empty() && texts.empty();
    }
    // A scale figure by name; nullopt when the graph has none of that name.
    std::optional<double> scaleValue(std::string_view name) const;
};

// The controls of one view by name, in the order they were set: a label or caption (text), a
// grid, a graph, a combo box's items, a button's state, a list's items or a control's visibility.
class ViewTexts {
  public:
    using Content = std::variant<std::string, Grid, Graph, ComboList, ButtonState, Texts,
                                 Visibility, CheckBoxState>;
    struct Control {
        std::string name;
        Content content;
    };

    // Sets a control, replacing any earlier content of that name.
    void set(std::string_view name, Content content);

    const std::vector<Control>& controls() const { return controls_; }
    bool has(std::string_view name) const { return find(name) != nullptr; }

    // The content of a control; throws std::out_of_range when there is no such control or it holds
    // another kind of content.
    const std::string& text(std::string_view name) const;
    const Grid& grid(std::string_view name) const;
    const Graph& graph(std::string_view name) const;
    const ComboList& combo(std::string_view name) const;
    bool enabled(std::string_view name) const;
    const Texts& list(std::string_view name) const;
    bool visible(std::string_view name) const;
    const CheckBoxState& checkBox(std::string_view name) const;

    // The view's first grid, the one a CSV export writes; nullptr when it has none.
    const Grid* mainGrid() const;

  private:
    const Content* find(std::string_view name) const;
    template <typename T>
    const T& get(std::string_view name) const;

    std::vector<Control> controls_;
};

// One JSON object, UTF-8: a key per control, in order. A label is a string, a grid an array of rows
// of strings, a combo box {"items": [{"text", "data"}...], "selected"}, a button {"enabled"}, a
// graph its size, scale and shapes, a list an array of strings, a visibility {"visible"}, a check
// box {"value", "visible"} ("value" only when set). Invalid UTF-8 in a text becomes U+FFFD.
std::string ToJson(const ViewTexts& view);
// The grid as CSV: one line per row ending in lineEnd ("\r\n" for files others read); a cell
// holding a comma, a quote, a line break or an outer blank is quoted, with quotes doubled.
std::string ToCsv(const Grid& grid, std::string_view lineEnd = "\n");
// The grid as tab-separated lines, each ending in "\n", the way spreadsheets take pasted cells: a
// cell holding a tab or a line break, or starting with a quote, is quoted, with quotes doubled.
std::string ToTsv(const Grid& grid);
