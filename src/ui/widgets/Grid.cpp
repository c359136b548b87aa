#include "ui/widgets/Grid.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/DisplayLocale.h"
#include "core/QtText.h"
#include "core/Twips.h"

namespace {

constexpr int kDefaultRowHeightTwips = 240;
constexpr int kDefaultColWidthTwips = 960;

std::string Utf8(char32_t c) {
    return QString::fromUcs4(&c, 1).toStdString();
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

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
    setCols(2);
    setRows(1);
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

void GridControl::mousePressEvent(QMouseEvent* event) {
    mMouseRow = rowAt(event->position().toPoint().y());
    mPressed = true;
    // The current cell never moves onto the header row by a click.
    if (mMouseRow >= 0 && mMouseRow < mFixedRows) return;
    QTableWidget::mousePressEvent(event);
    showSelection();
}

void GridControl::mouseReleaseEvent(QMouseEvent* event) {
    QTableWidget::mouseReleaseEvent(event);
    showSelection();
    if (mPressed && event->button() == Qt::LeftButton) {
        mPressed = false;
        emit gridClicked();
    }
}

void GridControl::mouseDoubleClickEvent(QMouseEvent* event) {
    mMouseRow = rowAt(event->position().toPoint().y());
    if (mMouseRow < 0 || mMouseRow >= mFixedRows) {
        QTableWidget::mouseDoubleClickEvent(event);
        showSelection();
    }
    if (event->button() == Qt::LeftButton) emit gridDoubleClicked();
}

QModelIndex GridControl::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    if (!next.isValid() || next.row() >= mFixedRows) return next;
    // The keyboard stops at the first data row.
    return rowCount() > mFixedRows ? model()->index(mFixedRows, next.column()) : currentIndex();
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
