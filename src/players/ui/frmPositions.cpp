#include "players/ui/frmPositions.h"

#include <QHBoxLayout>
#include <cmath>

#include "core/Twips.h"
#include "players/Positions.h"
#include "widgets/Accessible.h"
#include "widgets/GraphPicture.h"
#include "widgets/Grid.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/TextsToWidgets.h"

namespace {

// The table at design, in twips.
constexpr int kGridWidth = 4200;

}  // namespace

frmPositions::frmPositions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPositions"));
    setFont(parent != nullptr ? parent->font() : font());

    grdPos = new GridControl(this);
    grdPos->setObjectName(QStringLiteral("grdPos"));
    SetAccessibleName(*grdPos, "Finishing positions");
    // The last two columns hold the figures the graph is computed from.
    ShowGridHeader(*grdPos, {"Tournament", "Pos", "", ""});
    grdPos->setCurrentCell(-1, -1);
    grdPos->setFixedWidth(TwipsToPixels(kGridWidth));
    grdPos->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    picGraph = new GraphPicture(kGraphWindowPicture, this);
    picGraph->setObjectName(QStringLiteral("picGraph"));
    picGraph->setMinimumSize(TwipsToPixels(kGraphWindowMinimum.width()),
                             TwipsToPixels(kGraphWindowMinimum.height()));

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(grdPos);
    layout->addWidget(picGraph, 1);
    resize(sizeHint());

    connect(grdPos, &GridControl::gridClicked, this, [this] { PosClick(); });
    // A point picks its tournament's row, as a click on the row would.
    connect(picGraph, &GraphPicture::spotClicked, this, [this](int row) {
        grdPos->setRow(row);
        DrawPositions(row - 1);
    });
    connect(picGraph, &GraphPicture::resized, this, [this] {
        if (!mPlayer.empty()) DrawPositions(mSelectedRow ? *mSelectedRow - 1 : -1);
    });
}

void frmPositions::Init(const std::string& player) {
    CentreOnScreen(*this);
    // The picture gets its final size now, so the graph drawn here is the one shown.
    layout()->activate();
    mPlayer = player;
    mSelectedRow.reset();
    const ViewTexts view =
        PositionsView(mPlayer, picGraph->widthTwips(), picGraph->heightTwips(), mSelectedRow);
    setWindowTitle(ToQString(view.text("frmPositions")));
    ShowGridTexts(*grdPos, view.grid("grdPos"));
    picGraph->setGraph(view.graph("picGraph"), view.text("lblNote"));
    picGraph->setPictureName(ToQString(player + " tournament positions"));
}

void frmPositions::DrawPositions(int selected) {
    mSelectedRow = selected >= 0 ? std::optional<int>(selected + 1) : std::nullopt;
    const ViewTexts view =
        PositionsView(mPlayer, picGraph->widthTwips(), picGraph->heightTwips(), mSelectedRow);
    picGraph->setGraph(view.graph("picGraph"), view.text("lblNote"));
}

void frmPositions::PosClick() {
    const int row = grdPos->mouseRow();
    if (row < grdPos->fixedRows() || row >= grdPos->rows()) return;
    DrawPositions(row - 1);
}

void frmPositions::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    SizeColumns();
}

void frmPositions::SizeColumns() {
    // The last two columns hold the figures the graph is computed from, never shown.
    const double tenth = PixelsToTwips(GridWidthInside(*grdPos)) / 10.0;
    grdPos->setColWidthTwips(0, static_cast<int>(std::lround(tenth * 6.4)));
    grdPos->setColWidthTwips(1, static_cast<int>(std::lround(tenth * 2.4)));
    grdPos->setColWidthTwips(2, 0);
    grdPos->setColWidthTwips(3, 0);
}
