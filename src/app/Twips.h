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
