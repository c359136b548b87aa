#include "misc/ui/frmTop.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <array>
#include <exception>

#include "core/DisplayFormat.h"
#include "core/PlayerNames.h"
#include "core/Settings.h"
#include "core/Twips.h"
#include "misc/AllPlayerRecords.h"
#include "widgets/Accessible.h"
#include "widgets/Grid.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/TextsToWidgets.h"

namespace {

// The window at design, in twips.
constexpr int kTopWidth = 6600;
constexpr int kTopHeight = 7200;
// Tenths of the grid's width per column: "#", the player, the value, the games.
constexpr std::array<double, 4> kTopColumnTenths = {1, 4, 2.5, 1.5};
// Category 0 has no value column.
constexpr std::array<double, 4> kGamesOnlyTenths = {1, 5, 0, 3};

}  // namespace

std::vector<std::string> ListedPlayers() {
    if (gPlayers.empty()) return MiscPlayers();
    return {gPlayers.begin(), gPlayers.end() - 1};
}

frmTop::frmTop(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTop"));
    setWindowTitle(QStringLiteral("All player records"));
    setFont(parent != nullptr ? parent->font() : font());
    resize(TwipsToPixels(kTopWidth), TwipsToPixels(kTopHeight));

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);

    chkLimit = new QCheckBox(QStringLiteral("Use game limit"), this);
    chkLimit->setObjectName(QStringLiteral("chkLimit"));
    chkLimit->setToolTip(
        QStringLiteral("Check this to apply the game limit, as set in the Options dialog"));
    chkLimit->setChecked(true);

    grdTop = new GridControl(this);
    grdTop->setObjectName(QStringLiteral("grdTop"));
    SetAccessibleName(*grdTop, "All player records");
    ShowGridHeader(*grdTop, {"#", "Player", "", "Games"});
    grdTop->setCurrentCell(-1, -1);
    grdTop->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // A hidden check box leaves its height to the grid.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(chkLimit);
    layout->addWidget(grdTop, 1);

    connect(chkLimit, &QCheckBox::toggled, this, [this] { FillAllPlayerRecords(); });
}

void frmTop::Init(int statType) {
    CentreOnScreen(*this);
    mStatType = statType;
    FillAllPlayerRecords();
}

void frmTop::FillAllPlayerRecords() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        if (!mRead) {
            mPlayers = ListedPlayers();
            mTotals = ReadPlayerTotals(mPlayers);
            mRead = true;
        }
        const ViewTexts view =
            AllPlayerRecordsView(mPlayers, mTotals, mStatType, chkLimit->isChecked(), gOptMinGames);
        Label1->setText(ToQString(view.text("Label1")));
        ShowGridTexts(*grdTop, view.grid("grdTop"));
        chkLimit->setVisible(view.checkBox("chkLimit").visible);
    } catch (const std::exception& error) {
        grdTop->setRows(1);
        Label1->setText(QStringLiteral("The records cannot be read"));
        Label1->setToolTip(ToQString(error.what()));
    }
    SizeColumns();
    QGuiApplication::restoreOverrideCursor();
}

void frmTop::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    SizeColumns();
}

void frmTop::SizeColumns() {
    const double tenth = PixelsToTwips(GridWidthInside(*grdTop)) / 10.0;
    const auto& tenths = mStatType == 0 ? kGamesOnlyTenths : kTopColumnTenths;
    for (int col = 0; col < 4; ++col) {
        grdTop->setColWidthTwips(col, static_cast<int>(RoundHalfEven(tenth * tenths[col])));
    }
}
