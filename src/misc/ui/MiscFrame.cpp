#include "misc/ui/MiscFrame.h"

#include <QGuiApplication>
#include <QLabel>
#include <filesystem>
#include <system_error>

#include "core/AppServices.h"
#include "core/FileLocations.h"
#include "core/Settings.h"
#include "db/Utf8Path.h"
#include "misc/MiscCache.h"
#include "misc/MiscTexts.h"
#include "misc/ui/frmTop.h"
#include "widgets/Accessible.h"
#include "widgets/Button.h"
#include "widgets/Grid.h"
#include "widgets/TextsToWidgets.h"

MiscFrame::MiscFrame(int index, QWidget* parent) : Frame(index, parent) {
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
    LabelControl(*ui.lblMisc[4], *ui.grdMisc[0]);
    LabelControl(*ui.lblMisc[3], *ui.grdMisc[3]);
    SetAccessibleName(*ui.grdMisc[1], "Biggest wins");
    SetAccessibleName(*ui.grdMisc[2], "Most goals scored");

    connect(ui.chbMiscRecalc, &QPushButton::clicked, this, [this] { ComputeMiscStats(0); });
    connect(ui.chbMiscTop, &QPushButton::clicked, this, [this] { ShowAllPlayers(); });
    connect(ui.grdMisc[3], &QTableWidget::currentCellChanged, this,
            [this](int row, int col) { RecordCellChanged(row, col); });
}

void MiscFrame::InitControls(FrameInit& init) {
    mCacheUsed = !init.storedDatabase;
    ShowGridLabels(*ui.grdMisc[0], kGeneralStatsLabels);
    ShowGridLabels(*ui.grdMisc[3], RecordLabels());
    ui.grdMisc[3]->setRow(0);
    ui.grdMisc[3]->setCol(0);
    ui.grdMisc[3]->setColSel(1);
    for (int i = 1; i <= 2; ++i) ShowGridHeader(*ui.grdMisc[i], kBiggestWinsHeader);
    ui.grdMisc[2]->setTextMatrix(0, 5, "Gls");
}

void MiscFrame::Entered() {
    // The marker cell stays empty until the statistics have been computed.
    if (ui.grdMisc[0]->textMatrix(0, 1).empty()) ComputeMiscStats(1);
}

void MiscFrame::OptionsChanged(const OptionValues& before) {
    if (before.minGames == gOptMinGames) return;
    // Records of the old minimum must not come back from the cache.
    std::error_code ignored;
    std::filesystem::remove(Utf8Path(MiscCacheFilePath()), ignored);
    ui.grdMisc[0]->setTextMatrix(0, 1, "");
}

void MiscFrame::ComputeMiscStats(int mode) {
    // The computation lets window events run; a second press or visit must not start it again.
    if (mComputing || !Ready()) return;
    mComputing = true;
    emit waitProgress(QString());
    emit waitShown(true);
    for (int row = 0; row < ui.grdMisc[0]->rows(); ++row) ui.grdMisc[0]->setTextMatrix(row, 1, "");
    Services().processEvents();
    Services().processEvents();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        ComputeFigures(mode);
    } catch (const std::exception& error) {
        emit statusText(QStringLiteral("The misc statistics cannot be computed: ") +
                        ToQString(error.what()));
    }
    QGuiApplication::restoreOverrideCursor();
    emit waitShown(false);
    mComputing = false;
}

void MiscFrame::ComputeFigures(int mode) {
    if (TotalGames() == 0) return;
    emit waitProgress(QStringLiteral("Biggest wins and most goals"));
    ShowGridTexts(*ui.grdMisc[1], BiggestWinsGrid());
    ShowGridTexts(*ui.grdMisc[2], MostGoalsGrid());
    Services().processEvents();
    Services().processEvents();
    if (mode == 1 && mCacheUsed) {
        if (const auto cached = LoadMiscCache(MiscCacheFilePath())) {
            ShowFigures(*cached);
            return;
        }
    }
    emit waitProgress(QStringLiteral("Individual records"));
    const MiscFigures figures = ComputeMiscFigures(ListedPlayers(), gOptMinGames);
    ShowFigures(figures);
    // A cache that cannot be written only costs a computation at the next start.
    if (mCacheUsed) {
        const std::string cache = MiscCacheFilePath();
        MakeUserFolderFor(cache);
        SaveMiscCache(cache, figures);
    }
}

void MiscFrame::ShowFigures(const MiscFigures& figures) {
    for (int row = 0; row < kGeneralCount; ++row) {
        ui.grdMisc[0]->setTextMatrix(row, 1, figures.general[row]);
    }
    for (int row = 0; row < kRecordCount; ++row) {
        ui.grdMisc[3]->setTextMatrix(row, 1, figures.records[row]);
    }
}

void MiscFrame::RecordCellChanged(int row, int col) {
    if (row < 0) return;
    GridControl& records = *ui.grdMisc[3];
    // Moving the current cell collapses the selection onto it, so the selection is widened after.
    if (col != 0) records.setCol(0);
    records.setColSel(records.cols() - 1);
}

void MiscFrame::ShowAllPlayers() {
    const int row = ui.grdMisc[3]->currentRow();
    if (row < 0) return;
    frmTop window(this->window());
    window.Init(row);
    window.exec();
}

std::string MiscFrame::HelpText() const {
    return "The minimum number of games for a player to be included in the individual record "
           "calculation is " +
           std::to_string(gOptMinGames);
}
