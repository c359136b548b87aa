#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

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

TEST(Grid, ClickOnTheHeaderRowKeepsTheCurrentCell) {
    GridControl grid;
    Fill(grid, {"a", "b"});
    grid.resize(300, 200);
    grid.show();
    grid.setRow(2);
    int clicks = 0;
    QObject::connect(&grid, &GridControl::gridClicked, [&] { ++clicks; });
    const auto click = [&](int row) {
        const QPoint at(10, grid.rowViewportPosition(row) + 3);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, grid.viewport()->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(grid.viewport(), &event);
        }
    };
    click(0);
    EXPECT_EQ(grid.mouseRow(), 0);
    EXPECT_EQ(grid.currentRow(), 2);
    click(1);
    EXPECT_EQ(grid.mouseRow(), 1);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(clicks, 2);
}

}  // namespace
