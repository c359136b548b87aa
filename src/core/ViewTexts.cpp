#include "core/ViewTexts.h"

#include <cstdio>
#include <stdexcept>
#include <type_traits>

#include "core/Json.h"

std::optional<double> Graph::scaleValue(std::string_view name) const {
    for (const auto& [key, value] : scale) {
        if (key == name) return value;
    }
    return std::nullopt;
}

void ViewTexts::set(std::string_view name, Content content) {
    for (Control& control : controls_) {
        if (control.name == name) {
            control.content = std::move(content);
            return;
        }
    }
    controls_.push_back({std::string(name), std::move(content)});
}

const ViewTexts::Content* ViewTexts::find(std::string_view name) const {
    for (const Control& control : controls_) {
        if (control.name == name) return &control.content;
    }
    return nullptr;
}

template <typename T>
const T& ViewTexts::get(std::string_view name) const {
    const Content* content = find(name);
    const T* value = content != nullptr ? std::get_if<T>(content) : nullptr;
    if (value == nullptr) {
        throw std::out_of_range("the view has no control " + std::string(name) + " of that kind");
    }
    return *value;
}

const std::string& ViewTexts::text(std::string_view name) const {
    return get<std::string>(name);
}
const Grid& ViewTexts::grid(std::string_view name) const {
    return get<Grid>(name);
}
const Graph& ViewTexts::graph(std::string_view name) const {
    return get<Graph>(name);
}
const ComboList& ViewTexts::combo(std::string_view name) const {
    return get<ComboList>(name);
}
bool ViewTexts::enabled(std::string_view name) const {
    return get<ButtonState>(name).enabled;
}
const Texts& ViewTexts::list(std::string_view name) const {
    return get<Texts>(name);
}
bool ViewTexts::visible(std::string_view name) const {
    return get<Visibility>(name).visible;
}
const CheckBoxState& ViewTexts::checkBox(std::string_view name) const {
    return get<CheckBoxState>(name);
}

const Grid* ViewTexts::mainGrid() const {
    for (const Control& control : controls_) {
        if (const Grid* grid = std::get_if<Grid>(&control.content)) return grid;
    }
    return nullptr;
}

namespace {

void AppendNumber(std::string& out, double value) {
    AppendJsonNumber(out, value);
}

void AppendNumber(std::string& out, std::int64_t value) {
    out += std::to_string(value);
}

void AppendColour(std::string& out, const GraphColour& colour) {
    if (!colour) {
        out += "\"foreground\"";
        return;
    }
    char text[16];
    std::snprintf(text, sizeof text, "\"#%02x%02x%02x\"", colour->red, colour->green, colour->blue);
    out += text;
}

// Appends "key": value pairs of whole numbers: {"x1": 1, "y1": 2}.
void AppendFields(std::string& out, std::initializer_list<std::pair<const char*, int>> fields) {
    bool first = true;
    for (const auto& [key, value] : fields) {
        if (!first) out += ", ";
        first = false;
        AppendJsonString(out, key);
        out += ": ";
        AppendNumber(out, static_cast<std::int64_t>(value));
    }
}

template <typename T, typename F>
void AppendList(std::string& out, const char* key, const std::vector<T>& items, F appendItem) {
    out += ",\n    ";
    AppendJsonString(out, key);
    out += ": [";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += i == 0 ? "\n      {" : ",\n      {";
        appendItem(items[i]);
        out += "}";
    }
    out += items.empty() ? "]" : "\n    ]";
}

void AppendGraph(std::string& out, const Graph& graph) {
    out += "{\n    \"width\": " + std::to_string(graph.width);
    out += ",\n    \"height\": " + std::to_string(graph.height);
    out += ",\n    \"scale\": {";
    for (std::size_t i = 0; i < graph.scale.size(); ++i) {
        if (i > 0) out += ", ";
        AppendJsonString(out, graph.scale[i].first);
        out += ": ";
        AppendNumber(out, graph.scale[i].second);
    }
    out += "}";
    AppendList(out, "boxes", graph.boxes, [&](const GraphBox& b) {
        AppendFields(out, {{"x1", b.x1}, {"y1", b.y1}, {"x2", b.x2}, {"y2", b.y2}});
        out += ", \"fill\": ";
        AppendColour(out, b.fill);
    });
    AppendList(out, "lines", graph.lines, [&](const GraphLine& l) {
        AppendFields(out, {{"x1", l.x1}, {"y1", l.y1}, {"x2", l.x2}, {"y2", l.y2}});
        out += ", \"colour\": ";
        AppendColour(out, l.colour);
        out += ", \"width\": " + std::to_string(l.width);
        out += l.dotted ? ", \"style\": \"dotted\"" : ", \"style\": \"solid\"";
    });
    AppendList(out, "circles", graph.circles, [&](const GraphCircle& c) {
        AppendFields(out, {{"x", c.x}, {"y", c.y}, {"radius", c.radius}});
        out += ", \"colour\": ";
        AppendColour(out, c.colour);
        out += ", \"width\": " + std::to_string(c.width);
        out += c.filled ? ", \"filled\": true" : ", \"filled\": false";
    });
    AppendList(out, "texts", graph.texts, [&](const GraphText& t) {
        AppendFields(out, {{"x", t.x}, {"y", t.y}});
        out += ", \"text\": ";
        AppendJsonString(out, t.text);
        out += ", \"lineStep\": " + std::to_string(t.lineStep);
    });
    out += "\n  }";
}

void AppendGrid(std::string& out, const Grid& grid) {
    out += "[";
    for (std::size_t r = 0; r < grid.size(); ++r) {
        out += r == 0 ? "\n    [" : ",\n    [";
        for (std::size_t c = 0; c < grid[r].size(); ++c) {
            if (c > 0) out += ", ";
            AppendJsonString(out, grid[r][c]);
        }
        out += "]";
    }
    out += grid.empty() ? "]" : "\n  ]";
}

void AppendTexts(std::string& out, const Texts& items) {
    out += "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        AppendJsonString(out, items[i]);
    }
    out += items.empty() ? "]" : "\n  ]";
}

void AppendCombo(std::string& out, const ComboList& combo) {
    out += "{\"items\": [";
    for (std::size_t i = 0; i < combo.items.size(); ++i) {
        out += i == 0 ? "\n    {\"text\": " : ",\n    {\"text\": ";
        AppendJsonString(out, combo.items[i].text);
        out += ", \"data\": ";
        AppendNumber(out, combo.items[i].data);
        out += "}";
    }
    out += combo.items.empty() ? "]" : "\n  ]";
    out += ", \"selected\": " + std::to_string(combo.selected) + "}";
}

}  // namespace

std::string ToJson(const ViewTexts& view) {
    std::string out = "{";
    bool first = true;
    for (const ViewTexts::Control& control : view.controls()) {
        out += first ? "\n  " : ",\n  ";
        first = false;
        AppendJsonString(out, control.name);
        out += ": ";
        std::visit(
            [&](const auto& content) {
                using T = std::decay_t<decltype(content)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    AppendJsonString(out, content);
                } else if constexpr (std::is_same_v<T, Grid>) {
                    AppendGrid(out, content);
                } else if constexpr (std::is_same_v<T, Graph>) {
                    AppendGraph(out, content);
                } else if constexpr (std::is_same_v<T, ComboList>) {
                    AppendCombo(out, content);
                } else if constexpr (std::is_same_v<T, Texts>) {
                    AppendTexts(out, content);
                } else if constexpr (std::is_same_v<T, Visibility>) {
                    out += content.visible ? "{\"visible\": true}" : "{\"visible\": false}";
                } else if constexpr (std::is_same_v<T, CheckBoxState>) {
                    out += "{";
                    if (content.value) out += "\"value\": " + std::to_string(*content.value) + ", ";
                    out += content.visible ? "\"visible\": true}" : "\"visible\": false}";
                } else {
                    out += content.enabled ? "{\"enabled\": true}" : "{\"enabled\": false}";
                }
            },
            control.content);
    }
    out += first ? "}\n" : "\n}\n";
    return out;
}

namespace {

void AppendQuoted(std::string& out, const std::string& cell) {
    out += '"';
    for (const char ch : cell) {
        if (ch == '"') out += '"';
        out += ch;
    }
    out += '"';
}

}  // namespace

std::string ToCsv(const Grid& grid, std::string_view lineEnd) {
    std::string out;
    for (const auto& row : grid) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out += ',';
            const std::string& cell = row[c];
            const bool quote = cell.find_first_of(",\"\r\n") != std::string::npos ||
                               (!cell.empty() && (cell.front() == ' ' || cell.back() == ' '));
            if (quote) {
                AppendQuoted(out, cell);
            } else {
                out += cell;
            }
        }
        out += lineEnd;
    }
    return out;
}

std::string ToTsv(const Grid& grid) {
    std::string out;
    for (const auto& row : grid) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out += '\t';
            const std::string& cell = row[c];
            if (cell.find_first_of("\t\r\n") != std::string::npos || cell.starts_with('"')) {
                AppendQuoted(out, cell);
            } else {
                out += cell;
            }
        }
        out += '\n';
    }
    return out;
}
