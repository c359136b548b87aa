#pragma once

#include <vector>

// Where a frame brought forward stands, and how it gets there.

// Top of frames in front, in twips: just below the navigation bar.
inline constexpr int kFrameTop = 780;
inline constexpr int kFrameLeft = 60;
inline constexpr int kSlideStep = 30;

// The tops a frame passes through as it slides in from the bottom of a window of the given
// height (twips): the height, then 30 twips less each step, down to the last one of 780 or more.
std::vector<int> SlideTops(int windowHeight);
