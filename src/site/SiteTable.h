#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ViewTexts.h"
#include "site/Templates.h"

// One table of a page: a grid as its window shows it.
struct SiteTable {
    // Shows only the rows whose cell in column equals the chosen item, compared as the database
    // compares texts (letter case and trailing blanks aside); the first item shows every row.
    struct Filter {
        std::string label;  // the window's label of the filter's box
        std::size_t column = 0;
        Texts items;
        // The column that numbers the rows 1, 2, 3...; with the filter on, it numbers the rows
        // shown, as a view asked for one item numbers its rows.
        std::optional<std::size_t> numberColumn;
        // A second column the chosen item may stand in instead (a game's two players).
        std::optional<std::size_t> otherColumn = {};
    };

    std::string id;       // the grid's name in the window ("grdRankings"), the table's id
    std::string heading;  // the table's heading on the page
    Grid grid;            // row 0 is the window's header row
    std::optional<Filter> filter = {};
    // Cells of a column that link to other pages: a link per body row, empty for none.
    struct Links {
        std::size_t column = 0;
        std::vector<std::string> hrefs;
    };
    std::vector<Links> links = {};
    // A column's sort keys, a key per body row, in place of its cells' own order (dates in words).
    struct Order {
        std::size_t column = 0;
        std::vector<std::size_t> keys;
    };
    std::optional<Order> order = {};
};

// A text from the database fit for a page or a CSV file: bytes that are not UTF-8 and control
// characters other than tab and line ends become U+FFFD.
std::string WebText(std::string_view text);

// The rows' sort keys in one column, rows 1 on: equal keys for equal cells, and ascending keys in
// the program's order, as numbers where every cell of the column that is not empty is one (the
// empty ones first), else in the database's dictionary order.
std::vector<std::size_t> ColumnSortKeys(const Grid& grid, std::size_t column);

// The table for the template grid.html: id, heading, csv (the CSV's link) and csvName (the name
// its download takes), header (cells
// {t: text, meaning: what an abbreviated heading stands for}), rows of cells {t: text, k: sort
// key}, numeric columns marked n, each row's filter key f (and g, of the other column) and number
// among its filter item's rows fp, and the filter's items.
TemplateData TableData(const SiteTable& table, std::string_view csvHref, std::string_view csvName);

// The grid as a CSV file: UTF-8 with a byte order mark, lines ending in CR LF, cells quoted where
// needed; a cell that is not a number and begins with =, +, -, @, tab or CR gets a leading
// apostrophe, so that a spreadsheet never reads it as a formula.
std::string TableCsv(const Grid& grid);
