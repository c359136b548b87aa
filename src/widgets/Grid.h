#pragma once

#include <QTableWidget>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ViewTexts.h"

class QMenu;

// The table control of every frame (named apart from the cell texts `Grid` of core/ViewTexts.h).
// All cells hold text. Row 0 is a header row (a model row drawn like a header, never selected by
// the user and never sorted) when fixedRows() is 1; label grids have none. Qt's own row and
// column headers are hidden; the hidden column headers carry the header row's texts for screen
// readers. While the rows scroll, the header row stays in view at the top (drawn by a one-row view
// of the same cells laid over the table).
//
// The current cell is Qt's (currentRow(), currentColumn(); -1 when there is none). The selection
// runs from the current cell to the selection end; moving the current cell, by code or by the
// user, collapses the selection onto it.
//
// The user widens the selection with Shift and the arrow keys, a Shift+click or a drag; the
// current cell stays where it is. Ctrl+C copies the selected cells as tab-separated lines; the
// context menu (mnuGrid) copies them (mnuGridCopy), copies the whole grid with its header row
// (mnuGridCopyAll) or writes it to a CSV file (mnuGridExport). Hidden columns are left out.
//
// Notifications: gridClicked and gridDoubleClicked for a click anywhere on the grid (after the
// current cell has moved; mouseRow() tells which row was hit), Qt's currentCellChanged for every
// move of the current cell. Enter on the grid is a double-click on the current row. The grid is
// one Tab stop: Tab leaves it, the arrows move inside it. The mouse also widens columns and shows
// cut-off texts (GridPointer.h).
class GridControl : public QTableWidget {
    Q_OBJECT

  public:
    enum class SortOrder { NumericAscending, NumericDescending };

    explicit GridControl(QWidget* parent = nullptr);
    ~GridControl() override;

    int rows() const { return rowCount(); }
    // Never fewer than the fixed rows; new rows come empty at the bottom.
    void setRows(int count);
    int cols() const { return columnCount(); }
    void setCols(int count);
    // 1 on data grids (the default), 0 on label grids.
    int fixedRows() const { return mFixedRows; }
    void setFixedRows(int count);

    // Empty text outside the grid; writing outside it does nothing.
    std::string textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, std::string_view text);

    // Sizes in twips; a column of width 0 is hidden.
    int colWidthTwips(int col) const;
    void setColWidthTwips(int col, int twips);
    int rowHeightTwips(int row) const;
    void setRowHeightTwips(int row, int twips);
    // Height every row gets unless set one by one.
    void setDefaultRowHeightTwips(int twips);

    // Moves the current cell, keeping the other coordinate (0 when there was none).
    void setRow(int row);
    void setCol(int col);
    int rowSel() const { return mRowSel; }
    int colSel() const { return mColSel; }
    // Extends the selection from the current cell to this row or column.
    void setRowSel(int row);
    void setColSel(int col);

    // Bold (or plain) text in every selected cell.
    void setCellFontBold(bool bold);
    bool cellFontBold(int row, int col) const;

    // Row hit by the last click or double-click; -1 below the last row.
    int mouseRow() const { return mMouseRow; }
    // The row seen at height y of the viewport: the header row where it is pinned over the rows.
    int rowSeenAt(int y) const;

    // Sorts the rows below the header by the current column as numbers. Cells that are not
    // numbers (empty ones included) go after all numbers, in their previous order; rows with
    // equal values keep their order.
    void sort(SortOrder order);

    // Repaints at once, without waiting for the event loop.
    void refresh();

    // The selected cells, or every cell, as rows of texts; hidden columns left out.
    Grid selectedTexts() const;
    Grid allTexts() const;

  signals:
    void gridClicked();
    void gridDoubleClicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

  private:
    struct Range {
        int top, bottom, left, right;
    };
    // The selected cells; none while there is no current cell.
    std::optional<Range> selection() const;
    Grid texts(const Range& range) const;
    void setSelectionEnd(int row, int col);
    // Moves the selection end as a Shift+key asks (with Ctrl, Home and End go to the first or
    // last row too); false for keys that do not.
    bool extendSelection(int key, bool wholeGrid);
    int nextShownColumn(int col, int step) const;
    void makeHeaderView();
    // Shows the pinned header row exactly over the table's own while rows are scrolled away.
    void placeHeaderView();
    // The hidden column headers get the header row's texts, columns first to last.
    void nameColumns(int first, int last);
    void copySelection() const;
    QTableWidgetItem* cell(int row, int col);
    void fillMissingItems();
    void styleRow(int row);
    void showSelection();
    void onCurrentCellChanged(int row, int col);

    int mFixedRows = 1;
    int mRowSel = -1;
    int mColSel = -1;
    int mMouseRow = -1;
    bool mPressed = false;
    bool mDragging = false;  // a press on a data row, held: moving widens the selection
    QTableView* mHeaderView = nullptr;
    QMenu* mMenu = nullptr;
    std::vector<int> mColWidths;  // twips, as last set
};

// The value a numeric sort orders a cell by; false when the text is not a number. Accepts the
// user's decimal separator as well as '.', and blanks around the number.
bool GridNumber(std::string_view text, double& value);
