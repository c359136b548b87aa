#include "tournaments/ui/WorldCupsFrame.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>

#include "db/Database.h"
#include "tournaments/TournamentLists.h"
#include "tournaments/WorldCup.h"
#include "tournaments/ui/frmShowPic.h"
#include "widgets/Accessible.h"
#include "widgets/Button.h"
#include "widgets/Grid.h"
#include "widgets/TextsToWidgets.h"

WorldCupsFrame::WorldCupsFrame(int index, QWidget* parent) : Frame(index, parent) {
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
    SetAccessibleName(*ui.cmbWC[0], "World Cup");
    SetAccessibleName(*ui.cmbWC[1], "World Cup phase");
    SetAccessibleName(*ui.grdWC[0], "World Cup table");
    SetAccessibleName(*ui.grdWC[1], "World Cup games");
    ui.chbWC[1]->setEnabled(false);
    for (int i = 0; i < 2; ++i) {
        connect(ui.cmbWC[i], &QComboBox::currentIndexChanged, this, [this] { WorldCupClick(); });
        connect(ui.chbWC[i], &QPushButton::clicked, this, [this, i] { TreeClick(i); });
    }
}

void WorldCupsFrame::InitControls(FrameInit&) {
    ShowComboItems(*ui.cmbWC[0], kWorldCups);
    ShowComboItems(*ui.cmbWC[1], kWorldCupPhases);
    ShowGridHeader(*ui.grdWC[1], kGamesHeader);
    ShowGridHeader(*ui.grdWC[0], kTableHeader);
    ui.cmbWC[0]->setCurrentIndex(0);
    ui.cmbWC[1]->setCurrentIndex(0);
    // Choosing the item already chosen raises no change; the headers above emptied the grids.
    WorldCupClick();
}

void WorldCupsFrame::WorldCupClick() {
    // Runs while the window loads too, once both combo boxes have their items.
    const int worldCup = ui.cmbWC[0]->currentIndex();
    const int phase = ui.cmbWC[1]->currentIndex();
    if (ui.cmbWC[1]->count() == 0 || phase < 0 || worldCup < 0) return;
    ui.chbWC[1]->setEnabled(worldCup == 1);
    ui.lblWC[0]->setText(ToQString(WorldCupTableCaption(phase)));
    // Each grid is read on its own: one that cannot be read is emptied, the other still filled.
    QStringList failures;
    const auto fill = [&](int i, const Texts& header, Grid (*read)(int, int)) {
        GridControl& grid = *ui.grdWC[i];
        try {
            ShowGridTexts(grid, read(worldCup, phase));
        } catch (const DbError& error) {
            ShowGridTexts(grid, {header});
            failures << ToQString(error.what());
        }
        grid.setRow(0);
        grid.setCol(0);
        grid.setColSel(grid.cols() - 1);
    };
    fill(0, kTableHeader, WorldCupTable);
    fill(1, kGamesHeader, WorldCupGames);
    if (!failures.isEmpty()) {
        emit statusText(QStringLiteral("The World Cup cannot be read: ") +
                        failures.join(QStringLiteral("; ")));
    }
}

void WorldCupsFrame::TreeClick(int index) {
    const int worldCup = std::max(ui.cmbWC[0]->currentIndex(), 0);
    const std::string file = WorldCupTreeName(worldCup, index);
    // A picture that cannot be drawn is named where it was looked for first.
    const std::string failure =
        ShowDiagram(*this, file, WorldCupTreeCaption(worldCup), AppDir() + file);
    if (!failure.empty()) emit statusText(ToQString("The diagram cannot be drawn: " + failure));
}
