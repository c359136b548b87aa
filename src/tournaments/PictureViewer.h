#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/Twips.h"

// The diagram pictures and the arithmetic of the window that scrolls them (frmShowPic).

// The phase pictures of the multi-phase tournament, by the index of their button: League Round
// 1, League Round 2, League Playouts, League Playoffs, Cup.
inline constexpr std::array<std::string_view, 5> kPhasePictureFiles = {
    "Gr7R1.bmp", "Gr7R2.bmp", "Gr7Off.bmp", "Gr7Out.bmp", "Gr7Cup.bmp"};
inline constexpr std::string_view kPhasePictureCaption = "Dadidurez Cup";

inline constexpr std::string_view kMissingPictureTitle = "Error!";
// "The picture file F was not found".
std::string MissingPictureMessage(std::string_view file);

inline constexpr int kScrollBarTwips = 320;

struct ScrollRange {
    int max = 0;  // 0 or less when the picture fits
    // A step below 1 cannot be set: the bar keeps the step it had.
    std::optional<int> largeChange;
    std::optional<int> smallChange;
};

// Where the viewer's parts go, in twips of the window's inside; all values scroll back to 0. A
// bar shows only while there is something to scroll; the viewport takes the room of a bar that
// does not show.
struct ViewerLayout {
    TwipsRect corner;  // Text1: only its 80 x 80 top left corner lies inside the window
    TwipsRect viewport;
    TwipsRect horizontal;
    TwipsRect vertical;
    ScrollRange h;
    ScrollRange v;
    bool showHorizontal = true;
    bool showVertical = true;
};

struct ViewerSizes {
    int innerWidth = 0;  // the window's inside
    int innerHeight = 0;
    int outerWidth = 0;  // the window with its border
    int outerHeight = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
};

ViewerLayout LayOutViewer(const ViewerSizes& sizes);

// The viewer's zoom: each step scales by a quarter, up to kMaxZoom and down to kMinZoom.
inline constexpr double kMinZoom = 0.1;
inline constexpr double kMaxZoom = 8.0;
double ZoomStep(double zoom, int steps);
// The zoom that shows the whole picture in an area (any sizes in one unit); 1 for an empty picture.
double FitZoom(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight);

// Whole-number division rounding halves to the even number.
int RoundHalfEven(int numerator, int denominator);
