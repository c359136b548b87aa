#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ViewTexts.h"

// The window's figures in the forms a reader of the site expects. The window writes a share or an
// average in brackets after a count as its number patterns give it: "0 (.%)", "3 (75.%)",
// "12 (4.)", "1 (.33)". The site shows the same values as "0 (0%)", "3 (75%)", "12 (4.00)",
// "1 (0.33)": a share to one decimal at most, an average to two. A bracket holding a whole count
// ("Name (12)"), or anything but a number, is left as it is.
std::string ReaderNumbers(std::string_view windowText);

// ReaderNumbers on every cell of a column of the grid, rows from first on.
Grid ReaderNumbersInColumn(Grid grid, std::size_t column, std::size_t first = 0);
