#include "fantasy/ui/FantasyFrame.h"

#include <QLabel>
#include <QListWidget>
#include <utility>

#include "core/AppServices.h"
#include "core/PlayerNames.h"
#include "db/DbValue.h"
#include "fantasy/FantasyTexts.h"
#include "fantasy/League.h"
#include "tournaments/TournamentLists.h"
#include "widgets/Accessible.h"
#include "widgets/Button.h"
#include "widgets/EventHook.h"
#include "widgets/Grid.h"
#include "widgets/TextsToWidgets.h"

namespace {

enum ListButton { kAdd = 0, kRemove = 1, kRemoveAll = 2, kChooseAll = 3 };

// The row the user picked; -1 when none is (a current row without selection does not count).
int PickedRow(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return item != nullptr && item->isSelected() ? list.currentRow() : -1;
}

// Runs an action when the scope ends, by return or by exception.
template <typename F>
class AtExit {
  public:
    explicit AtExit(F action) : mAction(std::move(action)) {}
    ~AtExit() { mAction(); }
    AtExit(const AtExit&) = delete;
    AtExit& operator=(const AtExit&) = delete;

  private:
    F mAction;
};

}  // namespace

FantasyFrame::FantasyFrame(int index, QWidget* parent) : Frame(index, parent) {
    ControlBuilder b = Builder();
    ui.lstFantasyPlayers = b.List(this, "lstFantasyPlayers");
    ui.lstFantasySelected = b.List(this, "lstFantasySelected");
    const char* const moves[] = {">>", "<<", "CLR", "ALL"};
    const char* const doings[] = {"Add player", "Remove player", "Remove all players",
                                  "Add all players"};
    for (int i = 0; i < 4; ++i) {
        ui.chbFantasyLst[i] = b.Btn(this, ArrayName("chbFantasyLst", i), moves[i]);
        SetAccessibleName(*ui.chbFantasyLst[i], doings[i]);
    }
    SetAccessibleName(*ui.lstFantasyPlayers, "Players");
    SetAccessibleName(*ui.lstFantasySelected, "Players in the league");
    ui.chbFantasyLst[kAdd]->setEnabled(false);
    ui.chbFantasyLst[kRemove]->setEnabled(false);
    ui.chbFantasyCalc = b.Btn(this, "chbFantasyCalc", "Start!");
    ui.chbFantasyCalc->setEnabled(false);
    ui.fraFantasyResults = b.Panel(this, "fraFantasyResults");
    QFrame* r = ui.fraFantasyResults;
    ui.lblFantasyResults = b.Heading(r, "lblFantasyResults", "League Predictions");
    ui.grdFantasyGames = b.Grid(r, "grdFantasyGames");
    ui.grdFantasyTable = b.Grid(r, "grdFantasyTable");
    SetAccessibleName(*ui.grdFantasyGames, "Predicted games");
    SetAccessibleName(*ui.grdFantasyTable, "Predicted league table");
    Connect();
}

void FantasyFrame::Connect() {
    for (int i = 0; i < 4; ++i) {
        connect(ui.chbFantasyLst[i], &QPushButton::clicked, this,
                [this, i] { FantasyListClick(i); });
    }
    connect(ui.chbFantasyCalc, &QPushButton::clicked, this, [this] { StartLeague(); });
    const auto pickedOn = [this](QListWidget* list, int button) {
        const auto picked = [this, button] {
            if (!mRunning) ui.chbFantasyLst[button]->setEnabled(true);
        };
        connect(list, &QListWidget::itemClicked, this, picked);
        // A row picked by keyboard counts as much as one clicked.
        connect(list, &QListWidget::itemSelectionChanged, this, [list, picked] {
            if (PickedRow(*list) >= 0) picked();
        });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, button] { FantasyListClick(button); });
        OnEnterKey(*list, [this, button] { FantasyListClick(button); });
    };
    pickedOn(ui.lstFantasyPlayers, kAdd);
    pickedOn(ui.lstFantasySelected, kRemove);
}

void FantasyFrame::InitControls(FrameInit& init) {
    ShowGridHeader(*ui.grdFantasyGames, kGamesHeader);
    ShowGridHeader(*ui.grdFantasyTable, kFantasyTableHeader);
    AddListItems(*ui.lstFantasyPlayers, init.playerItems());
}

void FantasyFrame::FantasyListClick(int index) {
    // The chosen list stands still while a league is played from it.
    if (mRunning) return;
    switch (index) {
        case kAdd:
            AddPicked();
            break;
        case kRemove:
            RemovePicked();
            break;
        case kRemoveAll:
            ui.lstFantasySelected->clear();
            break;
        case kChooseAll:
            ChooseAll();
            break;
        default:
            return;
    }
    ApplyStartRule();
}

void FantasyFrame::AddPicked() {
    const int row = PickedRow(*ui.lstFantasyPlayers);
    if (row < 0 || static_cast<std::size_t>(row) >= gPlayers.size()) return;
    const QString name = ToQString(gPlayers[static_cast<std::size_t>(row)]);
    for (int i = 0; i < ui.lstFantasySelected->count(); ++i) {
        if (ui.lstFantasySelected->item(i)->text() == name) return;
    }
    ui.lstFantasySelected->addItem(name);
}

void FantasyFrame::RemovePicked() {
    QListWidget& chosen = *ui.lstFantasySelected;
    const int row = PickedRow(chosen);
    if (row < 0) return;
    delete chosen.takeItem(row);
    if (chosen.count() > 0) {
        chosen.setCurrentRow(0);
    } else {
        ui.chbFantasyLst[kRemove]->setEnabled(false);
    }
}

void FantasyFrame::ChooseAll() {
    QListWidget& chosen = *ui.lstFantasySelected;
    chosen.clear();
    const int count = ui.lstFantasyPlayers->count();
    for (int i = 0; i < count && static_cast<std::size_t>(i) < gPlayers.size(); ++i) {
        chosen.addItem(ToQString(gPlayers[static_cast<std::size_t>(i)]));
    }
}

void FantasyFrame::ApplyStartRule() {
    ui.chbFantasyCalc->setEnabled(!mRunning && ui.lstFantasySelected->count() > 0);
}

std::vector<std::string> FantasyFrame::ChosenPlayers() const {
    std::vector<std::string> players;
    for (int i = 0; i < ui.lstFantasySelected->count(); ++i) {
        players.push_back(ToUtf8(ui.lstFantasySelected->item(i)->text()));
    }
    return players;
}

void FantasyFrame::PrepareTable(const std::vector<std::string>& players) {
    Grid table{kFantasyTableHeader};
    for (const std::string& player : players) {
        table.push_back({std::to_string(table.size()), player, "0", "0", "0", "0", "0", "0"});
    }
    ShowGridTexts(*ui.grdFantasyTable, table);
    ui.grdFantasyTable->refresh();
}

void FantasyFrame::StartLeague() {
    if (mRunning || !Ready()) return;
    // A copy: the league plays the players chosen at the start, whatever happens to the list.
    const std::vector<std::string> players = ChosenPlayers();
    ShowGridTexts(*ui.grdFantasyGames, {kGamesHeader});
    PrepareTable(players);
    if (players.empty()) return;

    mRunning = true;
    std::array<bool, 4> listButtons{};
    for (std::size_t i = 0; i < listButtons.size(); ++i) {
        listButtons[i] = ui.chbFantasyLst[i]->isEnabled();
        ui.chbFantasyLst[i]->setEnabled(false);
    }
    ApplyStartRule();
    // However the run ends, the wait box goes and the buttons come back.
    const AtExit finish([this, listButtons] {
        emit waitShown(false);
        mRunning = false;
        for (std::size_t i = 0; i < listButtons.size(); ++i) {
            ui.chbFantasyLst[i]->setEnabled(listButtons[i]);
        }
        ApplyStartRule();
    });
    emit waitProgress(QString());
    emit waitShown(true);
    Services().processEvents();
    PlayAndShow(players);
}

void FantasyFrame::PlayAndShow(const std::vector<std::string>& players) {
    // Filling hidden grids is quick; they are shown once the league is complete.
    ui.grdFantasyGames->hide();
    ui.grdFantasyTable->hide();
    const LeagueProgress progress{
        .nextHomePlayer = [] { Services().processEvents(); },
        .nextPair =
            [this](const std::string& first, const std::string& second) {
                emit waitProgress(ToQString(first + " vs " + second));
            },
    };
    try {
        const ViewTexts view = FantasyView(players, mRandom, progress);
        ShowGridTexts(*ui.grdFantasyGames, view.grid("grdFantasyGames"));
        ShowGridTexts(*ui.grdFantasyTable, view.grid("grdFantasyTable"));
        emit statusText(ToQString(view.text("note")));
    } catch (const DbError& error) {
        ShowGridTexts(*ui.grdFantasyGames, {kGamesHeader});
        // The window may have begun closing while events ran: nobody is there to read it.
        if (Ready()) {
            Services().message(MessageIcon::Critical,
                               "The league could not be predicted: " + std::string(error.what()),
                               "Fantasy League");
        }
    }
    ui.grdFantasyGames->show();
    ui.grdFantasyTable->show();
}

std::string FantasyFrame::HelpText() const {
    return "This is a just for fun option. Select a number of players to participate in a fantasy "
           "league and click on 'start' to see their predicted results";
}
