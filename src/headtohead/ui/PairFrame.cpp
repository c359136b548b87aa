#include "headtohead/ui/PairFrame.h"

#include <QLabel>
#include <QListWidget>

#include "headtohead/PairTexts.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/Grid.h"
#include "ui/widgets/ViewToWidgets.h"

PairFrame::PairFrame(QWidget* parent) : Frame(kIndex, parent) {
    ControlBuilder b = Builder();
    for (int i = 0; i < 2; ++i) ui.lstPair[i] = b.List(this, ArrayName("lstPair", i));
    ui.lblVS = b.Label(this, "lblVS", "VS");
    ui.lblVS->setAlignment(Qt::AlignCenter);
    ui.chbPair = b.Btn(this, "chbPair", ">");
    ui.fraPair = b.Panel(this, "fraPair");
    ui.lblPair = b.Heading(ui.fraPair, "lblPair", "< no pair >");
    ui.grdPairGames = b.Grid(ui.fraPair, "grdPairGames");
    const char* const names[] = {"Player One", "Player Two"};
    for (int i = 0; i < 2; ++i) {
        ui.lstPairResults[i] = b.List(ui.fraPair, ArrayName("lstPairResults", i));
        ui.lblPairResults[i] = b.Label(ui.fraPair, ArrayName("lblPairResults", i), names[i]);
        ui.lblPairResults[i]->setAlignment(Qt::AlignCenter);
    }
}

void PairFrame::InitControls(FrameInit& init) {
    ShowGridHeader(*ui.grdPairGames, kPairGamesHeader);
    for (QListWidget* list : ui.lstPair) AddListItems(*list, init.playerItems());
}
