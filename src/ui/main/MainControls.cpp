#include "ui/main/MainControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "ui/main/Button.h"
#include "ui/main/Grid.h"
#include "ui/main/NavPictures.h"
#include "ui/main/Navigation.h"
#include "ui/main/StatusLine.h"
#include "ui/main/TwipsGeometry.h"

namespace {

constexpr int kBarHeight = 735;
constexpr int kStatusHeight = 255;
constexpr int kBarButtonWidth = 1440;
constexpr int kBarButtonHeight = 615;
constexpr int kBarButtonGap = 30;
constexpr int kWaitWidth = 4500;
constexpr int kWaitHeight = 1335;
// Room for the longest help text in five lines.
constexpr TwipsRect kInfoPanel{kDesignWindowWidth - 210 - 3375, 780, 3375, 1335};
constexpr TwipsRect kInfoText{120, 90, 3135, 930};
constexpr TwipsRect kInfoClose{1575, 1020, 1680, 255};

const char* const kHelpTip = "Click to see info about the current frame";
const char* const kHeadingStyle =
    "QLabel { background: #34558b; color: white; font-weight: bold; padding-left: 4px; }";
const char* const kTitleStyle = "QLabel { color: #1f3b66; }";

std::string N(const std::string& base, int index) {
    return base + "_" + std::to_string(index);
}

// Creates the named widgets, at their design places where the layout has one.
class Builder {
  public:
    explicit Builder(MainControls& ui) : ui_(ui), design_(DesignGeometry()) {}

    template <typename W>
    W* Make(QWidget* parent, const std::string& name) {
        auto* widget = new W(parent);
        widget->setObjectName(QString::fromStdString(name));
        ui_.byName[name] = widget;
        if (design_.Has(name)) widget->setGeometry(ToPixels(design_[name]));
        return widget;
    }

    QLabel* Label(QWidget* parent, const std::string& name, const char* text = "") {
        auto* label = Make<QLabel>(parent, name);
        label->setText(QString::fromUtf8(text));
        return label;
    }
    // The caption bar across the top of a sub-frame.
    QLabel* Heading(QWidget* parent, const std::string& name, const char* text) {
        QLabel* label = Label(parent, name, text);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QString::fromUtf8(kHeadingStyle));
        return label;
    }
    Button* Btn(QWidget* parent, const std::string& name, const char* caption,
                const char* tip = nullptr) {
        auto* button = Make<Button>(parent, name);
        button->setCaption(caption);
        if (tip) button->setToolTip(QString::fromUtf8(tip));
        return button;
    }
    GridControl* Grid(QWidget* parent, const std::string& name) {
        auto* grid = Make<GridControl>(parent, name);
        grid->setDefaultRowHeightTwips(design_.RowHeight(name));
        return grid;
    }
    QFrame* Panel(QWidget* parent, const std::string& name) {
        auto* frame = Make<QFrame>(parent, name);
        frame->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
        frame->setAutoFillBackground(true);
        return frame;
    }
    // A rectangle drawn around other controls; created before them, so it stays behind.
    QFrame* Shape(QWidget* parent, const std::string& name) {
        auto* shape = Make<QFrame>(parent, name);
        shape->setFrameStyle(QFrame::Box | QFrame::Plain);
        return shape;
    }
    QComboBox* Combo(QWidget* parent, const std::string& name) {
        return Make<QComboBox>(parent, name);
    }
    QListWidget* List(QWidget* parent, const std::string& name) {
        return Make<QListWidget>(parent, name);
    }

  private:
    MainControls& ui_;
    ControlGeometry design_;
};

void BuildWindowParts(Builder& b, QWidget& window, MainControls& ui) {
    ui.Picture1 = b.Make<QFrame>(&window, "Picture1");
    ui.Picture1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.Picture1->setAutoFillBackground(true);
    for (int i = 0; i < kFrameCount; ++i) {
        ui.chbBar[i] = b.Btn(ui.Picture1, N("chbBar", i), kBarCaptions[i].data());
        ui.chbBar[i]->setPicture(NavPicture(i));
    }
    for (int i = 0; i < kFrameCount; ++i) {
        ui.fraFrame[i] = b.Make<QFrame>(&window, N("fraFrame", i));
        ui.fraFrame[i]->setAutoFillBackground(true);
        ui.fraFrame[i]->hide();
        const int title = kTitleOfFrame[i];
        ui.lblTitle[title] = b.Label(ui.fraFrame[i], N("lblTitle", title), kFrameTitles[i].data());
        QFont font = ui.lblTitle[title]->font();
        font.setPointSizeF(font.pointSizeF() * 1.5);
        font.setBold(true);
        ui.lblTitle[title]->setFont(font);
        ui.lblTitle[title]->setStyleSheet(QString::fromUtf8(kTitleStyle));
    }
    for (int k = 0; k < kHelpCount; ++k) {
        ui.chbPlayerHelp[k] =
            b.Btn(ui.fraFrame[kFrameOfHelp[k]], N("chbPlayerHelp", k), "i", kHelpTip);
    }
}

void BuildOverlays(Builder& b, QWidget& window, MainControls& ui) {
    ui.picInfo = b.Panel(&window, "picInfo");
    ui.picInfo->setFrameStyle(QFrame::Box | QFrame::Plain);
    QPalette note = ui.picInfo->palette();
    note.setColor(QPalette::Window, QColor(255, 255, 225));
    ui.picInfo->setPalette(note);
    ui.picInfo->setCursor(Qt::PointingHandCursor);
    ui.picInfo->hide();
    ui.picInfo->setGeometry(ToPixels(kInfoPanel));
    ui.lblInfo[0] = b.Label(ui.picInfo, "lblInfo_0");
    ui.lblInfo[0]->setGeometry(ToPixels(kInfoText));
    ui.lblInfo[0]->setWordWrap(true);
    ui.lblInfo[0]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui.lblInfo[1] = b.Label(ui.picInfo, "lblInfo_1", "Click to close");
    ui.lblInfo[1]->setGeometry(ToPixels(kInfoClose));
    ui.lblInfo[1]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont small = ui.lblInfo[1]->font();
    small.setItalic(true);
    ui.lblInfo[1]->setFont(small);

    ui.picStatus = b.Make<StatusLine>(&window, "picStatus");
    ui.picResize = b.Make<ResizeGrip>(ui.picStatus, "picResize");

    ui.fraWait = b.Panel(&window, "fraWait");
    ui.fraWait->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.fraWait->setLineWidth(2);
    ui.fraWait->hide();
    ui.Label1 = b.Label(ui.fraWait, "Label1", "Please wait for the calculations to finish...");
    ui.Label1->setAlignment(Qt::AlignCenter);
    ui.txtWait = b.Make<QLineEdit>(ui.fraWait, "txtWait");
    ui.txtWait->setReadOnly(true);
    ui.txtWait->setAlignment(Qt::AlignCenter);
}

void BuildRankings(Builder& b, MainControls& ui) {
    QFrame* f = ui.fraFrame[0];
    ui.cmbRankMonth = b.Combo(f, "cmbRankMonth");
    ui.cmbRankingFilter = b.Combo(f, "cmbRankingFilter");
    ui.grdRankings = b.Grid(f, "grdRankings");
    ui.lblRankMonth = b.Label(f, "lblRankMonth", "Month:");
    ui.lblRankMonth->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.lblRankingFilter = b.Label(f, "lblRankingFilter", "Country Filter:");
}

void BuildPlayerStats(Builder& b, MainControls& ui) {
    QFrame* f = ui.fraFrame[1];
    ui.lstPlayers = b.List(f, "lstPlayers");
    ui.txtPlayer = b.Make<QLineEdit>(f, "txtPlayer");
    ui.chbPlayerGo = b.Btn(f, "chbPlayerGo", ">");
    ui.fraPlayerStats = b.Panel(f, "fraPlayerStats");
    QFrame* s = ui.fraPlayerStats;
    ui.Label2[1] = b.Heading(s, "Label2_1", "Player");
    ui.grdPlayerStats = b.Grid(s, "grdPlayerStats");
    ui.grdPlayerStats->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.chbPlayerHome = b.Btn(s, "chbPlayerHome", "Home games");
    ui.chbPlayerAway = b.Btn(s, "chbPlayerAway", "Away games");
    ui.chbPlayerPositions = b.Btn(s, "chbPlayerPositions", "Positions");
    ui.chbPlayerRankGraph = b.Btn(s, "chbPlayerRankGraph", "Progress");
}

void BuildTournamentPanels(Builder& b, MainControls& ui) {
    QFrame* table = ui.fraTournaments[0];
    ui.Label2[0] = b.Heading(table, "Label2_0", "Table");
    ui.lblTournamentDate = b.Label(table, "lblTournamentDate");
    // Behind the table grid: it shows only while a cup competition hides the grid.
    ui.lblTournamentCup =
        b.Label(table, "lblTournamentCup", "This tournament was a cup competition");
    ui.lblTournamentCup->setAlignment(Qt::AlignCenter);
    ui.grdTournamentTables = b.Grid(table, "grdTournamentTables");

    QFrame* games = ui.fraTournaments[1];
    ui.Label2[2] = b.Heading(games, "Label2_2", "Games");
    ui.grdTournamentGames = b.Grid(games, "grdTournamentGames");
    ui.cmbGamesFilter = b.Combo(games, "cmbGamesFilter");
    ui.lblFilter[1] = b.Label(games, "lblFilter_1", "Filter:");
}

void BuildDadidurez(Builder& b, MainControls& ui) {
    QFrame* d = ui.fraDadidurez = b.Panel(ui.fraFrame[2], "fraDadidurez");
    d->hide();
    ui.shpDadidurez = b.Shape(d, "shpDadidurez");
    ui.lblDadidurez = b.Label(
        d, "lblDadidurez",
        "Dadidurez VII had a not very often seen form, consisting of two rounds, playout and "
        "playoff matches and it also had a cup competition. Select the phase you want to see "
        "below:");
    ui.lblDadidurez->setWordWrap(true);
    const char* const phases[] = {"League Round 1", "League Round 2", "League Playouts",
                                  "League Playoffs", "Cup"};
    for (int i = 0; i < 5; ++i) ui.chbRounds[i] = b.Btn(d, N("chbRounds", i), phases[i]);
}

void BuildTournaments(Builder& b, MainControls& ui) {
    QFrame* f = ui.fraFrame[2];
    ui.chbShowTournamentWinners = b.Btn(f, "chbShowTournamentWinners", "Tournament winners",
                                        "Click to see a list of all the tournament winners");
    ui.lstTournaments = b.List(f, "lstTournaments");
    ui.lblFilter[0] = b.Label(f, "lblFilter_0", "Filter:");
    ui.cmbTournamentFilter = b.Combo(f, "cmbTournamentFilter");
    for (int i = 0; i < 2; ++i) ui.fraTournaments[i] = b.Panel(f, N("fraTournaments", i));
    BuildTournamentPanels(b, ui);
    BuildDadidurez(b, ui);

    QFrame* w = ui.fraTournamentWinners = b.Panel(f, "fraTournamentWinners");
    w->setFrameStyle(QFrame::Panel | QFrame::Raised);
    w->setLineWidth(2);
    w->hide();
    ui.Label2[3] = b.Heading(w, "Label2_3", "Tournament Winners");
    ui.grdTournamentWinners = b.Grid(w, "grdTournamentWinners");
    ui.chbClose = b.Btn(w, "chbClose", "Close");
}

void BuildWorldCups(Builder& b, MainControls& ui) {
    QFrame* f = ui.fraFrame[3];
    const char* const trees[] = {"Playoff Tree", "PlayOut Tree"};
    const char* const captions[] = {"Table", "Games"};
    for (int i = 0; i < 2; ++i) ui.cmbWC[i] = b.Combo(f, N("cmbWC", i));
    for (int i = 0; i < 2; ++i) ui.chbWC[i] = b.Btn(f, N("chbWC", i), trees[i]);
    for (int i = 0; i < 2; ++i) {
        ui.fraWC[i] = b.Panel(f, N("fraWC", i));
        ui.lblWC[i] = b.Heading(ui.fraWC[i], N("lblWC", i), captions[i]);
        ui.grdWC[i] = b.Grid(ui.fraWC[i], N("grdWC", i));
    }
}

void BuildMisc(Builder& b, MainControls& ui) {
    QFrame* f = ui.fraFrame[4];
    ui.chbMiscRecalc =
        b.Btn(f, "chbMiscRecalc", "Recalc", "Click here to recalculate the statistics");
    const char* const captions[] = {"VPA Stats", "Biggest Wins", "Most Goals Scored"};
    for (int i = 0; i < 3; ++i) {
        ui.fraMisc[i] = b.Panel(f, N("fraMisc", i));
        ui.lblMisc[i] = b.Heading(ui.fraMisc[i], N("lblMisc", i), captions[i]);
    }
    QFrame* stats = ui.fraMisc[0];
    ui.lblMisc[4] = b.Label(stats, "lblMisc_4", "General Stats");
    ui.grdMisc[0] = b.Grid(stats, "grdMisc_0");
    // Sized to show its seven rows exactly.
    ui.grdMisc[0]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.grdMisc[0]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.lblMisc[3] = b.Label(stats, "lblMisc_3", "Individual Records");
    ui.grdMisc[3] = b.Grid(stats, "grdMisc_3");
    // Its two columns share the grid's width; a scroll bar for the last few pixels is no use.
    ui.grdMisc[3]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.chbMiscTop = b.Btn(stats, "chbMiscTop", "List all",
                          "Select a statistic category below and click here to see the "
                          "appropriate statistic for all the players");
    for (int i : {3, 4}) {
        QFont bold = ui.lblMisc[i]->font();
        bold.setBold(true);
        ui.lblMisc[i]->setFont(bold);
    }
    for (int i = 1; i < 3; ++i) ui.grdMisc[i] = b.Grid(ui.fraMisc[i], N("grdMisc", i));
}

void BuildFindPair(Builder& b, MainControls& ui) {
    QFrame* f = ui.fraFrame[5];
    for (int i = 0; i < 2; ++i) ui.lstPair[i] = b.List(f, N("lstPair", i));
    ui.lblVS = b.Label(f, "lblVS", "VS");
    ui.lblVS->setAlignment(Qt::AlignCenter);
    ui.chbPair = b.Btn(f, "chbPair", ">");
    ui.fraPair = b.Panel(f, "fraPair");
    ui.lblPair = b.Heading(ui.fraPair, "lblPair", "< no pair >");
    ui.grdPairGames = b.Grid(ui.fraPair, "grdPairGames");
    const char* const names[] = {"Player One", "Player Two"};
    for (int i = 0; i < 2; ++i) {
        ui.lstPairResults[i] = b.List(ui.fraPair, N("lstPairResults", i));
        ui.lblPairResults[i] = b.Label(ui.fraPair, N("lblPairResults", i), names[i]);
        ui.lblPairResults[i]->setAlignment(Qt::AlignCenter);
    }
}

void BuildOptions(Builder& b, MainControls& ui) {
    QFrame* f = ui.fraFrame[6];
    const char* const options[] = {"Frame animation", "Minimum number of games for misc stats",
                                   "Ranking table tournament participation limit",
                                   "Show countries in player lists"};
    for (int i = 0; i < 4; ++i) {
        ui.chkOpt[i] = b.Make<QCheckBox>(f, N("chkOpt", i));
        ui.chkOpt[i]->setText(QString::fromUtf8(options[i]));
    }
    ui.txtOptGames = b.Make<QLineEdit>(f, "txtOptGames");
    ui.chbApplyOptions = b.Btn(f, "chbApplyOptions", "Apply");
    ui.shpOpt = b.Shape(f, "shpOpt");
    ui.lblOptInfo =
        b.Label(f, "lblOptInfo",
                "Move the mouse over an option to see a small description of its function");
    ui.lblOptInfo->setWordWrap(true);
    ui.lblOptInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const char* const lines[] = {"Velmoor Players Association Tournaments Stat Analyser", "", "",
                                 "Program by the VPA Stats team",
                                 "DUZEDO maintained by the VPA records office"};
    for (int i = 0; i < 5; ++i) {
        ui.lblOpt[i] = b.Label(f, N("lblOpt", i), lines[i]);
        ui.lblOpt[i]->setAlignment(Qt::AlignCenter);
    }
    QFont bold = ui.lblOpt[0]->font();
    bold.setBold(true);
    ui.lblOpt[0]->setFont(bold);
}

void BuildFantasy(Builder& b, MainControls& ui) {
    QFrame* f = ui.fraFrame[7];
    ui.lstFantasyPlayers = b.List(f, "lstFantasyPlayers");
    ui.lstFantasySelected = b.List(f, "lstFantasySelected");
    const char* const moves[] = {">>", "<<", "CLR", "ALL"};
    for (int i = 0; i < 4; ++i) ui.chbFantasyLst[i] = b.Btn(f, N("chbFantasyLst", i), moves[i]);
    ui.chbFantasyCalc = b.Btn(f, "chbFantasyCalc", "Start!");
    ui.fraFantasyResults = b.Panel(f, "fraFantasyResults");
    QFrame* r = ui.fraFantasyResults;
    ui.lblFantasyResults = b.Heading(r, "lblFantasyResults", "League Predictions");
    ui.grdFantasyGames = b.Grid(r, "grdFantasyGames");
    ui.grdFantasyTable = b.Grid(r, "grdFantasyTable");
}

}  // namespace

MainControls BuildMainControls(QWidget& window) {
    MainControls ui;
    Builder b(ui);
    BuildWindowParts(b, window, ui);
    BuildRankings(b, ui);
    BuildPlayerStats(b, ui);
    BuildTournaments(b, ui);
    BuildWorldCups(b, ui);
    BuildMisc(b, ui);
    BuildFindPair(b, ui);
    BuildOptions(b, ui);
    BuildFantasy(b, ui);
    // Over the frames.
    BuildOverlays(b, window, ui);
    DockBars(ui, kDesignWindowWidth, kDesignWindowHeight);
    ui.fraWait->setGeometry(
        ToPixels({(kDesignWindowWidth - kWaitWidth) / 2, (kDesignWindowHeight - kWaitHeight) / 2,
                  kWaitWidth, kWaitHeight}));
    ui.Label1->setGeometry(ToPixels({120, 180, kWaitWidth - 240, 255}));
    ui.txtWait->setGeometry(ToPixels({360, 600, kWaitWidth - 720, 375}));
    return ui;
}

void DockBars(MainControls& ui, int clientWidth, int clientHeight) {
    ui.Picture1->setGeometry(ToPixels({0, 0, clientWidth, kBarHeight}));
    // Narrower windows share the bar among the eight buttons, so none is cut off.
    const int fair = (clientWidth - 120 - (kFrameCount - 1) * kBarButtonGap) / kFrameCount;
    const int buttonWidth = std::clamp(fair, 0, kBarButtonWidth);
    for (int i = 0; i < kFrameCount; ++i) {
        ui.chbBar[i]->setGeometry(
            ToPixels({60 + i * (buttonWidth + kBarButtonGap), 60, buttonWidth, kBarButtonHeight}));
    }
    ui.picStatus->setGeometry(
        ToPixels({0, clientHeight - kStatusHeight, clientWidth, kStatusHeight}));
}
