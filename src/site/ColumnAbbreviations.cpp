#include "site/ColumnAbbreviations.h"

#include <array>
#include <utility>

namespace {

// The grids' abbreviated headings, as the windows write them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 17> kMeanings = {{
    {"#", "Number"},
    {"A", "Team A's goals"},
    {"Avg", "Average"},
    {"B", "Team B's goals"},
    {"D", "Drawn"},
    {"Dif", "Goal difference"},
    {"Diff", "Goal difference"},
    {"G", "Games played"},
    {"GA", "Goals against"},
    {"GF", "Goals for"},
    {"L", "Lost"},
    {"Part.", "Tournaments taken part in"},
    {"Pld", "Games played"},
    {"Pos", "Position"},
    {"Pts", "Points"},
    {"Tourn", "Tournament"},
    {"W", "Won"},
}};

}  // namespace

std::optional<std::string> ColumnAbbreviationMeaning(std::string_view heading) {
    for (const auto& [abbreviation, meaning] : kMeanings) {
        if (heading == abbreviation) return std::string(meaning);
    }
    return std::nullopt;
}
