#include "rankings/ui/RankingsFrame.h"

#include <QComboBox>
#include <QLabel>
#include <algorithm>

#include "core/Settings.h"
#include "db/DbValue.h"
#include "rankings/RankingColumn.h"
#include "rankings/RankingMonths.h"
#include "rankings/Rankings.h"
#include "widgets/Accessible.h"
#include "widgets/EventHook.h"
#include "widgets/Grid.h"
#include "widgets/TextsToWidgets.h"

namespace {

// The ranking column of the month the combo box shows; empty when it shows none.
std::string ChosenColumn(const QComboBox& months) {
    if (months.currentIndex() < 0) return {};
    return RankingColumnFromItemData(months.currentData().toLongLong());
}

}  // namespace

RankingsFrame::RankingsFrame(int index, QWidget* parent) : Frame(index, parent) {
    ControlBuilder b = Builder();
    ui.cmbRankMonth = b.Combo(this, "cmbRankMonth");
    ui.cmbRankingFilter = b.Combo(this, "cmbRankingFilter");
    ui.grdRankings = b.Grid(this, "grdRankings");
    ui.lblRankMonth = b.Label(this, "lblRankMonth", "Month:");
    ui.lblRankMonth->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ui.lblRankingFilter = b.Label(this, "lblRankingFilter", "Country Filter:");
    LabelControl(*ui.lblRankMonth, *ui.cmbRankMonth);
    LabelControl(*ui.lblRankingFilter, *ui.cmbRankingFilter);
    SetAccessibleName(*ui.grdRankings, "World rankings");

    // Not one of the window's named controls: the layout leaves it to this frame.
    mRankingsNote = new QLabel(this);
    mRankingsNote->setObjectName(QStringLiteral("lblNote"));
    mRankingsNote->setTextFormat(Qt::PlainText);
    mRankingsNote->setAlignment(Qt::AlignCenter);
    mRankingsNote->setStyleSheet(QStringLiteral("QLabel { color: #8a4b00; font-style: italic; }"));
    OnGeometryChange(*mRankingsNote, {ui.lblRankMonth, ui.cmbRankingFilter},
                     [this] { PlaceRankingsNote(); });

    connect(ui.cmbRankingFilter, &QComboBox::currentIndexChanged, this,
            [this] { RankingFilterClick(); });
    connect(ui.cmbRankMonth, &QComboBox::currentIndexChanged, this, [this] { RankMonthClick(); });
    connect(ui.grdRankings, &GridControl::gridDoubleClicked, this,
            [this] { RankingsDoubleClick(); });
}

void RankingsFrame::InitControls(FrameInit&) {
    ShowGridHeader(*ui.grdRankings, kRankingsHeader);
    ui.grdRankings->setColSel(0);

    ShowComboItems(*ui.cmbRankingFilter, RankingCountryItems());
    ui.cmbRankingFilter->setCurrentIndex(0);

    ui.cmbRankMonth->clear();
    const ComboList months = RankingMonthList();
    for (const ComboItem& month : months.items) {
        ui.cmbRankMonth->addItem(ToQString(month.text), QVariant::fromValue<qint64>(month.data));
    }
    ui.cmbRankMonth->setCurrentIndex(months.selected);
}

void RankingsFrame::FillRankings(const std::string& column) {
    if (!Ready()) return;
    GridControl& grid = *ui.grdRankings;
    grid.hide();
    grid.setRows(1);
    try {
        // The current period's stand-in says why it stands in, whoever chose it.
        RankingPeriod period = CurrentRankingPeriod();
        if (!column.empty() && column != period.column) period = {column, ""};
        RankingsChoice choice{period.column, std::nullopt, gOptRankingLimit == 1};
        if (ui.cmbRankingFilter->currentIndex() > 0) {
            choice.country = ui.cmbRankingFilter->currentText().toStdString();
        }
        ShowGridTexts(grid, RankingsView(choice).grid("grdRankings"));
        SetNote(period.note, period.note);
    } catch (const DbError& error) {
        // A table without the columns the ranking needs: an empty table that says so.
        SetNote("The rankings table cannot be read", error.what());
    }
    grid.show();
    PlaceRankingsNote();
}

void RankingsFrame::RankingFilterClick() {
    RankMonthClick();
}

void RankingsFrame::RankMonthClick() {
    // The table always shows the month the box shows.
    FillRankings(ChosenColumn(*ui.cmbRankMonth));
}

void RankingsFrame::OptionsChanged(const OptionValues& before) {
    if (before.rankingLimit != gOptRankingLimit) RankMonthClick();
}

void RankingsFrame::RankingsDoubleClick() {
    const GridControl& grid = *ui.grdRankings;
    const int row = grid.mouseRow();
    if (row < grid.fixedRows() || row >= grid.rows()) return;
    emit showPlayerRequested(ToQString(grid.textMatrix(row, 1)));
}

void RankingsFrame::SetNote(const std::string& note, const std::string& detail) {
    mNote = note;
    mRankingsNote->setToolTip(PlainToolTip(ToQString(detail)));
}

void RankingsFrame::PlaceRankingsNote() {
    const QRect filter = ui.cmbRankingFilter->geometry();
    const QRect month = ui.lblRankMonth->geometry();
    const int gap = filter.height() / 2;
    const QRect space(filter.right() + gap, filter.top(), month.left() - gap - filter.right() - gap,
                      filter.height());
    mRankingsNote->setGeometry(space);
    const QString note = ToQString(mNote);
    // Cut short rather than run under the month choice on a narrow window.
    mRankingsNote->setText(
        mRankingsNote->fontMetrics().elidedText(note, Qt::ElideRight, std::max(space.width(), 0)));
    mRankingsNote->setVisible(!note.isEmpty() && space.width() > 0);
}

std::string RankingsFrame::HelpText() const {
    return std::string(gOptRankingLimit == 0
                           ? "All VPA players are included in the rankings table"
                           : "Only players that have participated in at least 2 VPA "
                             "tournaments are included in the rankings table") +
           ". To change this, use the 'Options' dialog";
}
