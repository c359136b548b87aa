#pragma once

#include <string>

// A small DUZEDO for the Tournaments and World Cups frames. Its traps:
//
// - [tournament players]: "Velmoor Open" (a real date, 18 May 2003), "O'Hara Cup" (a cup, no
//   table, games under "O'Hara Cup Semi-finals" and "O'Hara Cup Final"), "world cup I
//   (Dartford)" in lower case (never listed), "dadidurez vii" in lower case (games only under its
//   phases "Dadidurez VII League Round 1 - Group A" and "Dadidurez VII Cup - Final"), "Autumn
//   League" hosted in "O'Land", "Worldcup Open" (listed: no blank after "Worldcup"), "Spring
//   cup" (not a cup competition but its name ends in cup: games under "Spring cup" and "Spring
//   cup Final"; Eve and Fay share first place).
// - Velmoor Open's games are stored in the order of ids 3, 1, 2, 4: Team A players Ann, Bob, Cid;
//   Dan only ever plays as Team B.
// - World Cup final tables under "World Cup I ", "World Cup II " and "World Cup III " (trailing
//   blank), winners Ann, Cid and Dan; [World Cup I Tables] holds only Group A (Bob before Ann).
void WriteTournamentsDuzedo(const std::string& path);
