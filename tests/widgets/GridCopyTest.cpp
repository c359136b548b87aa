// Selecting, copying and exporting the cells of grids and lists, and the keys of a grid; the
// header row selected by the program, made bold.

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QVBoxLayout>

#include "support/FakeServices.h"
#include "support/FileBytes.h"
#include "support/TempDir.h"
#include "support/UserInput.h"
#include "widgets/ControlBuilder.h"

namespace {

QString Clipboard() {
    return QGuiApplication::clipboard()->text();
}

QAction* Action(const QWidget& owner, const char* name) {
    auto* action = owner.findChild<QAction*>(QString::fromUtf8(name));
    EXPECT_NE(action, nullptr) << name;
    return action;
}

class GridCopy : public testing::Test {
  protected:
    void SetUp() override {
        SetServices(services);
        grid = new GridControl(&window);
        grid->setObjectName("grdTest");
        (new QVBoxLayout(&window))->addWidget(grid);
        grid->setCols(4);
        grid->setRows(6);
        for (int col = 0; col < 4; ++col) {
            grid->setTextMatrix(0, col, "H" + std::to_string(col));
            for (int row = 1; row < 6; ++row) {
                grid->setTextMatrix(row, col, std::to_string(row) + std::to_string(col));
            }
        }
        grid->setColWidthTwips(2, 0);  // hidden figures, as some windows keep
        window.resize(400, 300);
        window.show();
        QApplication::setActiveWindow(&window);
        grid->setFocus();
        QObject::connect(grid, &QTableWidget::currentCellChanged, [this] { ++moves; });
        QObject::connect(grid, &GridControl::gridDoubleClicked,
                         [this] { doubleClicked.push_back(grid->mouseRow()); });
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override { SetServices(nullptr); }

    void Mouse(QEvent::Type type, int row, int col, Qt::KeyboardModifiers modifiers = {}) {
        const QPoint at = grid->visualRect(grid->model()->index(row, col)).center();
        SendMouse(grid->viewport(), type, at, Qt::LeftButton, modifiers);
    }

    std::shared_ptr<FakeServices> services = std::make_shared<FakeServices>();
    QWidget window;
    GridControl* grid = nullptr;
    int moves = 0;
    std::vector<int> doubleClicked;
};

TEST_F(GridCopy, ShiftKeysWidenTheSelectionAndCtrlCCopiesIt) {
    grid->setRow(2);
    grid->setCol(1);
    moves = 0;
    QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Right, Qt::ShiftModifier);  // over the hidden column
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "21\t23\n31\t33");
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(moves, 0);
    QTest::keyClick(grid, Qt::Key_End, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(grid->selectedTexts().back(), (std::vector<std::string>{"51", "53"}));
    // The keys never take the header row in, but the program's own selection may.
    QTest::keyClick(grid, Qt::Key_PageUp, Qt::ShiftModifier);
    EXPECT_EQ(grid->rowSel(), 1);
    grid->setRow(0);
    grid->setCol(0);
    grid->setColSel(3);
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "H0\tH1\tH3");
    // Bold, it stays unselected to the eye.
    grid->setCellFontBold(true);
    for (int col = 0; col < 4; ++col) EXPECT_TRUE(grid->cellFontBold(0, col)) << col;
    EXPECT_FALSE(grid->cellFontBold(1, 0));
    EXPECT_TRUE(grid->selectedItems().isEmpty());
    // The program's moves collapse the selection as before.
    grid->setRow(4);
    EXPECT_EQ(grid->selectedTexts(), (Grid{{"40"}}));
}

TEST_F(GridCopy, DragAndShiftClickSelectFromThePressedCell) {
    Mouse(QEvent::MouseButtonPress, 1, 0);
    Mouse(QEvent::MouseMove, 3, 1);
    Mouse(QEvent::MouseButtonRelease, 3, 1);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->selectedTexts(), (Grid{{"10", "11"}, {"20", "21"}, {"30", "31"}}));
    EXPECT_EQ(grid->selectedItems().size(), 6);
    Mouse(QEvent::MouseButtonPress, 5, 3, Qt::ShiftModifier);
    Mouse(QEvent::MouseButtonRelease, 5, 3, Qt::ShiftModifier);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->selectedTexts().size(), 5u);
    EXPECT_EQ(grid->selectedTexts().back(), (std::vector<std::string>{"50", "51", "53"}));
}

TEST_F(GridCopy, ContextMenuCopiesAllWithHeadersAndExportsCsv) {
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            grid->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(grid->viewport(), &click);
    auto* menu = grid->findChild<QMenu*>("mnuGrid");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    Action(*grid, "mnuGridCopyAll")->trigger();
    EXPECT_EQ(Clipboard(),
              "H0\tH1\tH3\n10\t11\t13\n20\t21\t23\n30\t31\t33\n40\t41\t43\n50\t51\t53");

    const TempDir dir("export");
    AnswerSaveDialog(QString::fromStdString((dir / "table").string()));
    Action(*grid, "mnuGridExport")->trigger();
    // The hidden column left out, every row ended in CR LF.
    EXPECT_EQ(ReadBytes(dir / "table.csv"),
              "H0,H1,H3\r\n10,11,13\r\n20,21,23\r\n30,31,33\r\n40,41,43\r\n50,51,53\r\n");
    EXPECT_TRUE(services->messages.empty());

    // A file that cannot be written is said so, and nothing is left behind.
    const std::filesystem::path notADirectory = dir / "table.csv";
    AnswerSaveDialog(QString::fromStdString((notADirectory / "x.csv").string()));
    Action(*grid, "mnuGridExport")->trigger();
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_EQ(services->messages[0].icon, MessageIcon::Critical);
    EXPECT_NE(services->messages[0].detail.find("x.csv"), std::string::npos);

    AnswerSaveDialog(QString());
    Action(*grid, "mnuGridExport")->trigger();
    EXPECT_EQ(services->messages.size(), 1u);
}

TEST_F(GridCopy, EnterActsAsADoubleClick) {
    grid->setCurrentCell(-1, -1);
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_TRUE(doubleClicked.empty());  // no current row
    grid->setRow(3);
    grid->setCol(1);
    QTest::keyClick(grid, Qt::Key_Return);
    grid->setRow(4);
    QTest::keyClick(grid, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(doubleClicked, (std::vector<int>{3, 4}));
}

TEST_F(GridCopy, ListsCopyTheirLinesAndExportThem) {
    NamedControls controls;
    QListWidget* list = ControlBuilder(controls).List(&window, "lstTest");
    list->addItems({"Abco D (Spain)", "José P", "Müller, K"});
    list->show();
    list->setCurrentRow(1);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "José P");

    Action(*list, "mnuListCopyAll")->trigger();
    EXPECT_EQ(Clipboard(), "Abco D (Spain)\nJosé P\nMüller, K");

    const TempDir dir("export");
    AnswerSaveDialog(QString::fromStdString((dir / "players.csv").string()));
    Action(*list, "mnuListExport")->trigger();
    EXPECT_EQ(ReadBytes(dir / "players.csv"), "Abco D (Spain)\r\nJosé P\r\n\"Müller, K\"\r\n");
    emit list->customContextMenuRequested(QPoint(3, 3));
    ASSERT_NE(list->findChild<QMenu*>("mnuList"), nullptr);
    list->findChild<QMenu*>("mnuList")->hide();
}

}  // namespace
