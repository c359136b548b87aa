#pragma once

#include <optional>
#include <string>
#include <string_view>

// What a column heading of the windows' grids stands for, where it is an abbreviation ("GF":
// "Goals for"); nullopt for a heading that says it in full. One table for every page's tables,
// so a heading means the same wherever it appears.
std::optional<std::string> ColumnAbbreviationMeaning(std::string_view heading);
