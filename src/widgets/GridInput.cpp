// How the user moves, selects and copies in a grid: mouse, keyboard and the selection's texts.

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "widgets/CopyExport.h"
#include "widgets/Grid.h"

void GridControl::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    mMouseRow = rowSeenAt(at.y());
    mPressed = true;
    mDragging = false;
    // The current cell never moves onto the header row by a click.
    if (mMouseRow >= 0 && mMouseRow < mFixedRows) return;
    const int col = columnAt(at.x());
    if (event->button() == Qt::LeftButton && event->modifiers() & Qt::ShiftModifier &&
        currentRow() >= 0 && mMouseRow >= 0 && col >= 0) {
        // Widens the selection from the current cell, which stays.
        setSelectionEnd(mMouseRow, col);
        return;
    }
    QTableWidget::mousePressEvent(event);
    showSelection();
    mDragging = event->button() == Qt::LeftButton && mMouseRow >= 0 && currentRow() == mMouseRow;
}

void GridControl::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) {
        QTableWidget::mouseMoveEvent(event);
        return;
    }
    // Only a drag from a data row selects, and it never moves the current cell.
    if (!mDragging) return;
    const QPoint at = event->position().toPoint();
    const int y = std::clamp(at.y(), 0, std::max(viewport()->height() - 1, 0));
    int row = rowAt(y);
    if (row < 0) row = rowCount() - 1;
    // Past the bottom edge the selection goes on a row at a time, scrolling.
    if (at.y() >= viewport()->height()) row = std::min(row + 1, rowCount() - 1);
    row = std::max(row, mFixedRows);
    const int col = columnAt(std::clamp(at.x(), 0, std::max(viewport()->width() - 1, 0)));
    setSelectionEnd(row, col >= 0 ? col : mColSel);
    scrollTo(model()->index(row, std::max(mColSel, 0)));
}

void GridControl::mouseReleaseEvent(QMouseEvent* event) {
    mDragging = false;
    QTableWidget::mouseReleaseEvent(event);
    showSelection();
    if (mPressed && event->button() == Qt::LeftButton) {
        mPressed = false;
        emit gridClicked();
    }
}

void GridControl::mouseDoubleClickEvent(QMouseEvent* event) {
    mMouseRow = rowSeenAt(event->position().toPoint().y());
    if (mMouseRow < 0 || mMouseRow >= mFixedRows) {
        QTableWidget::mouseDoubleClickEvent(event);
        showSelection();
    }
    if (event->button() == Qt::LeftButton) emit gridDoubleClicked();
}

void GridControl::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        RunGuarded([this] { copySelection(); });
        return;
    }
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
        // What a double-click on the current row does.
        if (currentRow() >= 0) {
            mMouseRow = currentRow();
            emit gridDoubleClicked();
        }
        return;
    }
    if (modifiers & Qt::ShiftModifier && extendSelection(key, modifiers & Qt::ControlModifier)) {
        return;
    }
    QTableWidget::keyPressEvent(event);
    // The keys move the selection as Qt sees it; the selection end widens it again.
    showSelection();
}

void GridControl::contextMenuEvent(QContextMenuEvent* event) {
    mMenu->popup(event->globalPos());
}

QModelIndex GridControl::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid() || next.row() >= mFixedRows) return next;
    // The keyboard stops at the first data row.
    return rowCount() > mFixedRows ? model()->index(mFixedRows, next.column()) : currentIndex();
}

Grid GridControl::selectedTexts() const {
    const std::optional<Range> range = selection();
    return range ? texts(*range) : Grid();
}

Grid GridControl::allTexts() const {
    if (rowCount() == 0 || columnCount() == 0) return {};
    return texts({0, rowCount() - 1, 0, columnCount() - 1});
}

Grid GridControl::texts(const Range& range) const {
    Grid cells;
    for (int row = range.top; row <= range.bottom; ++row) {
        auto& line = cells.emplace_back();
        for (int col = range.left; col <= range.right; ++col) {
            if (!isColumnHidden(col)) line.push_back(textMatrix(row, col));
        }
    }
    return cells;
}

void GridControl::copySelection() const {
    CopyCells(selectedTexts());
}

int GridControl::rowSeenAt(int y) const {
    if (mHeaderView != nullptr && !mHeaderView->isHidden() && y >= 0 && y < mHeaderView->height()) {
        return 0;
    }
    return rowAt(y);
}

void GridControl::setSelectionEnd(int row, int col) {
    mRowSel = row;
    mColSel = col;
    showSelection();
}

int GridControl::nextShownColumn(int col, int step) const {
    for (int next = col + step; next >= 0 && next < columnCount(); next += step) {
        if (!isColumnHidden(next)) return next;
    }
    return col;
}

bool GridControl::extendSelection(int key, bool wholeGrid) {
    if (currentRow() < 0 || currentColumn() < 0 || mRowSel < 0 || mColSel < 0) return false;
    // The header row is selected only by the program (it may be current itself).
    const int firstRow = std::min(mFixedRows, currentRow());
    const int lastRow = rowCount() - 1;
    const int page = std::max(viewport()->height() / std::max(rowHeight(lastRow), 1) - 1, 1);
    int row = mRowSel;
    int col = mColSel;
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        row += key == Qt::Key_Up ? -1 : 1;
    } else if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
        row += key == Qt::Key_PageUp ? -page : page;
    } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
        col = nextShownColumn(col, key == Qt::Key_Left ? -1 : 1);
    } else if (key == Qt::Key_Home || key == Qt::Key_End) {
        const bool home = key == Qt::Key_Home;
        col = home ? nextShownColumn(-1, 1) : nextShownColumn(columnCount(), -1);
        if (wholeGrid) row = home ? firstRow : lastRow;
    } else {
        return false;
    }
    setSelectionEnd(std::clamp(row, firstRow, lastRow), col);
    scrollTo(model()->index(mRowSel, mColSel));
    return true;
}

void GridControl::showSelection() {
    const std::optional<Range> range = selection();
    if (!range) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->select(QItemSelection(model()->index(range->top, range->left),
                                            model()->index(range->bottom, range->right)),
                             QItemSelectionModel::ClearAndSelect);
}

void GridControl::onCurrentCellChanged(int row, int col) {
    mRowSel = row;
    mColSel = col;
}
