#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/Settings.h"
#include "core/ViewTexts.h"

// The Options frame: chkOpt_0 (frame animation), chkOpt_2 (ranking participation limit),
// chkOpt_3 (countries in player lists), each {"value"}, and txtOptGames (the minimum number of
// games). chkOpt_1 only labels the text box and has no value.

// The minimum number of games typed in txtOptGames: a number above 0, taken to the nearest whole
// number (a half to the even one: 2.5 gives 2); nullopt for anything else, and for numbers that do
// not fit the setting (above 32767).
std::optional<std::int16_t> GamesOption(std::string_view text);
// Why GamesOption refuses text, naming the value (shortened when long), the minimum that stays
// in force (inForce) and what it takes instead; empty when it accepts it.
std::string GamesOptionRefusal(std::string_view text, int inForce);

// What the frame shows for options.
ViewTexts OptionsView(const OptionValues& options);

// The descriptions lblOptInfo shows while the mouse is over check box 0 to 3, and otherwise.
std::string_view OptionDescription(int index);
inline constexpr std::string_view kOptionsHint =
    "Move the mouse over an option to see a small description of its function";
