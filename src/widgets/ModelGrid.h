#pragma once

#include <QTableView>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/ViewTexts.h"

// Rows of texts that are made only when asked for: a header and a count, and the texts of any
// one row by its index from 0.
struct GridRows {
    Texts header{};
    std::size_t count = 0;
    std::function<Texts(std::size_t row)> row{};
};

// A read-only grid over GridRows, for lists too long to hold as cells: only the rows in view are
// ever turned into texts, so a million rows cost what their own data costs. It reads like
// GridControl: row 0 is the header (drawn as the column headers, always in view), the data rows
// follow. Ctrl+C copies the selected cells; the context menu (mnuGrid) copies them, copies every
// row with the header or writes them to a CSV file.
class ModelGrid : public QTableView {
    Q_OBJECT

  public:
    explicit ModelGrid(QWidget* parent = nullptr);
    ~ModelGrid() override;

    // Shows these rows instead of the ones before.
    void setRows(GridRows rows);
    // The header row and the data rows.
    int rows() const;
    int cols() const;
    // Empty text outside the grid.
    std::string textMatrix(int row, int col) const;

    // Sizes in twips; a column of width 0 is hidden.
    void setColWidthTwips(int col, int twips);
    void setDefaultRowHeightTwips(int twips);

    // The selected cells, or the header and every row, as texts; hidden columns left out.
    Grid selectedTexts() const;
    Grid allTexts() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // A cell whose text is cut off shows it whole as a tip.
    bool viewportEvent(QEvent* event) override;
    void updateGeometries() override;

  private:
    class Model;
    Texts shownTexts(const Texts& row) const;

    std::unique_ptr<Model> mModel;
    QMenu* mMenu = nullptr;
    std::vector<int> mColWidths;  // pixels, as last set; 0 for a column never set
};

// Widens a grid's last shown column over the room the columns leave before the vertical bar, so
// that the bar stands at the cells' edge on a large window, not apart from them; never narrower
// than its width as set (pixels by column, 0 for a column no layout sized, which is left alone).
void FillToEdge(QTableView& view, const std::vector<int>& setWidths);

// Gives a grid of either kind the column widths of a layout, in twips.
void SetGridColumnWidths(QWidget& grid, const std::vector<int>& twips);
