#include "widgets/ModelGrid.h"

#include <QAbstractTableModel>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "core/QtText.h"
#include "core/Twips.h"
#include "widgets/CopyExport.h"
#include "widgets/Grid.h"
#include "widgets/GridPointer.h"

namespace {

// The row height the design gives every grid.
constexpr int kDefaultRowHeightTwips = 270;

}  // namespace

class ModelGrid::Model : public QAbstractTableModel {
  public:
    const GridRows& rows() const { return mRows; }
    void setRows(GridRows rows) {
        beginResetModel();
        mRows = std::move(rows);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(mRows.count);
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(mRows.header.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || !mRows.row) return {};
        const Texts texts = mRows.row(static_cast<std::size_t>(index.row()));
        const auto col = static_cast<std::size_t>(index.column());
        return col < texts.size() ? ToQString(texts[col]) : QString();
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
            static_cast<std::size_t>(section) >= mRows.header.size()) {
            return {};
        }
        return ToQString(mRows.header[static_cast<std::size_t>(section)]);
    }

  private:
    GridRows mRows;
};

ModelGrid::ModelGrid(QWidget* parent) : QTableView(parent), mModel(std::make_unique<Model>()) {
    setModel(mModel.get());
    verticalHeader()->hide();
    // Rows of one height let the view find any row without measuring those before it.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    // The header reads as the other grids' header row: bold, from the left, a row high.
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont bold = horizontalHeader()->font();
    bold.setBold(true);
    horizontalHeader()->setFont(bold);
    setDefaultRowHeightTwips(kDefaultRowHeightTwips);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTabKeyNavigation(false);
    mMenu = MakeCopyMenu(
        *this, QStringLiteral("mnuGrid"), QStringLiteral("Copy all (with headers)"),
        [this] { CopyCells(selectedTexts()); }, [this] { CopyCells(allTexts()); },
        [this] { ExportCsv(*this, allTexts(), SuggestedFileName(*this, "table") + ".csv"); });
}

ModelGrid::~ModelGrid() {
    // The view lets go of the model before the model goes.
    setModel(nullptr);
}

void ModelGrid::setRows(GridRows rows) {
    mModel->setRows(std::move(rows));
}

int ModelGrid::rows() const {
    return mModel->rowCount() + 1;
}

int ModelGrid::cols() const {
    return mModel->columnCount();
}

std::string ModelGrid::textMatrix(int row, int col) const {
    const GridRows& r = mModel->rows();
    if (row < 0 || row >= rows() || col < 0 || col >= cols()) return {};
    const Texts texts = row == 0 ? r.header : r.row(static_cast<std::size_t>(row - 1));
    return static_cast<std::size_t>(col) < texts.size() ? texts[static_cast<std::size_t>(col)]
                                                        : std::string();
}

void ModelGrid::setColWidthTwips(int col, int twips) {
    if (col < 0) return;
    if (static_cast<std::size_t>(col) >= mColWidths.size()) {
        mColWidths.resize(static_cast<std::size_t>(col) + 1, 0);
    }
    mColWidths[static_cast<std::size_t>(col)] = twips > 0 ? TwipsToPixels(twips) : 0;
    setColumnHidden(col, twips <= 0);
    if (twips > 0) setColumnWidth(col, TwipsToPixels(twips));
}

void ModelGrid::updateGeometries() {
    QTableView::updateGeometries();
    FillToEdge(*this, mColWidths);
}

void FillToEdge(QTableView& view, const std::vector<int>& setWidths) {
    int last = -1;
    int others = 0;
    for (int col = 0; col < view.horizontalHeader()->count(); ++col) {
        if (view.isColumnHidden(col)) continue;
        if (last >= 0) others += view.columnWidth(last);
        last = col;
    }
    if (last < 0 || static_cast<std::size_t>(last) >= setWidths.size()) return;
    const int set = setWidths[static_cast<std::size_t>(last)];
    if (set <= 0) return;
    const int width = std::max(set, view.viewport()->width() - others);
    if (view.columnWidth(last) != width) view.setColumnWidth(last, width);
}

void ModelGrid::setDefaultRowHeightTwips(int twips) {
    const int height = std::max(TwipsToPixels(twips), 1);
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
}

Texts ModelGrid::shownTexts(const Texts& row) const {
    Texts shown;
    for (std::size_t col = 0; col < row.size(); ++col) {
        if (!isColumnHidden(static_cast<int>(col))) shown.push_back(row[col]);
    }
    return shown;
}

Grid ModelGrid::selectedTexts() const {
    const QModelIndexList picked = selectionModel()->selectedIndexes();
    if (picked.isEmpty()) return {};
    int top = picked.front().row(), bottom = top, left = picked.front().column(), right = left;
    for (const QModelIndex& index : picked) {
        top = std::min(top, index.row()), bottom = std::max(bottom, index.row());
        left = std::min(left, index.column()), right = std::max(right, index.column());
    }
    Grid cells;
    for (int row = top; row <= bottom; ++row) {
        const Texts texts = mModel->rows().row(static_cast<std::size_t>(row));
        Texts line;
        for (int col = left; col <= right; ++col) {
            const auto c = static_cast<std::size_t>(col);
            if (!isColumnHidden(col)) line.push_back(c < texts.size() ? texts[c] : std::string());
        }
        cells.push_back(std::move(line));
    }
    return cells;
}

Grid ModelGrid::allTexts() const {
    const GridRows& r = mModel->rows();
    Grid cells;
    cells.reserve(r.count + 1);
    cells.push_back(shownTexts(r.header));
    for (std::size_t row = 0; row < r.count; ++row) cells.push_back(shownTexts(r.row(row)));
    return cells;
}

void ModelGrid::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        RunGuarded([this] { CopyCells(selectedTexts()); });
        return;
    }
    QTableView::keyPressEvent(event);
}

void ModelGrid::contextMenuEvent(QContextMenuEvent* event) {
    mMenu->popup(event->globalPos());
}

bool ModelGrid::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QTableView::viewportEvent(event);
    const auto& help = static_cast<QHelpEvent&>(*event);
    const QModelIndex index = indexAt(help.pos());
    if (!index.isValid()) {
        QToolTip::hideText();
    } else {
        ShowCutOffTip(*this, help, index.data().toString(), font(), index.column());
    }
    return true;
}

void SetGridColumnWidths(QWidget& grid, const std::vector<int>& twips) {
    const auto apply = [&](auto& g) {
        for (std::size_t col = 0; col < twips.size(); ++col) {
            g.setColWidthTwips(static_cast<int>(col), twips[col]);
        }
    };
    if (auto* cells = qobject_cast<GridControl*>(&grid)) apply(*cells);
    if (auto* rows = qobject_cast<ModelGrid*>(&grid)) apply(*rows);
}
