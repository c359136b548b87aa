#pragma once

// The main window's resize layout as plain computation: the window copies every control's
// rectangle (in twips, relative to its container) into a ControlGeometry, runs LayoutMainWindow
// and writes the rectangles, grid column widths and visibility flags back to its widgets.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/Twips.h"

// Named control rectangles. Control arrays are named "name_index" ("fraFrame_0", "lstPair_1").
// Every accessor throws std::out_of_range naming the control when it was never added, so a
// misspelt name fails loudly instead of laying out a phantom control.
class ControlGeometry {
  public:
    // Adds the control, or replaces its rectangle.
    void Set(const std::string& name, TwipsRect rect);
    bool Has(const std::string& name) const;

    TwipsRect& operator[](const std::string& name);
    const TwipsRect& operator[](const std::string& name) const;

    // Moves a control; an empty value keeps the current one.
    void Move(const std::string& name, std::optional<int> left, std::optional<int> top,
              std::optional<int> width = std::nullopt, std::optional<int> height = std::nullopt);

    // Grid column widths in twips, column 0 first; empty until the layout sets them.
    const std::vector<int>& Columns(const std::string& grid) const;
    void SetColumns(const std::string& grid, std::vector<int> widths);

    // Height of a grid's row 0, which the misc statistics grid is sized from. Throws when the
    // window did not record it.
    int RowHeight(const std::string& grid) const;
    void SetRowHeight(const std::string& grid, int height);

    // Visibility the layout decides (only the resize grip); controls it never touched read true.
    bool Visible(const std::string& name) const;
    void SetVisible(const std::string& name, bool visible);

    const std::map<std::string, TwipsRect>& Rects() const { return rects_; }
    // Grids whose column widths the layout has set.
    const std::map<std::string, std::vector<int>>& AllColumns() const { return columns_; }

    bool operator==(const ControlGeometry&) const = default;

  private:
    std::map<std::string, TwipsRect> rects_;
    std::map<std::string, std::vector<int>> columns_;
    std::map<std::string, int> rowHeights_;
    std::map<std::string, bool> visible_;
};

struct WindowInfo {
    int width = 0, height = 0;  // outer size of the window, twips
    bool minimised = false, maximised = false;
    int mCurrentFrame = 0;
    int mInitialised = 0;
    // Height in twips that a word-wrapped label's text needs at the width of the given rectangle,
    // measured by the window in its own font. Without it such labels keep their height.
    std::function<int(const std::string& label, const TwipsRect& rect)> textHeight = {};
};

// Stretches the eight frames to the window, places the information panel, the help buttons and
// the resize grip, then lays out the controls of frame mCurrentFrame. Does nothing while
// mInitialised is 0 or the window is minimised.
void LayoutMainWindow(ControlGeometry& g, const WindowInfo& window);

// A control of the main window's frames, with the frame it sits on (-1: on the window itself)
// and its direct container ("window", "picStatus", "fraFrame_2", "fraTournaments_0", ...).
// laidOut is false for controls that keep their design place (the option check boxes, the
// tournament winners box); they are listed so the window creates them and tests can check that
// the layout keeps clear of them.
struct LayoutControl {
    std::string name;
    int frame = -1;
    std::string container;
    bool laidOut = true;
};

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
