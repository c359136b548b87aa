#include "tournaments/PictureViewer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

std::string MissingPictureMessage(std::string_view file) {
    return "The picture file " + std::string(file) + " was not found";
}

double ZoomStep(double zoom, int steps) {
    return std::clamp(zoom * std::pow(1.25, steps), kMinZoom, kMaxZoom);
}

double FitZoom(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight) {
    if (pictureWidth <= 0 || pictureHeight <= 0) return 1.0;
    const double fit = std::min(static_cast<double>(areaWidth) / pictureWidth,
                                static_cast<double>(areaHeight) / pictureHeight);
    return std::clamp(fit, kMinZoom, kMaxZoom);
}

int RoundHalfEven(int numerator, int denominator) {
    if (denominator < 0) numerator = -numerator, denominator = -denominator;
    int quotient = numerator / denominator;
    int remainder = numerator % denominator;
    if (remainder < 0) --quotient, remainder += denominator;
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

namespace {

ScrollRange Range(int max) {
    ScrollRange range{max, RoundHalfEven(max, 5), RoundHalfEven(max, 50)};
    if (*range.largeChange < 1) range.largeChange.reset();
    if (*range.smallChange < 1) range.smallChange.reset();
    return range;
}

}  // namespace

ViewerLayout LayOutViewer(const ViewerSizes& s) {
    const int w = s.innerWidth;
    const int h = s.innerHeight;
    constexpr int bar = kScrollBarTwips;
    ViewerLayout layout;
    layout.corner = {w - 80, h - 80, w, h};
    layout.viewport = {0, 0, w - bar, h - bar};
    layout.horizontal = {0, h - bar, w - bar, bar};
    layout.vertical = {w - bar, 0, bar, h - bar};
    layout.h = Range(s.pictureWidth - s.outerWidth + bar);
    layout.v = Range(s.pictureHeight - s.outerHeight + bar);
    layout.showHorizontal = layout.h.max > 0;
    layout.showVertical = layout.v.max > 0;
    if (!layout.showHorizontal) layout.viewport.height = layout.vertical.height = h;
    if (!layout.showVertical) layout.viewport.width = layout.horizontal.width = w;
    return layout;
}
