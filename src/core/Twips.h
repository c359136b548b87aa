#pragma once

// Positions and sizes of the window layouts are given in twips; the screen works in logical pixels.
// A standard display has 15 twips to the pixel, and this program uses that factor throughout.
inline constexpr int kTwipsPerPixel = 15;

// To the nearest pixel.
constexpr int TwipsToPixels(int twips) {
    constexpr int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// A rectangle in twips: a window's outline, or a control's place in its container.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};
