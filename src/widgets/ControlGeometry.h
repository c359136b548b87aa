#pragma once

// The main window's resize layout as plain computation, without widgets: the window copies every
// control's rectangle (in twips, relative to its container) into a ControlGeometry, runs the
// layout and writes the rectangles, grid column widths and visibility flags back to its widgets.
// Each frame brings its own design rectangles and layout rules (see FrameDescription).

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/DisplayFormat.h"
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

// Arithmetic of the rules: every rule is evaluated in double precision in the order it is
// written, "/" being true division, and a value becomes whole twips only where the rule rounds it
// or where it is stored as a position, size or column width; both round halves to the even number.
// Values read back within one pass are the stored whole twips, never snapped to pixels: the window
// converts to pixels once, when it applies the result.
inline int RoundTwips(double twips) {
    return static_cast<int>(RoundHalfEven(twips));
}

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

struct DesignControl {
    LayoutControl control;
    TwipsRect rect;
};

// Collects the design rectangles of one frame's controls, containers before their contents. Only
// the values the layout keeps matter for laid-out controls (a button's width and height, a
// label's height, a combo box's width); their positions come from the layout at the design size.
class DesignBuilder {
  public:
    DesignBuilder(int frame, std::string container)
        : frame_(frame), container_(std::move(container)) {}

    // The container of the controls added next.
    void In(std::string container) { container_ = std::move(container); }
    void Add(std::string name, TwipsRect rect = {});
    // A control the layout leaves where the design puts it.
    void Fixed(std::string name, TwipsRect rect);
    std::vector<DesignControl> Take() { return std::move(controls_); }

  private:
    int frame_;
    std::string container_;
    std::vector<DesignControl> controls_;
};

// Design heights most controls share, and a rectangle of size only: the layout places it.
namespace design {
inline constexpr int kLabelHeight = 255;
inline constexpr int kComboHeight = 330;
inline constexpr int kButtonHeight = 375;
inline TwipsRect Size(int width, int height) {
    return {0, 0, width, height};
}
}  // namespace design

// What the layout of the frame in front is given besides the rectangles.
struct FrameArea {
    int width = 0, height = 0;  // the frame's size, twips
    // The frame's help button ("chbPlayerHelp_k"), empty when it has none.
    std::string helpButton;
    // Height in twips that a word-wrapped label's text needs at the width of the given rectangle,
    // measured by the window in its own font. Without it such labels keep their height.
    std::function<int(const std::string& label, const TwipsRect& rect)> textHeight = {};
};
