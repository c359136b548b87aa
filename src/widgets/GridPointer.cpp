#include "widgets/GridPointer.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include "core/Twips.h"
#include "widgets/Grid.h"
#include "widgets/TextsToWidgets.h"

namespace {

// Pixels either side of a column border that still take hold of it.
constexpr int kBorderReach = 3;
// A column dragged narrower stops here, so that its border can still be taken hold of.
constexpr int kNarrowestColumn = 2 * kBorderReach;

class GridPointerHelp : public QObject {
  public:
    explicit GridPointerHelp(GridControl& grid)
        : QObject(&grid), mGrid(grid), mViewport(grid.viewport()) {
        // Without it the cursor would not change over a border while no button is pressed.
        mViewport->setMouseTracking(true);
        mViewport->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Compared with the viewport kept, not asked of the grid: the viewport's last events
        // come while the grid is being destroyed.
        if (watched != mViewport) return false;
        switch (event->type()) {
            case QEvent::ToolTip:
                ShowCutOffText(static_cast<QHelpEvent&>(*event));
                return true;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                return StartDrag(static_cast<QMouseEvent&>(*event));
            case QEvent::MouseMove:
                return Drag(static_cast<QMouseEvent&>(*event));
            case QEvent::MouseButtonRelease:
                return EndDrag();
            default:
                return false;
        }
    }

  private:
    struct ColumnDrag {
        int column;
        int startX;
        int startWidth;
    };

    // The column whose right border is at x in the header row, if one is within reach.
    std::optional<int> BorderAt(QPoint at) const {
        if (mGrid.fixedRows() != 1 || mGrid.rowSeenAt(at.y()) != 0) return std::nullopt;
        std::optional<int> nearest;
        int nearestDistance = kBorderReach + 1;
        for (int col = 0; col < mGrid.cols(); ++col) {
            if (mGrid.isColumnHidden(col)) continue;
            const int border = mGrid.columnViewportPosition(col) + mGrid.columnWidth(col);
            const int distance = std::abs(at.x() - border);
            if (distance <= nearestDistance) {
                nearest = col;
                nearestDistance = distance;
            }
        }
        return nearest;
    }

    bool StartDrag(const QMouseEvent& event) {
        const QPoint at = event.position().toPoint();
        const std::optional<int> col = BorderAt(at);
        if (event.button() != Qt::LeftButton || !col) return false;
        mDrag = ColumnDrag{*col, at.x(), mGrid.columnWidth(*col)};
        return true;
    }

    bool Drag(const QMouseEvent& event) {
        const QPoint at = event.position().toPoint();
        if (!mDrag) {
            // Set on the grid, so that the pinned header row shows it as well.
            if (BorderAt(at) && event.buttons() == Qt::NoButton) {
                mGrid.setCursor(Qt::SplitHCursor);
            } else {
                mGrid.unsetCursor();
            }
            return false;
        }
        const int width = std::max(mDrag->startWidth + at.x() - mDrag->startX, kNarrowestColumn);
        mGrid.setColWidthTwips(mDrag->column, PixelsToTwips(width));
        return true;
    }

    bool EndDrag() {
        const bool dragging = mDrag.has_value();
        mDrag.reset();
        return dragging;
    }

    void ShowCutOffText(const QHelpEvent& help) const {
        const QPoint at = help.pos();
        const QTableWidgetItem* cell = mGrid.item(mGrid.rowSeenAt(at.y()), mGrid.columnAt(at.x()));
        if (cell == nullptr) {
            QToolTip::hideText();
            return;
        }
        ShowCutOffTip(mGrid, help, cell->text(), cell->font().resolve(mGrid.font()),
                      cell->column());
    }

    GridControl& mGrid;
    QWidget* const mViewport;
    std::optional<ColumnDrag> mDrag;
};

}  // namespace

void AddGridPointerHelp(GridControl& grid) {
    new GridPointerHelp(grid);
}

void ShowCutOffTip(QTableView& view, const QHelpEvent& help, const QString& text, const QFont& font,
                   int column) {
    // The style leaves this margin at either side of a cell's text.
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
    if (QFontMetrics(font).horizontalAdvance(text) + 2 * margin <= view.columnWidth(column)) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(help.globalPos(), PlainToolTip(text), view.viewport());
}
