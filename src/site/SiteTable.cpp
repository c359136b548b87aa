#include "site/SiteTable.h"

#include <QString>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <numeric>
#include <set>

#include "core/DisplayLocale.h"
#include "core/QtText.h"
#include "db/JetText.h"
#include "site/ColumnAbbreviations.h"

namespace {

std::optional<double> NumberIn(std::string_view text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value)) return std::nullopt;
    return value;
}

// "May 2003", as the views name a month, counted in months; nullopt for any other text.
std::optional<int> MonthIn(std::string_view text) {
    const std::size_t space = text.rfind(' ');
    if (space == std::string_view::npos || text.size() - space != 5) return std::nullopt;
    int year = 0;
    const char* end = text.data() + text.size();
    if (std::from_chars(text.data() + space + 1, end, year).ptr != end) return std::nullopt;
    for (int month = 1; month <= 12; ++month) {
        if (text.substr(0, space) == CurrentLocale().monthName(month)) return year * 12 + month;
    }
    return std::nullopt;
}

// Whether every cell of the column that is not empty reads as kind, and one does.
template <typename Read>
bool ColumnOf(const Grid& grid, std::size_t column, Read read) {
    bool any = false;
    for (std::size_t row = 1; row < grid.size(); ++row) {
        if (column >= grid[row].size() || grid[row][column].empty()) continue;
        if (!read(grid[row][column])) return false;
        any = true;
    }
    return any;
}

bool IsNumberColumn(const Grid& grid, std::size_t column) {
    return ColumnOf(grid, column, NumberIn);
}

// How a column's cells compare: as the database compares texts, as numbers, or as months in
// time (a reader expects April 2001 before August 2001 and both before April 2002).
enum class CellKind { Text, Number, Month };

CellKind KindOf(const Grid& grid, std::size_t column) {
    if (IsNumberColumn(grid, column)) return CellKind::Number;
    return ColumnOf(grid, column, MonthIn) ? CellKind::Month : CellKind::Text;
}

const std::string& Cell(const Grid& grid, std::size_t row, std::size_t column) {
    static const std::string kNone;
    return column < grid[row].size() ? grid[row][column] : kNone;
}

// Negative, zero or positive as a comes before, with or after b.
int CompareCells(const std::string& a, const std::string& b, CellKind kind) {
    if (kind == CellKind::Text) return JetCompare(a, b);
    if (a.empty() || b.empty()) return static_cast<int>(!a.empty()) - static_cast<int>(!b.empty());
    const double x = kind == CellKind::Number ? *NumberIn(a) : *MonthIn(a);
    const double y = kind == CellKind::Number ? *NumberIn(b) : *MonthIn(b);
    return (x > y) - (x < y);
}

std::string Neutralised(const std::string& cell) {
    if (cell.empty() || std::string_view("=+-@\t\r").find(cell[0]) == std::string_view::npos ||
        NumberIn(cell)) {
        return cell;
    }
    return "'" + cell;
}

TemplateData FilterData(const SiteTable::Filter& filter) {
    TemplateList items;
    for (const std::string& item : filter.items) {
        TemplateData option;
        option.set("text", WebText(item));
        option.set("key", WebText(JetFoldKey(item)));
        items.push_back(option);
    }
    TemplateData data;
    data.set("label", WebText(filter.label));
    data.set("items", items);
    if (filter.numberColumn) data.set("number", std::to_string(*filter.numberColumn));
    return data;
}

// The body's rows as markup, every text escaped. Written here rather than by the template: a
// template value for each cell was a third of the time a large site took.
std::string RowsHtml(const SiteTable& table, const std::vector<bool>& numeric) {
    const Grid& grid = table.grid;
    const std::size_t columns = numeric.size();
    std::vector<std::vector<std::size_t>> keys;
    for (std::size_t column = 0; column < columns; ++column) {
        const bool given = table.order && table.order->column == column &&
                           table.order->keys.size() + 1 == grid.size();
        keys.push_back(given ? table.order->keys : ColumnSortKeys(grid, column));
    }
    std::map<std::string, std::size_t> rowsOfKey;
    std::string html;
    for (std::size_t row = 1; row < grid.size(); ++row) {
        html += "<tr";
        if (table.filter) {
            const std::string key = WebText(JetFoldKey(Cell(grid, row, table.filter->column)));
            html += " data-f=\"" + HtmlEscaped(key) + "\" data-fp=\"" +
                    std::to_string(++rowsOfKey[key]) + '"';
            if (const auto other = table.filter->otherColumn) {
                html +=
                    " data-g=\"" + HtmlEscaped(WebText(JetFoldKey(Cell(grid, row, *other)))) + '"';
            }
        }
        html += '>';
        for (std::size_t column = 0; column < columns; ++column) {
            html += "<td data-k=\"" + std::to_string(keys[column][row - 1]) + '"';
            if (numeric[column]) html += " class=\"n\"";
            html += '>';
            const std::string text = HtmlEscaped(WebText(Cell(grid, row, column)));
            const std::string* href = nullptr;
            for (const SiteTable::Links& links : table.links) {
                if (links.column == column && row <= links.hrefs.size() &&
                    !links.hrefs[row - 1].empty()) {
                    href = &links.hrefs[row - 1];
                }
            }
            html += href ? "<a href=\"" + HtmlEscaped(*href) + "\">" + text + "</a>" : text;
            html += "</td>";
        }
        html += "</tr>\n";
    }
    return html;
}

// Whether a column gives way on a phone: in a table of games the game's number, goal difference
// and tournament (both players and both scores stay, or the opponent, score and result of a
// player's form); elsewhere the country and the counts a
// standings table has room for only on a wider screen (position, player, games and points stay:
// a sortable heading is a 44 px target, so a phone has room for about five columns).
bool SecondaryColumn(const std::vector<std::string>& header, const std::string& heading) {
    static const std::set<std::string, std::less<>> kOfGames = {"#",   "Dif",   "Diff",
                                                                "Gls", "Tourn", "Tournament"};
    static const std::set<std::string, std::less<>> kOfOthers = {"Country", "W",  "D",
                                                                 "L",       "GF", "GA"};
    const bool games = std::ranges::find(header, "Team A") != header.end() ||
                       std::ranges::find(header, "Score") != header.end();
    return (games ? kOfGames : kOfOthers).contains(heading);
}

// The table's classes x1, x2... naming the columns (from 1) a phone leaves out; empty for none.
std::string PhoneHiddenClasses(const std::vector<std::string>& header) {
    std::string classes;
    for (std::size_t column = 0; column < header.size(); ++column) {
        if (SecondaryColumn(header, header[column])) classes += " x" + std::to_string(column + 1);
    }
    return classes;
}

}  // namespace

std::string WebText(std::string_view text) {
    return ToUtf8(ShowableText(text, TextFor::Html));
}

std::vector<std::size_t> ColumnSortKeys(const Grid& grid, std::size_t column) {
    const CellKind kind = KindOf(grid, column);
    std::vector<std::size_t> order(grid.empty() ? 0 : grid.size() - 1);
    std::iota(order.begin(), order.end(), std::size_t{1});
    const auto compare = [&](std::size_t a, std::size_t b) {
        return CompareCells(Cell(grid, a, column), Cell(grid, b, column), kind);
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return compare(a, b) < 0; });
    std::vector<std::size_t> keys(order.size());
    std::size_t key = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && compare(order[i - 1], order[i]) < 0) ++key;
        keys[order[i] - 1] = key;
    }
    return keys;
}

TemplateData TableData(const SiteTable& table, std::string_view csvHref, std::string_view csvName) {
    TemplateData data;
    data.set("id", WebText(table.id));
    data.set("heading", WebText(table.heading));
    data.set("csv", std::string(csvHref));
    data.set("csvName", std::string(csvName));
    TemplateList header;
    std::vector<bool> numeric;
    for (std::size_t column = 0; column < table.grid.front().size(); ++column) {
        numeric.push_back(IsNumberColumn(table.grid, column));
        TemplateData cell;
        const std::string& heading = table.grid.front()[column];
        cell.set("t", WebText(heading));
        if (const auto meaning = ColumnAbbreviationMeaning(heading)) cell.set("meaning", *meaning);
        if (numeric.back()) cell.set("n", true);
        // A heading without text would be an empty header cell for a screen reader.
        if (!table.grid.front()[column].empty()) cell.set("named", true);
        header.push_back(std::move(cell));
    }
    data.set("header", std::move(header));
    if (const std::string hidden = PhoneHiddenClasses(table.grid.front()); !hidden.empty()) {
        data.set("narrow", hidden);
    }
    data.set("rows", RowsHtml(table, numeric));
    if (table.filter) data.set("filter", FilterData(*table.filter));
    return data;
}

std::string TableCsv(const Grid& grid) {
    Grid safe;
    for (const std::vector<std::string>& row : grid) {
        std::vector<std::string>& cells = safe.emplace_back();
        for (const std::string& cell : row) cells.push_back(Neutralised(WebText(cell)));
    }
    return "\xEF\xBB\xBF" + ToCsv(safe, "\r\n");
}
