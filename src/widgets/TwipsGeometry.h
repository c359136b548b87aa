#pragma once

#include <QRect>

#include "core/Twips.h"

// Twips rectangles of the layout as widget rectangles and back. Both edges are rounded, so
// neighbouring controls stay flush.
inline QRect ToPixels(const TwipsRect& r) {
    const int left = TwipsToPixels(r.left);
    const int top = TwipsToPixels(r.top);
    return {left, top, TwipsToPixels(r.Right()) - left, TwipsToPixels(r.Bottom()) - top};
}

inline TwipsRect ToTwips(const QRect& r) {
    return {PixelsToTwips(r.x()), PixelsToTwips(r.y()), PixelsToTwips(r.width()),
            PixelsToTwips(r.height())};
}
