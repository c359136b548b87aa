#include "headtohead/ui/PairFrame.h"

#include <QLabel>
#include <QListWidget>

#include "core/AppServices.h"
#include "core/PlayerNames.h"
#include "db/DbValue.h"
#include "headtohead/PairComparison.h"
#include "headtohead/PairTexts.h"
#include "widgets/Accessible.h"
#include "widgets/Button.h"
#include "widgets/EventHook.h"
#include "widgets/Grid.h"
#include "widgets/TextsToWidgets.h"

namespace {

void ShowList(QListWidget& list, const Texts& items) {
    list.clear();
    AddListItems(list, items);
}

}  // namespace

PairFrame::PairFrame(int index, QWidget* parent) : Frame(index, parent) {
    ControlBuilder b = Builder();
    for (int i = 0; i < 2; ++i) ui.lstPair[i] = b.List(this, ArrayName("lstPair", i));
    ui.lblVS = b.Label(this, "lblVS", "VS");
    ui.lblVS->setAlignment(Qt::AlignCenter);
    ui.chbPair = b.Btn(this, "chbPair", ">");
    ui.chbPair->setEnabled(false);
    ui.fraPair = b.Panel(this, "fraPair");
    ui.lblPair = b.Heading(ui.fraPair, "lblPair", "< no pair >");
    ui.grdPairGames = b.Grid(ui.fraPair, "grdPairGames");
    const char* const names[] = {"Player One", "Player Two"};
    for (int i = 0; i < 2; ++i) {
        ui.lstPairResults[i] = b.List(ui.fraPair, ArrayName("lstPairResults", i));
        ui.lblPairResults[i] = b.Label(ui.fraPair, ArrayName("lblPairResults", i), names[i]);
        ui.lblPairResults[i]->setAlignment(Qt::AlignCenter);
    }
    SetAccessibleNames();
    Connect();
}

void PairFrame::SetAccessibleNames() {
    // The labels over the records change to the players' names; the lists keep their roles.
    const char* const lists[] = {"Player one", "Player two"};
    const char* const records[] = {"Record of player one", "Record of player two"};
    for (std::size_t i = 0; i < 2; ++i) {
        SetAccessibleName(*ui.lstPair[i], lists[i]);
        ui.lblPairResults[i]->setBuddy(ui.lstPairResults[i]);
        SetAccessibleName(*ui.lstPairResults[i], records[i]);
    }
    SetAccessibleName(*ui.chbPair, "Compare the two players");
    SetAccessibleName(*ui.grdPairGames, "Games between the two players");
}

void PairFrame::Connect() {
    for (QListWidget* list : ui.lstPair) {
        // A row picked by keyboard counts as much as one clicked.
        connect(list, &QListWidget::itemSelectionChanged, this, [this] { PairListClick(); });
        connect(list, &QListWidget::itemClicked, this, [this] { PairListClick(); });
        connect(list, &QListWidget::itemDoubleClicked, this, [this] { FindPair(); });
        OnEnterKey(*list, [this] { FindPair(); });
    }
    connect(ui.chbPair, &QPushButton::clicked, this, [this] { FindPair(); });
}

void PairFrame::InitControls(FrameInit& init) {
    ShowGridHeader(*ui.grdPairGames, kPairGamesHeader);
    for (QListWidget* list : ui.lstPair) AddListItems(*list, init.playerItems());
}

std::optional<std::string> PairFrame::PickedPlayer(int i) const {
    const int row = PickedRow(*ui.lstPair[static_cast<std::size_t>(i)]);
    if (row < 0 || static_cast<std::size_t>(row) >= gPlayers.size()) return std::nullopt;
    return gPlayers[static_cast<std::size_t>(row)];
}

void PairFrame::PairListClick() {
    // Never disabled again: the lists cannot lose their pick.
    if (PickedPlayer(0) && PickedPlayer(1)) ui.chbPair->setEnabled(true);
}

void PairFrame::FindPair() {
    const std::optional<std::string> p1 = PickedPlayer(0);
    const std::optional<std::string> p2 = PickedPlayer(1);
    if (!Ready() || !p1 || !p2) return;
    // Nothing of an earlier comparison may stay when this one stops early or fails.
    ViewTexts cleared;
    cleared.set("lblPair", *p1 + " vs " + *p2);
    cleared.set("lblPairResults_0", *p1);
    cleared.set("lblPairResults_1", *p2);
    cleared.set("lstPairResults_0", Texts{});
    cleared.set("lstPairResults_1", Texts{});
    cleared.set("grdPairGames", Grid{kPairGamesHeader});
    ShowComparison(cleared);
    try {
        const PairComparison comparison = ComparePair(*p1, *p2, mRandom);
        ShowComparison(comparison.view);
        // A note of this frame's goes with the next comparison; another frame's stays.
        if (!comparison.note.empty() || mNoted) emit statusText(ToQString(comparison.note));
        mNoted = !comparison.note.empty();
        if (comparison.joke) {
            Services().message(MessageIcon::Information, comparison.joke->text,
                               comparison.joke->title);
        }
    } catch (const DbError& error) {
        Services().message(MessageIcon::Critical,
                           "The two players could not be compared: " + std::string(error.what()),
                           "Find Pair");
    }
}

void PairFrame::ShowComparison(const ViewTexts& view) {
    ui.lblPair->setText(ToQString(view.text("lblPair")));
    for (std::size_t i = 0; i < 2; ++i) {
        const int index = static_cast<int>(i);
        ui.lblPairResults[i]->setText(ToQString(view.text(ArrayName("lblPairResults", index))));
        ShowList(*ui.lstPairResults[i], view.list(ArrayName("lstPairResults", index)));
    }
    ShowGridTexts(*ui.grdPairGames, view.grid("grdPairGames"));
}

std::string PairFrame::HelpText() const {
    return "Select two players from the list to the left and click on the '>' button to view an "
           "analysis of their head-to-head games";
}
