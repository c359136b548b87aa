#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Finding the games of one phase of the multi-phase tournament or of a World Cup by what their
// tournament names say, so that a database whose phases are named otherwise than expected still
// gets sensible diagrams.

enum class PhaseKind { RoundOne, RoundTwo, Playouts, Playoffs, Cup };

// One of the diagram pictures: its file, its title, the tournament whose phase it shows and which
// phase; a league phase is drawn as group tables, any other as a bracket.
struct DiagramPlan {
    std::string file;
    std::string title;
    std::string base;  // the tournament's name, which its phases' names begin with
    PhaseKind kind = PhaseKind::Cup;

    bool league() const { return kind == PhaseKind::RoundOne || kind == PhaseKind::RoundTwo; }
};

struct PhaseGame {
    std::int64_t id = 0;
    std::string teamA;
    std::string teamB;
    std::int64_t goalsA = 0;
    std::int64_t goalsB = 0;
};

// The games stored under one tournament name, in id order: a group of a league phase, or a
// stage of a knock-out phase.
struct PhaseGroup {
    std::string tournament;
    std::string label;  // the name less the base ("League Round 1 - Group A")
    std::vector<PhaseGame> games;
};

// The nine pictures: the multi-phase tournament's five (under its name as the database holds
// it) and the playoff and playout trees of both World Cups.
std::vector<DiagramPlan> DiagramPlans();

// The words of a phase name after base, lower case, hyphens and punctuation as blanks; empty
// when tournament does not begin with base followed by a separator (so "World Cup I" does not
// take "World Cup II Playoffs").
std::vector<std::string> PhaseWords(std::string_view base, std::string_view tournament);
// Whether a phase named by these words belongs to the picture of kind. Playoffs also take plain
// knock-out stages (quarter-finals, semi-finals, final, third place) that name no other phase.
bool IsPhaseOf(const std::vector<std::string>& words, PhaseKind kind);
// The words name the match for third place.
bool IsThirdPlace(const std::vector<std::string>& words);

// Every group or stage of the picture's phase, ordered by their first game's id.
std::vector<PhaseGroup> FindPhaseGames(const DiagramPlan& plan);

// What the picture looked for, for the picture that found nothing.
std::string LookedFor(const DiagramPlan& plan);
