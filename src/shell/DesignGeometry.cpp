#include "shell/FrameTable.h"
#include "shell/Layout.h"

// The main window's controls at design time, for an 800 x 600 pixel window: the window's own,
// then each frame's title label and help button and the controls its description adds.

namespace {

constexpr int kFrameWidth = kDesignWindowWidth - 210;
constexpr int kFrameHeight = kDesignWindowHeight - 1500;
constexpr int kGridRowHeight = 270;
constexpr int kHelpButtonSize = 315;

void AddWindowParts(DesignBuilder& b) {
    for (int i = 0; i < FrameCount(); ++i) {
        b.Add(ArrayName("fraFrame", i), {60, 780, kFrameWidth, kFrameHeight});
    }
    b.Add("picInfo", {kFrameWidth - 2655, 780, 2655, 1335});
    b.In("picInfo");
    b.Fixed("lblInfo_0", {120, 120, 2415, 855});
    b.Fixed("lblInfo_1", {1380, 1020, 1155, design::kLabelHeight});
    b.In("picStatus");
    b.Add("picResize", {kDesignWindowWidth - 255 - 120, 0, 255, 255});
}

std::vector<DesignControl> FrameDesign(int frame) {
    const FrameDescription& description = DescriptionOf(frame);
    DesignBuilder b(frame, ArrayName("fraFrame", frame));
    b.Add(description.TitleLabelName(), {0, 0, kFrameWidth, 375});
    if (description.helpButton >= 0) {
        b.Add(description.HelpButtonName(), design::Size(kHelpButtonSize, kHelpButtonSize));
    }
    description.design(b);
    return b.Take();
}

const std::vector<DesignControl>& Design() {
    static const std::vector<DesignControl> design = [] {
        DesignBuilder b(-1, "window");
        AddWindowParts(b);
        std::vector<DesignControl> all = b.Take();
        for (int frame = 0; frame < FrameCount(); ++frame) {
            const std::vector<DesignControl> controls = FrameDesign(frame);
            all.insert(all.end(), controls.begin(), controls.end());
        }
        return all;
    }();
    return design;
}

}  // namespace

const std::vector<LayoutControl>& LayoutControls() {
    static const std::vector<LayoutControl> controls = [] {
        std::vector<LayoutControl> all;
        for (const DesignControl& d : Design()) all.push_back(d.control);
        return all;
    }();
    return controls;
}

std::vector<std::string> LayoutControlNames() {
    std::vector<std::string> names;
    for (const LayoutControl& c : LayoutControls()) {
        if (c.laidOut) names.push_back(c.name);
    }
    return names;
}

ControlGeometry DesignGeometry() {
    ControlGeometry g;
    for (const DesignControl& d : Design()) {
        g.Set(d.control.name, d.rect);
        if (d.control.name.starts_with("grd")) g.SetRowHeight(d.control.name, kGridRowHeight);
    }
    // Place everything the layout places exactly where the layout puts it at this size.
    for (int frame = 0; frame < FrameCount(); ++frame) {
        LayoutMainWindow(g, {.width = kDesignWindowWidth,
                             .height = kDesignWindowHeight,
                             .mCurrentFrame = frame,
                             .mInitialised = 1});
    }
    return g;
}
