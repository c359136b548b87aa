#pragma once

// Games of the sample, and the tables made from them: what every tournament format is built of.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "duzedo/SampleDuzedoDetail.h"

namespace sample_detail {

// Plays games onto the end of games; each moves both players' ratings.
class Matches {
  public:
    Matches(Rng& rng, std::vector<Player>& players, std::vector<Game>& games)
        : rng_(rng), players_(players), games_(games) {}

    // The event that owns the games played from now on.
    void setEvent(std::size_t event) { event_ = event; }

    std::size_t count() const { return games_.size(); }
    // The games played since count() returned from; valid until the next game.
    std::span<const Game> since(std::size_t from) const {
        return std::span<const Game>(games_).subspan(from);
    }

    // Plays one game and returns the winner, or -1 for a draw. A knock-out game is never drawn:
    // extra time ends with a golden goal.
    int play(int a, int b, const std::string& tournament, bool knockout);
    // Round robin by the circle method, home and away alternating; a second leg swaps sides.
    void roundRobin(const std::vector<int>& field, const std::string& tournament, bool twice);
    // A knock-out over field (a power of two; 1 v 2, 3 v 4, ..., winners paired likewise).
    // Returns the players in finishing order: winner, runner-up, then the losers of each
    // earlier round. With thirdPlace the semi-final losers play for third place.
    std::vector<int> knockOut(std::vector<int> field, const std::string& prefix, bool thirdPlace);

  private:
    int expectedGoals(int attacker, int defender, bool home) const;
    int goals(int lambdaMilli);
    void updateRatings(int a, int b, int goalsA, int goalsB);

    Rng& rng_;
    std::vector<Player>& players_;
    std::vector<Game>& games_;
    std::size_t event_ = 0;
};

// Whether x ranks above y: by points, goal difference, goals scored.
bool Better(const TableRow& x, const TableRow& y);
// Table of games among field, by Better; rows equal in all three share a position.
std::vector<TableRow> Standings(std::span<const Game> games, const std::vector<int>& field,
                                const std::string& tournament, int chrono);
// Table of games in a given finishing order.
std::vector<TableRow> FinalTable(std::span<const Game> games, const std::vector<int>& order,
                                 const std::string& tournament, int chrono);
std::vector<int> PlayersOf(const std::vector<TableRow>& rows);

}  // namespace sample_detail
