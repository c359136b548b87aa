#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "db/WideNumber.h"

// Games from one player's side: all of them (those without both scores too), the ones he won,
// drew and lost, and the goals he scored and let in. Wide: goal sums of 64-bit figures, and the
// tallies of every spelling of a name added up, pass the 64-bit range.
struct Tally {
    WideInt games = 0, wins = 0, draws = 0, losses = 0, goalsFor = 0, goalsAgainst = 0;

    // The games with both scores: those won, drawn or lost.
    WideInt scored() const { return wins + draws + losses; }
    // The same games from the opponent's side.
    Tally reversed() const { return {games, losses, draws, wins, goalsAgainst, goalsFor}; }

    Tally& operator+=(const Tally& other);
    friend Tally operator+(Tally a, const Tally& b) { return a += b; }
    friend bool operator==(const Tally&, const Tally&) = default;
};

// A player's games, or his games against one opponent, as Team A and as Team B, from his side.
struct SideTallies {
    Tally asA, asB;

    Tally both() const { return asA + asB; }
    friend bool operator==(const SideTallies&, const SideTallies&) = default;
};

// Games of table scores counted in SQL, grouped by player or by pair, with names told apart as
// the database compares them (letter case and trailing blanks aside), so every spelling of a name
// adds to one player. A game without a name on one side still counts for the other side's player.
// Each read takes the games condition selects (SQL over scores; every game when empty) and
// throws DbError when the engine rejects it.
class Tallies {
  public:
    // Grouped by one side's name at a time: what player() answers.
    void readPlayers(std::string_view condition = {});
    // Grouped by both names: what pair() answers.
    void readPairs(std::string_view condition = {});

    SideTallies player(std::string_view name) const;
    // p1's games against p2, from p1's side.
    SideTallies pair(std::string_view p1, std::string_view p2) const;

  private:
    // Team A's and Team B's fold keys (JetFoldKey); none for a side not grouped by.
    using Key = std::pair<std::optional<std::string>, std::optional<std::string>>;

    void read(bool byTeamA, bool byTeamB, std::string_view condition);
    Tally fromTeamA(const Key& key) const;

    std::map<Key, Tally> fromTeamA_;  // each group's games from Team A's side
};

// The tallies of one player's games, or of two players' games with each other (p1's side).
SideTallies ReadPlayerTally(std::string_view player);
SideTallies ReadPairTally(std::string_view p1, std::string_view p2);
