#include "misc/ui/MiscFrame.h"

#include <QLabel>

#include "misc/MiscTexts.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/Grid.h"
#include "ui/widgets/ViewToWidgets.h"

MiscFrame::MiscFrame(QWidget* parent) : Frame(kIndex, parent) {
    ControlBuilder b = Builder();
    ui.chbMiscRecalc =
        b.Btn(this, "chbMiscRecalc", "Recalc", "Click here to recalculate the statistics");
    const char* const captions[] = {"VPA Stats", "Biggest Wins", "Most Goals Scored"};
    for (int i = 0; i < 3; ++i) {
        ui.fraMisc[i] = b.Panel(this, ArrayName("fraMisc", i));
        ui.lblMisc[i] = b.Heading(ui.fraMisc[i], ArrayName("lblMisc", i), captions[i]);
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
    for (int i = 1; i < 3; ++i) ui.grdMisc[i] = b.Grid(ui.fraMisc[i], ArrayName("grdMisc", i));
}

void MiscFrame::InitControls(FrameInit&) {
    ShowGridLabels(*ui.grdMisc[0], kGeneralStatsLabels);
    ShowGridLabels(*ui.grdMisc[3], kRecordCategories);
    ui.grdMisc[3]->setRow(0);
    ui.grdMisc[3]->setCol(0);
    ui.grdMisc[3]->setColSel(1);
    for (int i = 1; i <= 2; ++i) ShowGridHeader(*ui.grdMisc[i], kBiggestWinsHeader);
    ui.grdMisc[2]->setTextMatrix(0, 5, "Gls");
}

void MiscFrame::Entered() {
    // The marker cell stays empty until the statistics have been computed.
    if (ui.grdMisc[0]->textMatrix(0, 1).empty()) ComputeMiscStats();
}

void MiscFrame::ComputeMiscStats() {
    // The misc statistics feature computes the figures and writes the marker cell.
}
