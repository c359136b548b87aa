// A grid's header row: its borders sizing the columns, in view while the rows scroll, naming the
// columns for screen readers (run at scale factors 1 and 2); cut-off texts as tips; and the
// program's message boxes as the user meets them.

#include <QAccessible>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTextDocumentFragment>

#include "support/UserInput.h"
#include "widgets/QtServices.h"

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

TEST(Grid, HeaderBordersSizeColumnsAndCutOffTextsShowAsTips) {
    GridControl grid;
    Fill(grid, {"a", "<b>a key</b> far too long for its column"});
    grid.resize(300, 200);
    grid.show();
    int clicks = 0;
    QObject::connect(&grid, &GridControl::gridClicked, [&] { ++clicks; });
    const auto tipAt = [&](int row) {
        return TipAt(*grid.viewport(), QPoint(5, grid.rowViewportPosition(row) + 3));
    };
    EXPECT_EQ(tipAt(1), "");
    // Read as it stands, as every text from the database.
    EXPECT_EQ(QTextDocumentFragment::fromHtml(tipAt(2)).toPlainText(),
              "<b>a key</b> far too long for its column");

    const auto drag = [&](int row, int by) {
        const QPoint from(grid.columnWidth(0) - 1, grid.rowViewportPosition(row) + 3);
        SendMouse(grid.viewport(), QEvent::MouseButtonPress, from);
        SendMouse(grid.viewport(), QEvent::MouseMove, from + QPoint(by, 0));
        SendMouse(grid.viewport(), QEvent::MouseButtonRelease, from + QPoint(by, 0));
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

// The header row of a grid stays in view while its rows scroll, and names the columns for screen
// readers. Run at scale factors 1 and 2.

class GridHeaderRow : public testing::Test {
  protected:
    void SetUp() override {
        grid.setCols(3);
        grid.setRows(61);
        grid.setTextMatrix(0, 0, "Pos");
        grid.setTextMatrix(0, 1, "Player");
        grid.setTextMatrix(0, 2, "Points");
        for (int row = 1; row < grid.rows(); ++row) {
            grid.setTextMatrix(row, 0, std::to_string(row));
            grid.setTextMatrix(row, 1, "Player " + std::to_string(row));
        }
        grid.resize(320, 200);
        grid.show();
        QObject::connect(&grid, &GridControl::gridDoubleClicked, [this] { ++doubleClicks; });
        grid.setFocus();
        grid.setRow(1);
    }

    // The widget drawn at a point of the grid's viewport, and the point in its own coordinates.
    std::pair<QWidget*, QPoint> Seen(QPoint at) {
        const QPoint inGrid = grid.viewport()->mapTo(&grid, at);
        QWidget* shown = grid.childAt(inGrid);
        return {shown, shown != nullptr ? shown->mapFrom(&grid, inGrid) : QPoint()};
    }
    // The row (or column) a person sees at a point of the viewport, whichever view draws it.
    QModelIndex CellSeen(QPoint at) {
        const auto [shown, local] = Seen(at);
        auto* view = shown ? qobject_cast<QAbstractItemView*>(shown->parentWidget()) : nullptr;
        return view != nullptr ? view->indexAt(local) : QModelIndex();
    }
    int RowSeen(int y) { return CellSeen(QPoint(10, y)).row(); }
    int Top() { return 2; }
    int BelowHeader() { return grid.rowHeight(0) + 2; }

    // A double-click where the mouse is, delivered to whatever is drawn there.
    void DoubleClickAt(QPoint at) {
        const auto [target, local] = Seen(at);
        ASSERT_NE(target, nullptr);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                        QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            SendMouse(target, type, local);
        }
    }
    // After scrolling: the header row is at the top, and a double-click on the first row seen
    // below it reports that row, with the current cell left alone by the header.
    void ExpectHeaderPinned() {
        ASSERT_GT(grid.verticalScrollBar()->value(), 0);
        EXPECT_EQ(RowSeen(Top()), 0);
        const int row = RowSeen(BelowHeader() + grid.rowHeight(1));
        ASSERT_GT(row, 1);
        const int clicks = doubleClicks;
        DoubleClickAt(QPoint(10, BelowHeader() + grid.rowHeight(1)));
        EXPECT_EQ(grid.mouseRow(), row);
        EXPECT_EQ(grid.currentRow(), row);
        EXPECT_EQ(doubleClicks, clicks + 1);
        DoubleClickAt(QPoint(10, Top()));
        EXPECT_EQ(grid.mouseRow(), 0);
        EXPECT_EQ(grid.currentRow(), row);
    }

    GridControl grid;
    int doubleClicks = 0;
};

TEST_F(GridHeaderRow, StaysInViewWhileTheWheelAndTheKeysScroll) {
    EXPECT_EQ(RowSeen(Top()), 0);
    Wheel(*grid.viewport(), QPoint(10, 50), 1);
    ExpectHeaderPinned();
    QTest::keyClick(&grid, Qt::Key_PageDown);
    ExpectHeaderPinned();
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(grid.currentRow(), 60);
    ExpectHeaderPinned();
    EXPECT_EQ(RowSeen(grid.visualRect(grid.model()->index(60, 0)).center().y()), 60);
    // Each row the Up key reaches comes out from under the header row.
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(&grid, Qt::Key_Up);
        const int current = grid.currentRow();
        ASSERT_EQ(RowSeen(grid.visualRect(grid.model()->index(current, 0)).center().y()), current)
            << current;
    }
    QTest::keyClick(&grid, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(grid.currentRow(), 1);
    EXPECT_EQ(RowSeen(Top()), 0);
    EXPECT_EQ(RowSeen(BelowHeader()), 1);
}

TEST_F(GridHeaderRow, PinnedRowFollowsTheColumns) {
    grid.setCols(8);
    for (int col = 0; col < 8; ++col) grid.setTextMatrix(0, col, "C" + std::to_string(col));
    grid.setColWidthTwips(1, 0);
    grid.setColWidthTwips(3, 2400);
    QApplication::processEvents();
    grid.horizontalScrollBar()->setValue(2);
    ASSERT_EQ(grid.horizontalScrollBar()->value(), 2);
    Wheel(*grid.viewport(), QPoint(10, 50), 2);
    ASSERT_EQ(RowSeen(Top()), 0);
    for (int x = 2; x < grid.viewport()->width(); x += 15) {
        EXPECT_EQ(CellSeen(QPoint(x, Top())).column(), grid.columnAt(x)) << x;
    }
    // Back at the top the grid's own header row shows again.
    grid.setRows(1);
    grid.setRows(61);
    EXPECT_EQ(grid.verticalScrollBar()->value(), 0);
    EXPECT_EQ(Seen(QPoint(10, Top())).first, grid.viewport());
}

TEST_F(GridHeaderRow, ScreenReadersHearTheColumnNames) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->tableInterface(), nullptr);
    const auto headerOf = [&](int col) {
        QAccessibleInterface* cell = table->tableInterface()->cellAt(2, col);
        if (cell == nullptr || cell->tableCellInterface() == nullptr) return QString("?");
        const QList<QAccessibleInterface*> headers =
            cell->tableCellInterface()->columnHeaderCells();
        if (headers.isEmpty()) return QString("?");
        const QString name = headers[0]->text(QAccessible::Name);
        // Qt makes the header cells afresh for each call and keeps none: handed to its cache,
        // they are freed.
        for (QAccessibleInterface* header : headers) {
            QAccessible::deleteAccessibleInterface(
                QAccessible::registerAccessibleInterface(header));
        }
        return name;
    };
    EXPECT_EQ(headerOf(0), "Pos");
    EXPECT_EQ(headerOf(2), "Points");
    grid.setTextMatrix(0, 2, "Goals");
    grid.setCols(4);
    grid.setTextMatrix(0, 3, "Games");
    EXPECT_EQ(headerOf(2), "Goals");
    EXPECT_EQ(headerOf(3), "Games");
    EXPECT_EQ(grid.rows(), 61);
}

// The program's message boxes as the user meets them.

// A splash screen stays above other windows: while a message is up it must not cover it.
TEST(MessageBox, SplashStepsAsideWhileAMessageIsRead) {
    QWidget splash(nullptr, Qt::SplashScreen);
    splash.show();
    bool splashShownDuringMessage = true;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        splashShownDuringMessage = splash.isVisible();
        text = box->text();
        box->accept();
    });
    // The reason stands in the box under the sentence, not behind a details button.
    MakeQtServices()->message(MessageIcon::Critical, "<b>cannot</b> open", "Critical error!",
                              "no such table");
    EXPECT_FALSE(splashShownDuringMessage);
    EXPECT_EQ(text, "<b>cannot</b> open\n\nno such table");
    EXPECT_TRUE(splash.isVisible());
}

}  // namespace
