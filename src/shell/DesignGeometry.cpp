#include <utility>

#include "shell/Layout.h"
#include "widgets/ControlBuilder.h"

// The main window's controls at design time, for an 800 x 600 pixel window. Only the values the
// layout keeps matter for the laid-out controls (a button's width and height, a label's height,
// a combo box's width); their positions come from running the layout at the design size.

namespace {

constexpr int kFrameWidth = kDesignWindowWidth - 210;
constexpr int kFrameHeight = kDesignWindowHeight - 1500;
constexpr int kGridRowHeight = 270;

constexpr int kLabelHeight = 255;
constexpr int kComboHeight = 330;
constexpr int kButtonHeight = 375;
constexpr int kHelpButtonSize = 315;

struct DesignControl {
    LayoutControl control;
    TwipsRect rect;
};

// Size only: the layout places the control.
TwipsRect Size(int width, int height) {
    return {0, 0, width, height};
}

class Builder {
  public:
    // Frame index and container of the controls added next.
    void In(int frame, std::string container) {
        frame_ = frame;
        container_ = std::move(container);
    }
    void Add(std::string name, TwipsRect rect = {}) {
        controls_.push_back({{std::move(name), frame_, container_, true}, rect});
    }
    // A control the layout leaves where the design puts it.
    void Fixed(std::string name, TwipsRect rect) {
        controls_.push_back({{std::move(name), frame_, container_, false}, rect});
    }
    std::vector<DesignControl> Take() { return std::move(controls_); }

  private:
    int frame_ = -1;
    std::string container_;
    std::vector<DesignControl> controls_;
};

// Title label index and help button index of each frame (-1: no help button). The title labels'
// indexes do not follow the frames'.
constexpr int kTitleOfFrame[8] = {0, 1, 2, 6, 3, 4, 5, 7};
constexpr int kHelpOfFrame[8] = {4, 0, 1, -1, 3, 2, -1, 5};

void AddFrameChrome(Builder& b, int frame) {
    b.In(frame, ArrayName("fraFrame", frame));
    b.Add(ArrayName("lblTitle", kTitleOfFrame[frame]), {0, 0, kFrameWidth, 375});
    if (kHelpOfFrame[frame] >= 0) {
        b.Add(ArrayName("chbPlayerHelp", kHelpOfFrame[frame]),
              Size(kHelpButtonSize, kHelpButtonSize));
    }
}

void AddRankings(Builder& b) {
    b.Add("grdRankings");
    b.Add("lblRankingFilter", Size(1095, kLabelHeight));
    b.Add("cmbRankingFilter", Size(2415, kComboHeight));
    b.Add("cmbRankMonth", Size(2415, kComboHeight));
    b.Add("lblRankMonth", Size(540, kLabelHeight));
}

void AddPlayerStats(Builder& b) {
    b.Add("lstPlayers");
    b.Add("txtPlayer", Size(0, kComboHeight));
    b.Add("chbPlayerGo", Size(375, kComboHeight));
    b.Add("fraPlayerStats");
    b.In(1, "fraPlayerStats");
    b.Add("Label2_1", Size(0, 315));
    b.Add("grdPlayerStats");
    for (const char* button :
         {"chbPlayerHome", "chbPlayerAway", "chbPlayerPositions", "chbPlayerRankGraph"}) {
        b.Add(button, Size(0, kButtonHeight));
    }
}

void AddTournaments(Builder& b) {
    b.Add("chbShowTournamentWinners", Size(1935, kButtonHeight));
    b.Add("lstTournaments");
    b.Add("lblFilter_0", Size(495, kLabelHeight));
    b.Add("cmbTournamentFilter", {800, 0, 0, kComboHeight});
    b.Add("fraTournaments_0");
    b.Add("fraTournaments_1");
    b.Add("fraDadidurez");
    b.Fixed("fraTournamentWinners", {2895, 1500, 6000, 4500});

    b.In(2, "fraTournaments_0");
    b.Add("Label2_0", Size(0, kLabelHeight));
    b.Add("lblTournamentDate", Size(0, kLabelHeight));
    b.Add("grdTournamentTables");
    b.Add("lblTournamentCup", Size(0, kLabelHeight));

    b.In(2, "fraTournaments_1");
    b.Add("Label2_2", Size(0, kLabelHeight));
    b.Add("grdTournamentGames");
    b.Add("cmbGamesFilter", Size(1600, kComboHeight));
    b.Add("lblFilter_1", Size(495, kLabelHeight));

    b.In(2, "fraDadidurez");
    // Three lines of text; the window measures the text for the width the layout gives it.
    b.Add("lblDadidurez", Size(0, 645));
    b.Add("shpDadidurez");
    for (int i = 0; i <= 4; ++i) b.Add(ArrayName("chbRounds", i), Size(1815, kButtonHeight));

    b.In(2, "fraTournamentWinners");
    b.Fixed("Label2_3", {0, 0, 6000, kLabelHeight});
    b.Add("grdTournamentWinners", {120, 360, 5760, 3480});
    b.Fixed("chbClose", {4680, 3990, 1200, kButtonHeight});
}

void AddWorldCups(Builder& b) {
    for (int i = 0; i <= 1; ++i) b.Add(ArrayName("cmbWC", i), Size(0, kComboHeight));
    for (int i = 0; i <= 1; ++i) b.Add(ArrayName("chbWC", i), Size(0, kButtonHeight));
    for (int i = 0; i <= 1; ++i) b.Add(ArrayName("fraWC", i));
    for (int i = 0; i <= 1; ++i) {
        b.In(3, ArrayName("fraWC", i));
        b.Add(ArrayName("lblWC", i), Size(0, kLabelHeight));
        b.Add(ArrayName("grdWC", i));
    }
}

void AddMisc(Builder& b) {
    b.Add("chbMiscRecalc", Size(1215, kButtonHeight));
    for (int i = 0; i <= 2; ++i) b.Add(ArrayName("fraMisc", i));
    b.In(4, "fraMisc_0");
    b.Add("lblMisc_0", Size(0, kLabelHeight));
    b.Add("lblMisc_4", Size(0, kLabelHeight));
    b.Add("grdMisc_0");
    b.Add("lblMisc_3", Size(0, kLabelHeight));
    b.Add("grdMisc_3");
    // Sits on the heading line of the records grid, so no taller than that line.
    b.Add("chbMiscTop", Size(1095, 255));
    for (int i = 1; i <= 2; ++i) {
        b.In(4, ArrayName("fraMisc", i));
        b.Add(ArrayName("lblMisc", i), Size(0, kLabelHeight));
        b.Add(ArrayName("grdMisc", i));
    }
}

void AddFindPair(Builder& b) {
    b.Add("lstPair_0");
    b.Add("lstPair_1");
    b.Add("lblVS", Size(255, kLabelHeight));
    b.Add("chbPair", Size(375, kButtonHeight));
    b.Add("fraPair");
    b.In(5, "fraPair");
    b.Add("lblPair", Size(0, kLabelHeight));
    b.Add("grdPairGames");
    for (int i = 0; i <= 1; ++i) b.Add(ArrayName("lstPairResults", i));
    for (int i = 0; i <= 1; ++i) b.Add(ArrayName("lblPairResults", i), Size(0, 225));
}

void AddOptions(Builder& b) {
    b.Fixed("chkOpt_0", {360, 660, 4935, 300});
    b.Fixed("chkOpt_1", {360, 1080, 3615, 300});
    b.Fixed("txtOptGames", {4095, 1065, 615, kComboHeight});
    b.Fixed("chkOpt_2", {360, 1500, 4935, 300});
    b.Fixed("chkOpt_3", {360, 1920, 4935, 300});
    b.Add("chbApplyOptions", {0, 1860, 1200, kButtonHeight});
    // Ends above the credit lines even in the smallest window (they start at frame height - 2000).
    b.Add("shpOpt", Size(0, 855));
    b.Add("lblOptInfo");
    for (int i = 0; i <= 4; ++i) b.Add(ArrayName("lblOpt", i), Size(0, kLabelHeight));
}

void AddFantasy(Builder& b) {
    b.Add("lstFantasyPlayers");
    b.Add("lstFantasySelected");
    for (int i = 0; i <= 3; ++i) b.Add(ArrayName("chbFantasyLst", i), Size(450, kButtonHeight));
    b.Add("chbFantasyCalc", Size(1215, kButtonHeight));
    b.Add("fraFantasyResults");
    b.In(7, "fraFantasyResults");
    b.Add("lblFantasyResults", Size(0, kLabelHeight));
    b.Add("grdFantasyGames");
    b.Add("grdFantasyTable");
}

const std::vector<DesignControl>& Design() {
    static const std::vector<DesignControl> design = [] {
        Builder b;
        b.In(-1, "window");
        for (int i = 0; i <= 7; ++i)
            b.Add(ArrayName("fraFrame", i), {60, 780, kFrameWidth, kFrameHeight});
        b.Add("picInfo", {kFrameWidth - 2655, 780, 2655, 1335});
        b.In(-1, "picInfo");
        b.Fixed("lblInfo_0", {120, 120, 2415, 855});
        b.Fixed("lblInfo_1", {1380, 1020, 1155, kLabelHeight});
        b.In(-1, "picStatus");
        b.Add("picResize", {kDesignWindowWidth - 255 - 120, 0, 255, 255});

        void (*const frames[8])(Builder&) = {AddRankings,  AddPlayerStats, AddTournaments,
                                             AddWorldCups, AddMisc,        AddFindPair,
                                             AddOptions,   AddFantasy};
        for (int frame = 0; frame <= 7; ++frame) {
            AddFrameChrome(b, frame);
            frames[frame](b);
        }
        return b.Take();
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
    for (int frame = 0; frame <= 7; ++frame) {
        LayoutMainWindow(g, {.width = kDesignWindowWidth,
                             .height = kDesignWindowHeight,
                             .mCurrentFrame = frame,
                             .mInitialised = 1});
    }
    return g;
}
