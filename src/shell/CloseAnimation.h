#pragma once

#include <vector>

#include "core/Twips.h"

// The outlines a window passes through as it shrinks away on closing, on a screen of the given
// size (twips): first its height shrinks 100 twips a step, kept centred vertically, down to a
// strip; then its width likewise, kept centred horizontally, down to a short dash.
std::vector<TwipsRect> CloseAnimationSteps(TwipsRect window, int screenWidth, int screenHeight);
