#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/ViewTexts.h"
#include "db/DbValue.h"

// One tournament of the Tournaments frame: its heading, its final table (or what stands in for
// it), its player filter and its games; and the list of all tournament winners.

// The one tournament played in phases; it shows a phase chooser instead of a table.
inline constexpr std::string_view kMultiPhaseTournament = "DADIDUREZ VII";
inline constexpr std::string_view kAllPlayersItem = "<all players>";
// What the multi-phase tournament shows instead of its table, above its phases' buttons.
inline constexpr std::string_view kMultiPhaseNote =
    "Dadidurez VII had a not very often seen form, consisting of two rounds, playout and "
    "playoff matches and it also had a cup competition. Select the phase you want to see "
    "below:";

enum class TournamentKind { Ordinary, Cup, MultiPhase };

// The tournaments listed for a host country (every country when none), World Cups left out.
Texts TournamentNames(const std::optional<std::string>& country);
// lstTournaments.
ViewTexts TournamentListView(const std::optional<std::string>& country);

// True when the name is that of the multi-phase tournament, in any letter case.
bool IsMultiPhase(std::string_view tournament);
// Every tournament name the games carry (one of each that the engine tells apart). The conditions
// below pick among these; a caller showing many tournaments reads them once.
Texts GameTournamentNames();
// Cup competitions keep their games under phase names that begin with the cup's name, so the
// player filter looks at every tournament whose name begins with a name ending in "cup".
std::string PlayerFilterCondition(std::string_view tournament, const Texts& gameTournaments);
// The games also take every phase of the multi-phase tournament.
std::string GamesCondition(std::string_view tournament, const Texts& gameTournaments);

TournamentKind KindOf(std::string_view tournament);
// "N - held in C on D", the date in the user's short date format; "N - held on D" when the
// database has no host countries.
std::string TournamentHeading(std::string_view tournament);
// A tournament's date as the user writes dates; a date stored as text stays as it is.
std::string TournamentDateText(const DbValue& value);
// The final table with its header row, in the order the database returns the rows.
Grid TournamentTable(std::string_view tournament);
// "<all players>", then the Team A players in the database's order, then the Team B players not
// yet listed.
Texts GamesFilterItems(std::string_view tournament, const Texts& gameTournaments);
// The games with their header row in id order; every game, or those of one player (not empty).
Grid TournamentGames(std::string_view tournament, std::string_view player,
                     const Texts& gameTournaments);

// What selecting a tournament shows, with the games of player (empty: all players):
// lblTournamentDate, Label2_0, lblTournamentCup, grdTournamentTables (a grid, or hidden),
// fraDadidurez (visibility), cmbGamesFilter, grdTournamentGames.
ViewTexts TournamentView(std::string_view tournament, std::string_view player);
ViewTexts TournamentView(std::string_view tournament, std::string_view player,
                         const Texts& gameTournaments);

// The rows of a query over a table of final positions (p, player, g, w, d, l, gs, gc, pts), or
// over scores (TEAM A, TEAM B, A, B), as grid texts under their header row.
Grid TableRows(const std::string& sql);
Grid GameRows(const std::string& sql);

// grdTournamentWinners: every first place of table tables, in chronological order.
ViewTexts WinnersView();
