#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QTextDocumentFragment>
#include <QToolTip>

#include "widgets/Grid.h"

namespace {

void Fill(GridControl& grid, const std::vector<std::string>& keys) {
    grid.setCols(2);
    grid.setRows(static_cast<int>(keys.size()) + 1);
    grid.setTextMatrix(0, 0, "Key");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        grid.setTextMatrix(static_cast<int>(i) + 1, 0, keys[i]);
        grid.setTextMatrix(static_cast<int>(i) + 1, 1, "row " + std::to_string(i));
    }
}

// The mouse on the grid's cells, with the left button.
void Mouse(GridControl& grid, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, grid.viewport()->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &event);
}

TEST(Grid, SelectingTheHeaderRowMakesItBold) {
    GridControl grid;
    Fill(grid, {"a", "b"});
    grid.setCols(4);
    grid.setRow(0);
    grid.setCol(0);
    grid.setColSel(3);
    grid.setCellFontBold(true);
    for (int col = 0; col < 4; ++col) EXPECT_TRUE(grid.cellFontBold(0, col)) << col;
    EXPECT_FALSE(grid.cellFontBold(1, 0));
    // The header row is never shown selected.
    EXPECT_TRUE(grid.selectedItems().isEmpty());
}

TEST(Grid, HeaderBordersSizeColumnsAndCutOffTextsShowAsTips) {
    GridControl grid;
    Fill(grid, {"a", "<b>a key</b> far too long for its column"});
    grid.resize(300, 200);
    grid.show();
    int clicks = 0;
    QObject::connect(&grid, &GridControl::gridClicked, [&] { ++clicks; });
    const auto tipAt = [&](int row) {
        const QPoint at(5, grid.rowViewportPosition(row) + 3);
        QHelpEvent help(QEvent::ToolTip, at, grid.viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt(1), "");
    // Read as it stands, as every text from the database.
    EXPECT_EQ(QTextDocumentFragment::fromHtml(tipAt(2)).toPlainText(),
              "<b>a key</b> far too long for its column");

    const auto drag = [&](int row, int by) {
        const QPoint from(grid.columnWidth(0) - 1, grid.rowViewportPosition(row) + 3);
        Mouse(grid, QEvent::MouseButtonPress, from);
        Mouse(grid, QEvent::MouseMove, from + QPoint(by, 0));
        Mouse(grid, QEvent::MouseButtonRelease, from + QPoint(by, 0));
    };
    const int width = grid.columnWidth(0);
    drag(0, 40);
    EXPECT_EQ(grid.columnWidth(0), width + 40);
    EXPECT_EQ(clicks, 0);
    // Narrowed, it keeps a border to take hold of; the border of a data row is no handle.
    drag(0, -3 * width);
    const int narrowest = grid.columnWidth(0);
    EXPECT_GT(narrowest, 0);
    drag(1, 40);
    EXPECT_EQ(grid.columnWidth(0), narrowest);
    EXPECT_EQ(clicks, 1);
}

}  // namespace
