#include "players/ui/frmGames.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "core/Twips.h"
#include "players/Games.h"
#include "widgets/Accessible.h"
#include "widgets/Button.h"
#include "widgets/Grid.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/TextsToWidgets.h"

namespace {

// The window at design, in twips.
constexpr int kGamesWidth = 12000;
constexpr int kGamesHeight = 7200;
constexpr int kColumns = 7;
// Tenths of the grid's width per column: "#", the two teams, the goals, "Dif", the tournament.
constexpr double kGamesColumnTenths[kColumns] = {0.8, 2, 2, 1, 1, 1, 2};

}  // namespace

frmGames::frmGames(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmGames"));
    setFont(parent != nullptr ? parent->font() : font());
    resize(TwipsToPixels(kGamesWidth), TwipsToPixels(kGamesHeight));

    auto* orderLabel = new QLabel(QStringLiteral("Order:"), this);
    cmbOrder = new QComboBox(this);
    cmbOrder->setObjectName(QStringLiteral("cmbOrder"));
    for (const std::string_view order : kGameOrders) cmbOrder->addItem(ToQString(order));
    LabelControl(*orderLabel, *cmbOrder);

    grdGames = new GridControl(this);
    grdGames->setObjectName(QStringLiteral("grdGames"));
    SetAccessibleName(*grdGames, "Games");
    ShowGridHeader(*grdGames, {"#", "Team A", "Team B", "A", "B", "Dif", "Tournament"});
    grdGames->setCurrentCell(-1, -1);
    grdGames->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    chbClose = new Button("Close", this);
    chbClose->setObjectName(QStringLiteral("chbClose"));

    auto* top = new QHBoxLayout;
    top->addWidget(orderLabel);
    top->addWidget(cmbOrder);
    top->addStretch();
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(chbClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grdGames, 1);
    layout->addLayout(bottom);

    connect(cmbOrder, &QComboBox::currentIndexChanged, this, [this] { OrderClick(); });
    connect(chbClose, &QPushButton::clicked, this, &QDialog::accept);
}

void frmGames::Init(const std::string& player, int mode) {
    CentreOnScreen(*this);
    mPlayer = player;
    mMode = mode;
    // Selecting the item that is already selected raises no change.
    if (cmbOrder->currentIndex() == 0) {
        OrderClick();
    } else {
        cmbOrder->setCurrentIndex(0);
    }
}

void frmGames::OrderClick() {
    if (cmbOrder->currentIndex() < 0) return;
    const ViewTexts view = GamesView(mPlayer, mMode, cmbOrder->currentIndex());
    setWindowTitle(ToQString(view.text("frmGames")));
    ShowGridTexts(*grdGames, view.grid("grdGames"));
    // The longest tournament names do not fit their column.
    for (int row = 1; row < grdGames->rows(); ++row) {
        grdGames->item(row, kColumns - 1)
            ->setToolTip(PlainToolTip(grdGames->item(row, kColumns - 1)->text()));
    }
}

void frmGames::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    SizeColumns();
}

void frmGames::SizeColumns() {
    const double tenth = PixelsToTwips(GridWidthInside(*grdGames)) / 10.0;
    for (int col = 0; col < kColumns; ++col) {
        grdGames->setColWidthTwips(col,
                                   static_cast<int>(std::lround(tenth * kGamesColumnTenths[col])));
    }
}
