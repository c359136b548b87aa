#pragma once

#include <string>

// Writes a small DUZEDO at path (replacing any file there), made so that every query result can
// be worked out on paper. Its traps are deliberate:
//
// - Names stored in another letter case than the rankings spell them: scores has "VODAD R"
//   (game 7), "MÜLLER K" (game 14) and "ÁBDO K" (game 20); tables has "ABEL M", "MÜLLER K",
//   "ÁBDO K" and the whole Dadidurez VII table under "DADIDUREZ VII". Case-insensitive matching
//   gives abel M and Ábdo K two tournaments each, case-sensitive matching only one.
// - Names whose sort order needs a dictionary sort: "Abco D" < "Ábdo K" < "abel M", "Ísland" before
//   "Ostland", "Águila Trophy" before "Spring Cup". "José P" differs from "Jose P" (no such name).
// - "O'Neil S", a name with an apostrophe.
// - The World Cup final tables are stored in tables under "World Cup I " and "World Cup II "
//   (trailing blank); their games under "World Cup I Round 1 - Group A" and the like, plus one
//   game of a third World Cup. [tournament players] names the World Cups "World Cup I (Dartford)"
//   and "World Cup II (Athens)", so the final tables do not join it.
// - "Spring Cup" (a cup: [Cup?] = -1, no table) has its games under "Spring Cup Semi-finals" and
//   "Spring Cup Final"; "Dadidurez VII" its games under "Dadidurez VII Round 1", "... Round 2" and
//   "... Cup". Neither phase name has a row in [tournament players].
// - Game id 17 was entered last: it is the last stored row of scores although its id is 17.
// - Two games with 20000 and 15000 goals for Team A push the goal totals past 32767
//   (sum(a) 35042, sum(b) 33, Vodad R's goals as Team A 35017).
// - Goal totals a+b: 19 games above 2 and three games of exactly 2, so TOP 20 by a+b keeps 22
//   rows; goal differences: 20 games that are not draws, so TOP 20 by Abs(a-b) keeps exactly 20.
// - Águila Trophy and Spring Cup share chrono 3; two players share first place in Águila Trophy.
// - Velmoor Open 2002 is stored out of position order, and abel M's pts there is null.
// - rankings: columns player, country, r, R1202, R0103, R0203, R0303; -1 means not ranked.
//   Vezuv L's country is "velmoor" (lower case). O'Neil S is -1 in every month.
//
// The final tables are hand data, not derived from the games.
void WriteHandMadeDuzedo(const std::string& path);
