#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "core/PlayedGame.h"
#include "headtohead/PairComparison.h"
#include "players/PlayerRecord.h"
#include "players/Positions.h"
#include "players/Tally.h"

// In a map by tournament name, the tournament a game's tournament name belongs to: its own, or
// the longest name it begins with (a cup's rounds carry the cup's name); end() for none.
template <typename Map>
typename Map::const_iterator FindGameTournament(const Map& names, std::string_view game) {
    if (const auto exact = names.find(game); exact != names.end() || game.empty()) return exact;
    for (auto at = names.upper_bound(game); at != names.begin();) {
        --at;
        if (game.starts_with(at->first)) return at;
        if (at->first.empty() || at->first.front() != game.front()) break;
    }
    return names.end();
}

// What the player and head-to-head pages share, read in a few passes over the database instead
// of the window's questions once per page: every game once, grouped by player and by pair, and
// the tallies the windows count in SQL grouped the same way in SQL, so a page shows what the
// window does. Players are told apart as the database compares names (letter case aside).
class SiteFigures {
  public:
    // Throws DbError when a table the pages need cannot be read.
    static SiteFigures Read();

    // The names of the player list (table rankings, in name order), each once.
    const std::vector<std::string>& players() const { return players_; }

    // Two players who have met, as Find Pair is asked for them: p1 before p2 in name order.
    struct Pair {
        std::string p1;
        std::string p2;
    };
    const std::vector<Pair>& pairs() const { return pairs_; }
    // The pairs (indexes into pairs()) the player is in, in his opponents' name order.
    std::vector<std::size_t> pairsOf(std::string_view player) const;

    // As ComputePlayerRecord with the newest ranking column (the current period's when the table
    // has none), and the period's note.
    PlayerRecord record(std::string_view player) const;
    const std::string& rankingNote() const { return rankingNote_; }
    // The player's games of mode kHomeGames or kAwayGames, in the table's order.
    std::vector<PlayedGame> games(std::string_view player, int mode) const;
    std::vector<TournamentPosition> positions(std::string_view player) const;
    // Find Pair's view of the pair, and its figures.
    ViewTexts pairView(const Pair& pair) const;
    PairRecord pairRecord(const Pair& pair) const;

    // The country of the player's first rankings row; empty when there is none.
    std::string country(std::string_view player) const;
    // His latest games, at most count, the latest first (games are in the order of their ids).
    std::vector<PlayedGame> latestGames(std::string_view player, std::size_t count) const;
    // The date of the tournament a game's tournament name belongs to ("Velmoor Cup Final" is
    // Velmoor Cup's), as the database holds it; empty when there is none.
    std::string dateOf(std::string_view gameTournament) const;

  private:
    using Id = std::uint32_t;  // a player as the database compares names
    struct Player {
        std::vector<std::uint32_t> home, away;  // games, by index
        std::int64_t tournaments = 0, tournamentsWon = 0, worldCups = 0, selfGames = 0;
        DbValue rankingPoints;  // the newest month's, in the player's first rankings row
        DbValue rankingNumber;  // column r of that row
        DbValue country;        // of that row
        std::vector<TournamentPosition> positions;
    };
    static constexpr Id kNobody = ~Id{0};

    Id idOf(std::string_view name);
    const Player* find(std::string_view name) const;
    void readGames();
    void readTables();
    void readRankings();
    void makePairs();
    void readDates();

    std::unordered_map<std::string, Id> ids_;  // by JetFoldKey
    std::vector<Player> byId_;
    std::vector<std::string> shownNames_;  // by id: as the player list spells it, else as a game
    std::vector<PlayedGame> games_;
    Tallies tallies_;
    std::map<std::pair<Id, Id>, std::vector<std::uint32_t>> met_;  // lower id first
    std::vector<std::string> players_;
    std::map<std::string, std::int64_t, std::less<>> rankingPositions_;  // by exact name
    std::string rankingNote_;
    bool hasRankingColumn_ = false;
    std::vector<Pair> pairs_;
    std::map<std::string, std::string, std::less<>> dates_;  // by tournament
    std::vector<std::vector<std::size_t>> pairsById_;
};
