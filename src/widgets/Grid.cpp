#include "widgets/Grid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/DisplayFormat.h"
#include "core/DisplayLocale.h"
#include "core/QtText.h"
#include "core/Twips.h"
#include "db/DbValue.h"
#include "widgets/CopyExport.h"
#include "widgets/EventHook.h"
#include "widgets/GridPointer.h"
#include "widgets/ModelGrid.h"

namespace {

constexpr int kDefaultRowHeightTwips = 240;
constexpr int kDefaultColWidthTwips = 960;

// The text with the user's decimal separator written as '.'.
std::string WithDecimalPoint(std::string_view text) {
    const char32_t separator = CurrentLocale().decimalSeparator();
    if (separator == U'.') return std::string(text);
    const std::string local = Utf8(separator);
    std::string result;
    while (!text.empty()) {
        if (text.starts_with(local)) {
            result += '.';
            text.remove_prefix(local.size());
        } else {
            result += text.front();
            text.remove_prefix(1);
        }
    }
    return result;
}

}  // namespace

bool GridNumber(std::string_view text, double& value) {
    std::string_view trimmed = Trimmed(text);
    if (trimmed.starts_with('+')) trimmed.remove_prefix(1);
    const std::string number = WithDecimalPoint(trimmed);
    if (number.empty()) return false;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    return error == std::errc() && stop == end && std::isfinite(value);
}

GridControl::GridControl(QWidget* parent) : QTableWidget(parent) {
    // Keeps the selection end in step before any handler connected later hears of the move.
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int col) { onCurrentCellChanged(row, col); });
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(TwipsToPixels(kDefaultColWidthTwips));
    setDefaultRowHeightTwips(kDefaultRowHeightTwips);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    // Tab leaves the grid; the arrows move inside it.
    setTabKeyNavigation(false);
    makeHeaderView();
    mMenu = MakeCopyMenu(
        *this, QStringLiteral("mnuGrid"), QStringLiteral("Copy all (with headers)"),
        [this] { copySelection(); }, [this] { CopyCells(allTexts()); },
        [this] { ExportCsv(*this, allTexts(), SuggestedFileName(*this, "table") + ".csv"); });
    connect(model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
                if (topLeft.row() == 0) nameColumns(topLeft.column(), bottomRight.column());
            });
    connect(model(), &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) { nameColumns(first, last); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeHeaderView(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeHeaderView(); });
    connect(verticalHeader(), &QHeaderView::sectionResized, this, [this](int row) {
        if (row == 0) placeHeaderView();
    });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this] { placeHeaderView(); });
    AddGridPointerHelp(*this);
    setCols(2);
    setRows(1);
}

GridControl::~GridControl() {
    // The cells, scroll bars and headers outlive this part of the grid: they must not call it.
    for (const QObject* sender :
         {static_cast<QObject*>(model()), static_cast<QObject*>(verticalScrollBar()),
          static_cast<QObject*>(horizontalScrollBar()), static_cast<QObject*>(verticalHeader()),
          static_cast<QObject*>(horizontalHeader())}) {
        disconnect(sender, nullptr, this, nullptr);
    }
    mHeaderView = nullptr;
}

void GridControl::setRows(int count) {
    setRowCount(std::max(count, mFixedRows));
    fillMissingItems();
}

void GridControl::setCols(int count) {
    setColumnCount(std::max(count, 0));
    mColWidths.resize(static_cast<std::size_t>(columnCount()), -1);
    fillMissingItems();
}

void GridControl::setFixedRows(int count) {
    const int old = mFixedRows;
    mFixedRows = std::clamp(count, 0, 1);
    if (rowCount() < mFixedRows) setRowCount(mFixedRows);
    fillMissingItems();
    for (int row = 0; row < std::max(old, mFixedRows) && row < rowCount(); ++row) {
        styleRow(row);
    }
    nameColumns(0, columnCount() - 1);
    placeHeaderView();
}

std::string GridControl::textMatrix(int row, int col) const {
    const QTableWidgetItem* it = item(row, col);
    return it ? it->text().toStdString() : std::string();
}

void GridControl::setTextMatrix(int row, int col, std::string_view text) {
    if (QTableWidgetItem* it = cell(row, col)) {
        it->setText(ToQString(text));
    }
}

int GridControl::colWidthTwips(int col) const {
    if (col < 0 || col >= columnCount()) return 0;
    const int stored = mColWidths[static_cast<std::size_t>(col)];
    return stored >= 0 ? stored : PixelsToTwips(columnWidth(col));
}

void GridControl::setColWidthTwips(int col, int twips) {
    if (col < 0 || col >= columnCount()) return;
    mColWidths[static_cast<std::size_t>(col)] = std::max(twips, 0);
    setColumnHidden(col, twips <= 0);
    if (twips > 0) setColumnWidth(col, TwipsToPixels(twips));
    placeHeaderView();
}

int GridControl::rowHeightTwips(int row) const {
    return PixelsToTwips(rowHeight(row));
}

void GridControl::setRowHeightTwips(int row, int twips) {
    setRowHeight(row, std::max(TwipsToPixels(twips), 1));
}

void GridControl::setDefaultRowHeightTwips(int twips) {
    const int pixels = std::max(TwipsToPixels(twips), 1);
    verticalHeader()->setDefaultSectionSize(pixels);
    for (int row = 0; row < rowCount(); ++row) setRowHeight(row, pixels);
}

void GridControl::setRow(int row) {
    if (row < 0 || row >= rowCount() || columnCount() == 0) return;
    const int col = std::max(currentColumn(), 0);
    selectionModel()->setCurrentIndex(model()->index(row, col), QItemSelectionModel::NoUpdate);
    mRowSel = row;
    mColSel = col;
    showSelection();
}

void GridControl::setCol(int col) {
    if (col < 0 || col >= columnCount() || rowCount() == 0) return;
    const int row = std::max(currentRow(), 0);
    selectionModel()->setCurrentIndex(model()->index(row, col), QItemSelectionModel::NoUpdate);
    mRowSel = row;
    mColSel = col;
    showSelection();
}

void GridControl::setRowSel(int row) {
    mRowSel = std::clamp(row, 0, std::max(rowCount() - 1, 0));
    showSelection();
}

void GridControl::setColSel(int col) {
    mColSel = std::clamp(col, 0, std::max(columnCount() - 1, 0));
    showSelection();
}

std::optional<GridControl::Range> GridControl::selection() const {
    const int row = currentRow();
    const int col = currentColumn();
    if (row < 0 || col < 0 || mRowSel < 0 || mColSel < 0) return std::nullopt;
    const int rowSel = std::min(mRowSel, rowCount() - 1);
    const int colSel = std::min(mColSel, columnCount() - 1);
    return Range{std::min(row, rowSel), std::max(row, rowSel), std::min(col, colSel),
                 std::max(col, colSel)};
}

void GridControl::setCellFontBold(bool bold) {
    const std::optional<Range> range = selection();
    if (!range) return;
    for (int row = range->top; row <= range->bottom; ++row) {
        for (int col = range->left; col <= range->right; ++col) {
            if (QTableWidgetItem* it = cell(row, col)) {
                QFont font = it->font();
                font.setBold(bold);
                it->setFont(font);
            }
        }
    }
}

bool GridControl::cellFontBold(int row, int col) const {
    const QTableWidgetItem* it = item(row, col);
    return it && it->font().bold();
}

void GridControl::sort(SortOrder order) {
    const int key = currentColumn();
    if (key < 0 || key >= columnCount()) return;
    struct Line {
        bool isNumber = false;
        double value = 0;
        std::vector<std::pair<QString, QFont>> cells;
    };
    std::vector<Line> lines;
    for (int row = mFixedRows; row < rowCount(); ++row) {
        Line line;
        line.isNumber = GridNumber(textMatrix(row, key), line.value);
        for (int col = 0; col < columnCount(); ++col) {
            line.cells.emplace_back(item(row, col)->text(), item(row, col)->font());
        }
        lines.push_back(std::move(line));
    }
    const bool ascending = order == SortOrder::NumericAscending;
    std::stable_sort(lines.begin(), lines.end(), [ascending](const Line& a, const Line& b) {
        if (a.isNumber != b.isNumber) return a.isNumber;
        if (!a.isNumber) return false;
        return ascending ? a.value < b.value : a.value > b.value;
    });
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = mFixedRows + static_cast<int>(i);
        for (int col = 0; col < columnCount(); ++col) {
            const auto& [text, font] = lines[i].cells[static_cast<std::size_t>(col)];
            item(row, col)->setText(text);
            item(row, col)->setFont(font);
        }
    }
}

void GridControl::refresh() {
    repaint();
}

void GridControl::scrollTo(const QModelIndex& index, ScrollHint hint) {
    QTableWidget::scrollTo(index, hint);
    if (!index.isValid() || index.row() < mFixedRows || verticalScrollBar()->value() == 0) return;
    // A row under the pinned header row is out of sight: the rows above it must cover the header.
    const int header = rowHeight(0);
    const int top = rowViewportPosition(index.row());
    if (top >= header) return;
    if (verticalScrollMode() == ScrollPerPixel) {
        verticalScrollBar()->setValue(verticalScrollBar()->value() - (header - top));
        return;
    }
    int first = index.row();
    for (int covered = 0; first > 0 && covered < header;) covered += rowHeight(--first);
    verticalScrollBar()->setValue(std::min(verticalScrollBar()->value(), first));
}

void GridControl::updateGeometries() {
    QTableWidget::updateGeometries();
    std::vector<int> pixels;
    for (const int twips : mColWidths) pixels.push_back(twips > 0 ? TwipsToPixels(twips) : 0);
    FillToEdge(*this, pixels);
    placeHeaderView();
}

void GridControl::makeHeaderView() {
    mHeaderView = new QTableView(this);
    mHeaderView->setObjectName(QStringLiteral("grdHeaderRow"));
    mHeaderView->setAccessibleName(QStringLiteral("Column headers"));
    mHeaderView->setModel(model());
    mHeaderView->setSelectionModel(selectionModel());
    mHeaderView->setFocusPolicy(Qt::NoFocus);
    mHeaderView->setFrameShape(QFrame::NoFrame);
    mHeaderView->horizontalHeader()->hide();
    mHeaderView->verticalHeader()->hide();
    mHeaderView->horizontalHeader()->setMinimumSectionSize(0);
    mHeaderView->verticalHeader()->setMinimumSectionSize(1);
    mHeaderView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mHeaderView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mHeaderView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mHeaderView->setWordWrap(false);
    // It shows row 0 only: moving the current cell must never scroll it.
    mHeaderView->setAutoScroll(false);
    mHeaderView->hide();
    // The mouse on the pinned row acts on the grid, exactly as on the row itself.
    QWidget* target = viewport();
    mHeaderView->viewport()->installEventFilter(
        new EventHook(mHeaderView, [target](QObject&, QEvent& event) {
            switch (event.type()) {
                case QEvent::MouseButtonPress:
                case QEvent::MouseButtonRelease:
                case QEvent::MouseButtonDblClick:
                case QEvent::MouseMove:
                case QEvent::Wheel:
                case QEvent::ContextMenu:
                case QEvent::ToolTip:
                    QCoreApplication::sendEvent(target, &event);
                    return true;
                default:
                    return false;
            }
        }));
}

void GridControl::placeHeaderView() {
    if (mHeaderView == nullptr) return;
    const bool pinned = mFixedRows == 1 && rowCount() > 1 && verticalScrollBar()->value() > 0;
    if (!pinned) {
        mHeaderView->hide();
        return;
    }
    for (int col = 0; col < columnCount(); ++col) {
        mHeaderView->setColumnHidden(col, isColumnHidden(col));
        if (!isColumnHidden(col)) mHeaderView->setColumnWidth(col, columnWidth(col));
    }
    mHeaderView->setRowHeight(0, rowHeight(0));
    mHeaderView->setShowGrid(showGrid());
    mHeaderView->setGeometry(
        QRect(viewport()->geometry().topLeft(),
              QSize(viewport()->width(), std::min(rowHeight(0), viewport()->height()))));
    // Its own ranges catch up only later: it takes the grid's now.
    const QScrollBar* across = horizontalScrollBar();
    mHeaderView->horizontalScrollBar()->setRange(across->minimum(), across->maximum());
    mHeaderView->horizontalScrollBar()->setValue(across->value());
    mHeaderView->verticalScrollBar()->setValue(0);
    mHeaderView->show();
    mHeaderView->raise();
}

void GridControl::nameColumns(int first, int last) {
    for (int col = std::max(first, 0); col <= last && col < columnCount(); ++col) {
        const QString name = mFixedRows == 1 && item(0, col) ? item(0, col)->text() : QString();
        if (QTableWidgetItem* header = horizontalHeaderItem(col)) {
            if (header->text() != name) header->setText(name);
        } else {
            setHorizontalHeaderItem(col, new QTableWidgetItem(name));
        }
    }
}

QTableWidgetItem* GridControl::cell(int row, int col) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return nullptr;
    return item(row, col);
}

void GridControl::fillMissingItems() {
    for (int row = 0; row < rowCount(); ++row) {
        bool added = false;
        for (int col = 0; col < columnCount(); ++col) {
            if (!item(row, col)) {
                setItem(row, col, new QTableWidgetItem());
                added = true;
            }
        }
        if (added) styleRow(row);
    }
}

void GridControl::styleRow(int row) {
    const bool header = row < mFixedRows;
    for (int col = 0; col < columnCount(); ++col) {
        QTableWidgetItem* it = item(row, col);
        if (!it) continue;
        it->setFlags(header ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        it->setBackground(header ? palette().button() : QBrush());
        it->setForeground(header ? palette().buttonText() : QBrush());
    }
}
