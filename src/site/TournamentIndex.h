#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ViewTexts.h"

// The tournaments as one table to browse: when and where each was held, who won it and how many
// took part, read in a few queries for all of them.

struct TournamentFacts {
    std::string date;     // as DayText gives it
    std::string host;     // the host country; empty in databases without one
    std::string winner;   // the first place (first places, when shared), or the final's winner
    std::string players;  // as the database counts them; empty when it does not
    std::int64_t chrono = 0;
};

// The facts of each tournament name as [tournament players] writes it; gameTournaments are the
// names the games carry, where a cup's final is found. Throws DbError when the tables cannot be
// read.
struct TournamentIndex {
    std::vector<std::pair<std::string, TournamentFacts>> rows;  // in chronological order

    const TournamentFacts* find(std::string_view name) const;
};
TournamentIndex ReadTournamentIndex(const Texts& gameTournaments);

// The winner of the last game of the final among the phases of base (games named base followed
// by its phase), leaving out those of the words in skip ("playouts"); empty when there is no
// final or it was drawn.
std::string FinalWinner(std::string_view base, const Texts& gameTournaments,
                        std::string_view skip = {});

// The table tournamentIndex: Tournament, Date, Host, Winner, Players, a row per name.
Grid TournamentIndexGrid(const TournamentIndex& index, const Texts& names);
