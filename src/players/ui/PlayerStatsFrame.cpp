#include "players/ui/PlayerStatsFrame.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <algorithm>

#include "core/AppServices.h"
#include "core/PlayerNames.h"
#include "db/DbValue.h"
#include "db/JetText.h"
#include "players/Games.h"
#include "players/PlayerStats.h"
#include "players/ui/frmGames.h"
#include "players/ui/frmPositions.h"
#include "rankings/ui/frmRankGraph.h"
#include "widgets/Accessible.h"
#include "widgets/Button.h"
#include "widgets/EventHook.h"
#include "widgets/Grid.h"
#include "widgets/NameCompletion.h"
#include "widgets/TextsToWidgets.h"

namespace {

// The status-line note for a name whose statistics cannot be shown: nobody of that name in the
// player lists, or a listed player without games. Empty for a blank name.
QString NoStatisticsNote(const std::string& typed) {
    if (Trimmed(typed).empty()) return {};
    const bool listed =
        std::any_of(gPlayers.begin(), gPlayers.end(),
                    [&typed](const std::string& name) { return JetEqual(name, typed); });
    return ToQString(listed ? typed + " has no games" : "No player named " + typed);
}

}  // namespace

PlayerStatsFrame::PlayerStatsFrame(int index, QWidget* parent) : Frame(index, parent) {
    ControlBuilder b = Builder();
    ui.lstPlayers = b.List(this, "lstPlayers");
    ui.txtPlayer = b.Make<QLineEdit>(this, "txtPlayer");
    ui.chbPlayerGo = b.Btn(this, "chbPlayerGo", ">");
    ui.fraPlayerStats = b.Panel(this, "fraPlayerStats");
    QFrame* s = ui.fraPlayerStats;
    ui.Label2_1 = b.Heading(s, "Label2_1", "Player");
    ui.grdPlayerStats = b.Grid(s, "grdPlayerStats");
    ui.grdPlayerStats->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui.chbPlayerHome = b.Btn(s, "chbPlayerHome", "Home games");
    ui.chbPlayerAway = b.Btn(s, "chbPlayerAway", "Away games");
    ui.chbPlayerPositions = b.Btn(s, "chbPlayerPositions", "Positions");
    ui.chbPlayerRankGraph = b.Btn(s, "chbPlayerRankGraph", "Progress");
    SetAccessibleName(*ui.lstPlayers, "Players");
    SetAccessibleName(*ui.txtPlayer, "Player name");
    SetAccessibleName(*ui.chbPlayerGo, "Show the player's statistics");
    SetAccessibleName(*ui.grdPlayerStats, "Player statistics");
    Connect();
}

void PlayerStatsFrame::Connect() {
    QListWidget* list = ui.lstPlayers;
    // Moving through the list by keyboard copies too; a click on the row already current as well.
    connect(list, &QListWidget::currentRowChanged, this, [this](int row) { PlayerListClick(row); });
    connect(list, &QListWidget::itemClicked, this,
            [this, list](QListWidgetItem* item) { PlayerListClick(list->row(item)); });
    connect(list, &QListWidget::itemDoubleClicked, this, [this, list](QListWidgetItem* item) {
        PlayerListClick(list->row(item));
        PlayerGo();
    });
    OnEnterKey(*list, [this] { PlayerGo(); });
    connect(ui.txtPlayer, &QLineEdit::returnPressed, this, [this] { PlayerGo(); });
    connect(ui.chbPlayerGo, &QPushButton::clicked, this, [this] { PlayerGo(); });

    connect(ui.chbPlayerHome, &QPushButton::clicked, this, [this] { ShowGames(kHomeGames); });
    connect(ui.chbPlayerAway, &QPushButton::clicked, this, [this] { ShowGames(kAwayGames); });
    connect(ui.chbPlayerPositions, &QPushButton::clicked, this, [this] { ShowPositions(); });
    connect(ui.chbPlayerRankGraph, &QPushButton::clicked, this, [this] { ShowRankGraph(); });
}

void PlayerStatsFrame::InitControls(FrameInit& init) {
    const ViewTexts noPlayer = NoPlayerView();
    GridControl& stats = *ui.grdPlayerStats;
    stats.setFixedRows(0);
    stats.setCols(2);
    ShowGridTexts(stats, noPlayer.grid("grdPlayerStats"));
    stats.setRow(0);
    stats.setCol(0);
    stats.setRowSel(stats.rows() - 1);
    stats.setCellFontBold(true);
    stats.setRow(0);
    for (Button* button :
         {ui.chbPlayerHome, ui.chbPlayerAway, ui.chbPlayerPositions, ui.chbPlayerRankGraph}) {
        button->setEnabled(false);
    }
    AddListItems(*ui.lstPlayers, init.playerItems());
    CompleteNames(*ui.txtPlayer, gPlayers);
    ui.Label2_1->setText(ToQString(noPlayer.text("Label2_1")));
}

void PlayerStatsFrame::SetPlayerText(const QString& name) {
    ui.txtPlayer->setText(name);
    // Made current before the frame comes forward: a list that gets the focus without a current
    // row makes its first row current, whose name would replace this one.
    SelectInList(name.toStdString());
}

void PlayerStatsFrame::SelectInList(const std::string& name) {
    const auto it = std::find(gPlayers.begin(), gPlayers.end(), name);
    const int rows = ui.lstPlayers->count();
    const auto row = static_cast<int>(it - gPlayers.begin());
    if (it == gPlayers.end() || row >= rows) return;
    const QSignalBlocker quiet(ui.lstPlayers);
    ui.lstPlayers->setCurrentRow(row);
    ui.lstPlayers->scrollToItem(ui.lstPlayers->item(row));
}

void PlayerStatsFrame::PlayerListClick(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= gPlayers.size()) return;
    ui.txtPlayer->setText(ToQString(gPlayers[static_cast<std::size_t>(row)]));
}

void PlayerStatsFrame::PlayerGo() {
    mCurrentPlayer = ui.txtPlayer->text().toStdString();
    ViewTexts view;
    QString note;
    try {
        view = PlayerStatsView(mCurrentPlayer);
        // The figures are those of the "no player" look: the user is told why.
        if (!view.enabled(kPlayerButtons[0])) note = NoStatisticsNote(mCurrentPlayer);
    } catch (const std::exception& error) {
        // A damaged table: the frame shows no player rather than figures it could not read.
        ReportProblem("The statistics of this player cannot be read.", error.what());
        view = NoPlayerView();
    }
    // A note of this frame's goes with the next player shown; another frame's stays.
    if (!note.isEmpty() || mNoted) emit statusText(note);
    mNoted = !note.isEmpty();
    ui.Label2_1->setText(ToQString(view.text("Label2_1")));
    // Tells which month's ranking the heading gives when the current month has none yet.
    ui.Label2_1->setToolTip(PlainToolTip(ToQString(view.text("lblNote"))));
    ShowGridTexts(*ui.grdPlayerStats, view.grid("grdPlayerStats"));
    // The list shows which player the statistics are of.
    SelectInList(mCurrentPlayer);
    for (const std::string_view button : kPlayerButtons) {
        Controls().at(std::string(button))->setEnabled(view.enabled(button));
    }
}

// Opens a window for the current player; one whose figures cannot be read is not opened.
template <typename Window, typename... Args>
void PlayerStatsFrame::OpenWindow(Args... args) {
    Window window(this->window());
    try {
        window.Init(mCurrentPlayer, args...);
    } catch (const std::exception& error) {
        ReportProblem("The games of this player cannot be read.", error.what());
        return;
    }
    window.exec();
}

void PlayerStatsFrame::ShowGames(int mode) {
    OpenWindow<frmGames>(mode);
}

void PlayerStatsFrame::ShowPositions() {
    OpenWindow<frmPositions>();
}

void PlayerStatsFrame::ShowRankGraph() {
    OpenWindow<frmRankGraph>();
}

std::string PlayerStatsFrame::HelpText() const {
    return "Select a player from the list or type his name in the text box below and hit the '>' "
           "button to view his stats";
}

void PlayerStatsFrame::Choose(const std::string& player) {
    const QString name = QString::fromStdString(player);
    for (int row = 0; row < ui.lstPlayers->count(); ++row) {
        const QString item = ui.lstPlayers->item(row)->text();
        if (item == name || item.startsWith(name + QStringLiteral(" ("))) {
            SetPlayerText(name);
            PlayerGo();
            return;
        }
    }
}

bool PlayerStatsFrame::ShowPlayer(const QString& name) {
    SetPlayerText(name);
    emit forwardRequested();
    PlayerGo();
    return true;
}
