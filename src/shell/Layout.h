#pragma once

// The main window's resize layout as plain computation (see widgets/ControlGeometry.h): the
// window's own parts here, each frame's controls by the layout of the frame's description.

#include <functional>
#include <string>
#include <vector>

#include "widgets/ControlGeometry.h"

struct WindowInfo {
    int width = 0, height = 0;  // outer size of the window, twips
    bool minimised = false, maximised = false;
    int mCurrentFrame = 0;
    int mInitialised = 0;
    // Height in twips that a word-wrapped label's text needs at the width of the given rectangle,
    // measured by the window in its own font. Without it such labels keep their height.
    std::function<int(const std::string& label, const TwipsRect& rect)> textHeight = {};
};

// Stretches every frame to the window, places the information panel, the help buttons and the
// resize grip, then lays out the controls of frame mCurrentFrame. Does nothing while
// mInitialised is 0 or the window is minimised.
void LayoutMainWindow(ControlGeometry& g, const WindowInfo& window);

// Every control of DesignGeometry, containers before their contents.
const std::vector<LayoutControl>& LayoutControls();
// The names of the controls LayoutMainWindow reads or writes.
std::vector<std::string> LayoutControlNames();

// The design-time rectangles of the main window's controls for an 800 x 600 pixel window
// (12000 x 9000 twips outer size), including controls the layout never moves (the option check
// boxes, the tournament winners box and its contents), and the row height of every grid. The window
// creates its widgets at these sizes; the tests lay them out.
ControlGeometry DesignGeometry();
inline constexpr int kDesignWindowWidth = 12000;
inline constexpr int kDesignWindowHeight = 9000;
