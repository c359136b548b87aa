#include "tournaments/ui/WorldCupsFrame.h"

#include <QComboBox>
#include <QLabel>

#include "tournaments/TournamentLists.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/Grid.h"
#include "ui/widgets/ViewToWidgets.h"

WorldCupsFrame::WorldCupsFrame(QWidget* parent) : Frame(kIndex, parent) {
    ControlBuilder b = Builder();
    const char* const trees[] = {"Playoff Tree", "PlayOut Tree"};
    const char* const captions[] = {"Table", "Games"};
    for (int i = 0; i < 2; ++i) ui.cmbWC[i] = b.Combo(this, ArrayName("cmbWC", i));
    for (int i = 0; i < 2; ++i) ui.chbWC[i] = b.Btn(this, ArrayName("chbWC", i), trees[i]);
    for (int i = 0; i < 2; ++i) {
        ui.fraWC[i] = b.Panel(this, ArrayName("fraWC", i));
        ui.lblWC[i] = b.Heading(ui.fraWC[i], ArrayName("lblWC", i), captions[i]);
        ui.grdWC[i] = b.Grid(ui.fraWC[i], ArrayName("grdWC", i));
    }
}

void WorldCupsFrame::InitControls(FrameInit&) {
    ShowComboItems(*ui.cmbWC[0], kWorldCups);
    ShowComboItems(*ui.cmbWC[1], kWorldCupPhases);
    ShowGridHeader(*ui.grdWC[1], kGamesHeader);
    ShowGridHeader(*ui.grdWC[0], kTableHeader);
    ui.cmbWC[0]->setCurrentIndex(0);
    ui.cmbWC[1]->setCurrentIndex(0);
}
