#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The frames of the main window and what switching between them shows.

inline constexpr int kFrameCount = 8;
inline constexpr int kHelpCount = 6;

// Frame titles and navigation button captions, by frame index.
inline constexpr std::array<std::string_view, kFrameCount> kFrameTitles = {
    "World Rankings", "Player Stats", "Tournaments", "World Cups",
    "Misc Stats",     "Find Pair",    "Options",     "Fantasy League"};
inline constexpr std::array<std::string_view, kFrameCount> kBarCaptions = {
    "Rankings",   "Player Stats", "Tournaments", "World Cups",
    "Misc Stats", "Find Pair",    "Options",     "Fantasy"};
// Index of the title label (lblTitle) each frame holds; they do not follow the frame indexes.
inline constexpr std::array<int, kFrameCount> kTitleOfFrame = {0, 1, 2, 6, 3, 4, 5, 7};
// Frame of each help button (chbPlayerHelp).
inline constexpr std::array<int, kHelpCount> kFrameOfHelp = {1, 2, 5, 4, 0, 7};

// Top of frames in front, in twips: just below the navigation bar.
inline constexpr int kFrameTop = 780;
inline constexpr int kFrameLeft = 60;
inline constexpr int kSlideStep = 30;

// The tops a frame passes through as it slides in from the bottom of a window of the given
// height (twips): the height, then 30 twips less each step, down to the last one of 780 or more.
std::vector<int> SlideTops(int windowHeight);

// The text of help button k (0 to 5). The Tournaments text mentions the country filter only
// while that filter works.
std::string HelpText(int k, bool tournamentFilterEnabled);
