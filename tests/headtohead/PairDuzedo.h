#pragma once

#include <string>

// A DUZEDO for the head-to-head and prediction tests, every figure worked out by hand. The
// ranking month in force is R0203 (the file's own month has none).
//
// Comparison: Aris beat Bodo 3-1 at home (id 2) and lost 0-2 away (id 1, stored after id 2);
// Cleo played Dara twice, both times at home (1-1, 2-0); O'Neil lost to Aris 1-2 at home;
// Eryk drew 0-0 at home to Aris.
// r: Aris 3, Bodo 12, Cleo 0, Dara 5, O'Neil 7; Eryk has no row.
//
// Prediction, each pair's games the only games of the home player as Team A and of the away
// player as Team B:
// - Hugo (500) at home to Ivan (900): 3-1 and 2-2.
// - Jan at home to Kai: 0-0 twice.
// - Lev (100) at home to Max (1000): 0-2 once.
// - Low (-1) and High (1499) never met: Low drew 1-1 at home to Pia, High 1-1 away at Pia.
// - Nils at home to Otto, six times: Delta (chrono 7) 1-0, Epsilon (6) 1-0 twice, Alpha Cup
//   (5) 1-0, Beta Cup (5) 5-0, Zeta Phase (no row in [tournament players], highest id) 9-0.
// - Solo (no row) has only an away game: 1-2 at Ruth (no row), who has only that home game.
void WritePairDuzedo(const std::string& path);
// The same with Zeno, a ranked player without a game.
void WritePairDuzedoWithAnIdlePlayer(const std::string& path);
