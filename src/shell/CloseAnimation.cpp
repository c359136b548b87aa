#include "shell/CloseAnimation.h"

namespace {

constexpr int kStep = 100;
constexpr int kLastHeight = 500;
constexpr int kStripHeight = 30;
constexpr int kLastWidth = 2000;

}  // namespace

std::vector<TwipsRect> CloseAnimationSteps(TwipsRect window, int screenWidth, int screenHeight) {
    std::vector<TwipsRect> steps;
    do {
        window.height -= kStep;
        window.top = (screenHeight - window.height) / 2;
        steps.push_back(window);
    } while (window.height > kLastHeight);
    window.height = kStripHeight;
    steps.push_back(window);
    do {
        window.width -= kStep;
        window.left = (screenWidth - window.width) / 2;
        steps.push_back(window);
    } while (window.width > kLastWidth);
    return steps;
}
