#pragma once

#include <vector>

#include "core/ViewTexts.h"
#include "tournaments/DiagramPhases.h"

// The drawing of a diagram picture, in twips: a league phase as its groups' tables and games, a
// knock-out phase as a bracket (stages as columns, each tie's games, lines taking the winner on),
// and a phase without games as a note saying what was looked for.

// Line height and the width a character is given; the picture's font is drawn to fit these.
inline constexpr int kDiagramLine = 255;
inline constexpr int kDiagramChar = 110;
inline constexpr int kDiagramFontPixels = 12;

Graph LeagueDiagram(const DiagramPlan& plan, const std::vector<PhaseGroup>& groups);
Graph BracketDiagram(const DiagramPlan& plan, const std::vector<PhaseGroup>& stages);
Graph NothingFoundDiagram(const DiagramPlan& plan);

// Whichever of the three fits the phase's games.
Graph DrawDiagram(const DiagramPlan& plan, const std::vector<PhaseGroup>& groups);
// Reads the phase's games and draws them.
Graph DiagramOf(const DiagramPlan& plan);
