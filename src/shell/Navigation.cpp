#include "shell/Navigation.h"

std::vector<int> SlideTops(int windowHeight) {
    std::vector<int> tops;
    for (int top = windowHeight; top >= kFrameTop; top -= kSlideStep) {
        tops.push_back(top);
    }
    return tops;
}
