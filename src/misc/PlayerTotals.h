#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "db/WideNumber.h"

// One player's counts and goal sums over all his games. "A" is his side when he played as Team A
// (goals in column A), "B" when he played as Team B (goals in column B). Wide: each adds up the
// 64-bit sums of every spelling of his name.
struct PlayerTotals {
    WideInt aGames = 0, aWins = 0, aDraws = 0, aLosses = 0, aFor = 0, aAgainst = 0;
    WideInt bGames = 0, bWins = 0, bDraws = 0, bLosses = 0, bFor = 0, bAgainst = 0;
    WideInt played = 0;  // rows in tables: tournaments taken part in
    WideInt won = 0;     // of them with p = 1

    WideInt games() const { return aGames + bGames; }
    WideInt wins() const { return aWins + bWins; }
    WideInt draws() const { return aDraws + bDraws; }
    WideInt losses() const { return aLosses + bLosses; }
    WideInt goalsFor() const { return aFor + bFor; }
    WideInt goalsAgainst() const { return aAgainst + bAgainst; }

    // Goals a game, in all games and on each side (real divisions; callers check the games).
    double attack() const { return Ratio(goalsFor(), games()); }
    double defence() const { return Ratio(goalsAgainst(), games()); }
    double aAttack() const { return Ratio(aFor, aGames); }
    double aDefence() const { return Ratio(aAgainst, aGames); }
    double bAttack() const { return Ratio(bFor, bGames); }
    double bDefence() const { return Ratio(bAgainst, bGames); }

    static double Ratio(WideInt part, WideInt whole) { return WideRatio(part, whole); }

    friend bool operator==(const PlayerTotals&, const PlayerTotals&) = default;
};

// A record's value: a count, kept exact whatever its size, or a ratio. The values of one record
// are all of one kind.
using RecordValue = std::variant<WideInt, double>;

// The totals of each of players, in their order, from three grouped queries. Names match as the
// database compares them (letter case and trailing blanks do not count), so every spelling of a
// name in scores and tables adds to the player.
std::vector<PlayerTotals> ReadPlayerTotals(const std::vector<std::string>& players);

// The same for one player, through one query per figure. Slow (a dozen queries a player); kept as
// the plain reference the grouped reading is checked and measured against.
PlayerTotals ReadPlayerTotalsOneByOne(std::string_view player);

// Every player of table rankings, in name order: the players of the main window's lists.
std::vector<std::string> MiscPlayers();
// The players of the lists as the main window filled them (gPlayers without its closing empty
// element); read from the database when the lists have not been filled.
std::vector<std::string> ListedPlayers();
