// The World Rankings frame of the main window.

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <functional>

#include "app/Settings.h"
#include "db/DbValue.h"
#include "rankings/RankingColumn.h"
#include "rankings/Rankings.h"
#include "ui/main/Grid.h"
#include "ui/main/ViewToWidgets.h"
#include "ui/main/frmMain.h"

namespace {

// Runs an action whenever a watched widget is moved or resized.
class GeometryWatcher : public QObject {
  public:
    GeometryWatcher(QObject* parent, std::function<void()> action)
        : QObject(parent), mAction(std::move(action)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize) mAction();
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> mAction;
};

// The ranking column of the month the combo box shows; empty when it shows none.
std::string ChosenColumn(const QComboBox& months) {
    if (months.currentIndex() < 0) return {};
    return RankingColumnFromItemData(months.currentData().toLongLong());
}

void SetNote(QLabel& label, const std::string& note, const std::string& detail) {
    label.setProperty("note", ToQString(note));
    label.setToolTip(ToQString(detail));
}

}  // namespace

void frmMain::ConnectRankings() {
    mRankingsNote = new QLabel(ui.fraFrame[0]);
    mRankingsNote->setObjectName(QStringLiteral("lblNote"));
    mRankingsNote->setAlignment(Qt::AlignCenter);
    mRankingsNote->setStyleSheet(QStringLiteral("QLabel { color: #8a4b00; font-style: italic; }"));
    auto* watcher = new GeometryWatcher(mRankingsNote, [this] { PlaceRankingsNote(); });
    ui.lblRankMonth->installEventFilter(watcher);
    ui.cmbRankingFilter->installEventFilter(watcher);

    connect(ui.cmbRankingFilter, &QComboBox::currentIndexChanged, this,
            [this] { RankingFilterClick(); });
    connect(ui.cmbRankMonth, &QComboBox::currentIndexChanged, this, [this] { RankMonthClick(); });
    connect(ui.grdRankings, &GridControl::gridDoubleClicked, this,
            [this] { RankingsDoubleClick(); });
}

void frmMain::FillRankings(const std::string& column) {
    if (mInitialised == 0) return;
    GridControl& grid = *ui.grdRankings;
    grid.hide();
    grid.setRows(1);
    RankingPeriod period{column, ""};
    try {
        if (column.empty()) period = CurrentRankingPeriod();
        RankingsChoice choice{period.column, std::nullopt, gOptRankingLimit == 1};
        if (ui.cmbRankingFilter->currentIndex() > 0) {
            choice.country = ui.cmbRankingFilter->currentText().toStdString();
        }
        ShowGridTexts(grid, RankingsView(choice).grid("grdRankings"));
        SetNote(*mRankingsNote, period.note, period.note);
    } catch (const DbError& error) {
        // A table without the columns the ranking needs: an empty table that says so.
        SetNote(*mRankingsNote, "The rankings table cannot be read", error.what());
    }
    grid.show();
    PlaceRankingsNote();
}

void frmMain::RankingFilterClick() {
    // A country is looked at in the current period; the month list is left as it is.
    FillRankings("");
}

void frmMain::RankMonthClick() {
    if (mInitialised == 0) return;
    FillRankings(ChosenColumn(*ui.cmbRankMonth));
}

void frmMain::RankingsDoubleClick() {
    const GridControl& grid = *ui.grdRankings;
    const int row = grid.mouseRow();
    if (row < grid.fixedRows() || row >= grid.rows()) return;
    ui.txtPlayer->setText(ToQString(grid.textMatrix(row, 1)));
    mCurrentFrame = 1;
    ShowFrame();
    PlayerGo();
}

void frmMain::PlaceRankingsNote() {
    const QRect filter = ui.cmbRankingFilter->geometry();
    const QRect month = ui.lblRankMonth->geometry();
    const int gap = filter.height() / 2;
    const QRect space(filter.right() + gap, filter.top(), month.left() - gap - filter.right() - gap,
                      filter.height());
    mRankingsNote->setGeometry(space);
    const QString note = mRankingsNote->property("note").toString();
    // Cut short rather than run under the month choice on a narrow window.
    mRankingsNote->setText(
        mRankingsNote->fontMetrics().elidedText(note, Qt::ElideRight, std::max(space.width(), 0)));
    mRankingsNote->setVisible(!note.isEmpty() && space.width() > 0);
}
