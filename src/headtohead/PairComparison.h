#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/PlayedGame.h"
#include "core/ViewTexts.h"
#include "players/Tally.h"

class RandomSource;

// Player one's record against player two over their games against each other: his games as
// Team A ("home") and as Team B ("away"), from his side.
struct PairRecord {
    std::int64_t n = 0;  // games between the two, either way round
    SideTallies one;
    friend bool operator==(const PairRecord&, const PairRecord&) = default;
};

// A message box's text and title.
struct Joke {
    std::string text{};
    std::string title{};
    friend bool operator==(const Joke&, const Joke&) = default;
};

// The heading: "Vodad R (#3) vs Vezuv L (#12) ", a ranking number only where it is not 0, and
// " * personality crisis *" when both names are the same.
std::string PairHeading(std::string_view p1, std::int64_t r1, std::string_view p2, std::int64_t r2);

// The record of p1 against p2 from the database; n is the number of games between them.
PairRecord ComputePairRecord(std::string_view p1, std::string_view p2, std::int64_t n);

// Find Pair's frame for two different players who have met: p1 and p2 with their rankings
// numbers, their record and their games in the order of their ids.
struct PairSides {
    std::string_view p1;
    std::int64_t r1 = 0;
    std::string_view p2;
    std::int64_t r2 = 0;
};
ViewTexts PairView(const PairSides& sides, const PairRecord& record,
                   const std::vector<PlayedGame>& games);

// The lines of lstPairResults element player (0: player one, 1: player two) for the record.
Texts PairResultLines(const PairRecord& record, int player);

// The six answers to a player compared with himself.
std::array<Joke, 6> PairJokes(std::string_view name);
// One of them, chosen by a fresh draw.
Joke ChooseJoke(std::string_view name, RandomSource& random);

// Everything the Find Pair frame shows for p1 and p2, the joke its message box shows when the
// two are the same player, and the status-line note when they have no games together (one of
// them has none at all, or they never met).
struct PairComparison {
    ViewTexts view;
    std::optional<Joke> joke;
    std::string note;
};
PairComparison ComparePair(std::string_view p1, std::string_view p2, RandomSource& random);
