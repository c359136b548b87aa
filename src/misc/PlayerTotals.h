#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One player's counts and goal sums over all his games. "A" is his side when he played as Team A
// (goals in column A), "B" when he played as Team B (goals in column B). 64-bit: goal totals of a
// real DUZEDO pass the 16-bit range.
struct PlayerTotals {
    std::int64_t aGames = 0, aWins = 0, aDraws = 0, aLosses = 0, aFor = 0, aAgainst = 0;
    std::int64_t bGames = 0, bWins = 0, bDraws = 0, bLosses = 0, bFor = 0, bAgainst = 0;
    std::int64_t played = 0;  // rows in tables: tournaments taken part in
    std::int64_t won = 0;     // of them with p = 1

    std::int64_t games() const { return aGames + bGames; }
    std::int64_t wins() const { return aWins + bWins; }
    std::int64_t draws() const { return aDraws + bDraws; }
    std::int64_t losses() const { return aLosses + bLosses; }
    std::int64_t goalsFor() const { return aFor + bFor; }
    std::int64_t goalsAgainst() const { return aAgainst + bAgainst; }

    // Goals a game, in all games and on each side (real divisions; callers check the games).
    double attack() const { return Ratio(goalsFor(), games()); }
    double defence() const { return Ratio(goalsAgainst(), games()); }
    double aAttack() const { return Ratio(aFor, aGames); }
    double aDefence() const { return Ratio(aAgainst, aGames); }
    double bAttack() const { return Ratio(bFor, bGames); }
    double bDefence() const { return Ratio(bAgainst, bGames); }

    static double Ratio(std::int64_t part, std::int64_t whole) {
        return static_cast<double>(part) / static_cast<double>(whole);
    }

    friend bool operator==(const PlayerTotals&, const PlayerTotals&) = default;
};

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
