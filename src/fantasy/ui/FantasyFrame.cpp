#include "fantasy/ui/FantasyFrame.h"

#include <QLabel>
#include <QListWidget>

#include "fantasy/FantasyTexts.h"
#include "tournaments/TournamentLists.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/Grid.h"
#include "ui/widgets/ViewToWidgets.h"

FantasyFrame::FantasyFrame(QWidget* parent) : Frame(kIndex, parent) {
    ControlBuilder b = Builder();
    ui.lstFantasyPlayers = b.List(this, "lstFantasyPlayers");
    ui.lstFantasySelected = b.List(this, "lstFantasySelected");
    const char* const moves[] = {">>", "<<", "CLR", "ALL"};
    for (int i = 0; i < 4; ++i) {
        ui.chbFantasyLst[i] = b.Btn(this, ArrayName("chbFantasyLst", i), moves[i]);
    }
    ui.chbFantasyCalc = b.Btn(this, "chbFantasyCalc", "Start!");
    ui.fraFantasyResults = b.Panel(this, "fraFantasyResults");
    QFrame* r = ui.fraFantasyResults;
    ui.lblFantasyResults = b.Heading(r, "lblFantasyResults", "League Predictions");
    ui.grdFantasyGames = b.Grid(r, "grdFantasyGames");
    ui.grdFantasyTable = b.Grid(r, "grdFantasyTable");
}

void FantasyFrame::InitControls(FrameInit& init) {
    ShowGridHeader(*ui.grdFantasyGames, kGamesHeader);
    ShowGridHeader(*ui.grdFantasyTable, kFantasyTableHeader);
    AddListItems(*ui.lstFantasyPlayers, init.playerItems());
}
