#include "widgets/TextsToWidgets.h"

#include <QComboBox>
#include <QListWidget>
#include <QScrollBar>

#include "widgets/Grid.h"

QString PlainToolTip(const QString& text) {
    if (text.isEmpty()) return text;
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

void ShowGridTexts(GridControl& grid, const Grid& texts) {
    grid.setRows(static_cast<int>(texts.size()));
    for (int row = 0; row < grid.rows(); ++row) {
        const std::size_t r = static_cast<std::size_t>(row);
        for (int col = 0; col < grid.cols(); ++col) {
            const std::size_t c = static_cast<std::size_t>(col);
            const bool given = r < texts.size() && c < texts[r].size();
            grid.setTextMatrix(row, col, given ? texts[r][c] : std::string());
        }
    }
}

void ShowGridHeader(GridControl& grid, const std::vector<std::string>& header) {
    grid.setFixedRows(1);
    grid.setCols(static_cast<int>(header.size()));
    ShowGridTexts(grid, {header});
    grid.setRow(0);
    grid.setCol(0);
    grid.setColSel(grid.cols() - 1);
    grid.setCellFontBold(true);
}

void ShowGridLabels(GridControl& grid, const Texts& labels) {
    grid.setFixedRows(0);
    grid.setCols(2);
    grid.setRows(static_cast<int>(labels.size()));
    for (std::size_t row = 0; row < labels.size(); ++row) {
        grid.setTextMatrix(static_cast<int>(row), 0, labels[row]);
    }
}

void ShowComboItems(QComboBox& combo, const Texts& items) {
    combo.clear();
    for (const std::string& item : items) combo.addItem(ToQString(item));
}

int PickedRow(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return item != nullptr && item->isSelected() ? list.currentRow() : -1;
}

void AddListItems(QListWidget& list, const Texts& items) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) texts << ToQString(item);
    list.addItems(texts);
}

int GridWidthInside(const GridControl& grid) {
    return grid.width() - 2 * grid.frameWidth() - grid.verticalScrollBar()->sizeHint().width();
}
