#include "site/NumberForms.h"

#include <charconv>

#include "core/DisplayFormat.h"
#include "core/DisplayLocale.h"

namespace {

// The figure between the brackets read as a number: digits with at most one separator, either
// side of it possibly empty ("." and "" are 0); nullopt for anything else.
std::optional<double> FigureValue(std::string_view figure, std::string_view separator) {
    std::string digits = "0";
    bool separated = false;
    for (std::size_t at = 0; at < figure.size(); ++at) {
        if (figure[at] >= '0' && figure[at] <= '9') {
            digits += figure[at];
        } else if (!separated && figure.substr(at).starts_with(separator)) {
            separated = true;
            digits += '.';
            at += separator.size() - 1;
        } else {
            return std::nullopt;
        }
    }
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

}  // namespace

std::string ReaderNumbers(std::string_view windowText) {
    const std::size_t open = windowText.rfind('(');
    if (open == std::string_view::npos || !windowText.ends_with(')')) {
        return std::string(windowText);
    }
    std::string_view figure = windowText.substr(open + 1, windowText.size() - open - 2);
    const bool share = figure.ends_with('%');
    if (share) figure.remove_suffix(1);
    const std::string separator = Utf8(CurrentLocale().decimalSeparator());
    const std::optional<double> value = FigureValue(figure, separator);
    // A whole number without a separator is a count, not a share or an average.
    if (!value || (!share && figure.find(separator) == std::string_view::npos)) {
        return std::string(windowText);
    }
    std::string shown = FormatNumber(*value, share ? "0.0" : "0.00");
    if (share && shown.ends_with(separator + "0")) {
        shown.erase(shown.size() - separator.size() - 1);
    }
    std::string text(windowText.substr(0, open + 1));
    text += shown;
    text += share ? "%)" : ")";
    return text;
}

Grid ReaderNumbersInColumn(Grid grid, std::size_t column, std::size_t first) {
    for (std::size_t row = first; row < grid.size(); ++row) {
        if (column < grid[row].size()) grid[row][column] = ReaderNumbers(grid[row][column]);
    }
    return grid;
}
