#pragma once

#include <string>

#include "core/ViewTexts.h"

// The World Cups frame: a World Cup's group tables and games, its final results, and the file
// names of its tree pictures. worldCup is 0 for World Cup I and 1 for World Cup II; phase is an
// item of kWorldCupPhases, 8 for all games with the final results.

inline constexpr int kAllGamesPhase = 8;

// "World Cup I " or "World Cup II ": the trailing blank keeps the first from also matching the
// second.
std::string WorldCupPrefix(int worldCup);

// The phase's table and its games, each under its header row; each throws DbError on its own.
Grid WorldCupTable(int worldCup, int phase);
Grid WorldCupGames(int worldCup, int phase);
// "T table", T the phase's text.
std::string WorldCupTableCaption(int phase);

// grdWC_0 (the table), grdWC_1 (the games, in the order the database returns them), lblWC_0
// ("T table"), chbWC_0 and chbWC_1 (enabled only for World Cup II, the one with a play-out).
ViewTexts WorldCupView(int worldCup, int phase);

// The tree picture's file name: "wcNploff.bmp" for the playoff tree (tree 0), "wcNplout.bmp" for
// the playout tree (tree 1).
std::string WorldCupTreeName(int worldCup, int tree);
// "World Cup N: Playoff tree", the caption of both trees.
std::string WorldCupTreeCaption(int worldCup);
