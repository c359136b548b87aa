// The main window's File menu at work: another DUZEDO opened in the place of the open one as
// start-up would open it, the open one read again when it changes on disk, and the window's place
// and frame kept for the next run.

#include <QAction>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <filesystem>
#include <fstream>

#include "app/ProgramWindow.h"
#include "app/Startup.h"
#include "shell/StatusLine.h"
#include "shell/WindowMemory.h"
#include "support/FileBytes.h"
#include "support/ListsDuzedo.h"
#include "support/MainWindowFixtures.h"
#include "support/ProgramDirFixture.h"
#include "support/SqliteEdit.h"
#include "support/TestDuzedo.h"

namespace {

namespace fs = std::filesystem;

class ProgramWindowTest : public ProgramDirFixture {
  protected:
    ProgramWindowTest() : ProgramDirFixture("program-window") {}
    void SetUp() override {
        ProgramDirFixture::SetUp();
        WriteTestDuzedo(DefaultDbPath());
        Start();
    }
    void TearDown() override {
        program.reset();
        ProgramDirFixture::TearDown();
    }
    void Start() {
        program = std::make_unique<ProgramWindow>(RunStartup());
        gOptFrameAnimation = 0;
    }
    frmMain& Window() const { return program->window(); }
    void Trigger(const char* action) const { Window().findChild<QAction*>(action)->trigger(); }
    Texts Players() const { return Items(*Ctl<QListWidget>(Window(), "lstPlayers")); }
    std::string SettingsPath() const {
        const std::string text = ReadBytes(SettingsFilePath());
        return text.substr(0, text.find('\r'));
    }

    std::unique_ptr<ProgramWindow> program;
};

// A file that is no DUZEDO leaves the open one in place and says why; another DUZEDO, chosen in
// the dialog, recent in the menu or dropped on the window, takes its place as start-up would
// take it: the settings name it and the misc cache of the last one is gone.
TEST_F(ProgramWindowTest, AnotherDuzedoOpensAsAtStartAndABadFileLeavesTheOpenOne) {
    const frmMain* first = &Window();
    const Texts players = Players();
    services->locateAnswer = (dir() / "notes.txt").string();
    WriteBytes(services->locateAnswer, "not a database");
    Trigger("mnuOpen");
    ASSERT_EQ(services->messages.size(), 1U);
    EXPECT_NE(services->messages[0].detail, "");
    EXPECT_EQ(&Window(), first);
    EXPECT_EQ(Players(), players);
    EXPECT_EQ(ConnectedDbPath(), DefaultDbPath());

    std::ofstream(MiscCacheFilePath()) << "figures\n";
    const std::string second = (dir() / "second.sqlite").string();
    WriteListsDuzedo(second, true);
    services->locateAnswer = second;
    Trigger("mnuOpen");
    EXPECT_EQ(Players(), (Texts{"Abel ()", "Tomas (Spain)", "Zora (Spain)"}));
    EXPECT_EQ(ConnectedDbPath(), second);
    EXPECT_EQ(SettingsPath(), second);
    EXPECT_FALSE(fs::exists(MiscCacheFilePath()));
    EXPECT_TRUE(Window().isVisible());

    // A file dropped on the window opens too; the files opened are the recent ones.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(DefaultDbPath()))});
    QDragEnterEvent enter(QPoint(20, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Window(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QSignalSpy asked(&Window(), &frmMain::openRequested);
    QApplication::sendEvent(&Window(), &drop);
    EXPECT_EQ(asked.count(), 1);
    EXPECT_EQ(ConnectedDbPath(), DefaultDbPath());
    Window().close();
    EXPECT_EQ(ReadWindowMemory(WindowMemoryPath()).recentFiles,
              (std::vector<std::string>{DefaultDbPath(), second}));
}

// A change on disk is told in the status line; F5 reads the file again into a new window with
// the frame in front and the player shown, and the stale misc cache goes.
TEST_F(ProgramWindowTest, AChangeOnDiskIsToldAndF5KeepsTheFrameAndThePlayer) {
    Window().ShowPlayer("Bodo");
    Exec(OpenForWriting(DefaultDbPath()).get(), "UPDATE scores SET A = 7 WHERE id = 1");
    fs::last_write_time(DefaultDbPath(),
                        fs::last_write_time(DefaultDbPath()) + std::chrono::hours(1));
    QTRY_VERIFY(Window().ui.picStatus->message().contains("F5"));
    std::ofstream(MiscCacheFilePath()) << "figures\n";

    const frmMain* before = &Window();
    Trigger("mnuReload");
    EXPECT_NE(&Window(), before);
    EXPECT_EQ(Window().mCurrentFrame, 1);
    EXPECT_TRUE(Ctl<QLabel>(Window(), "Label2_1")->text().startsWith("Bodo"));
    EXPECT_FALSE(fs::exists(MiscCacheFilePath()));
    EXPECT_TRUE(services->messages.empty());
}

// The window's size, place and frame come back in the next run, unless the screen can no longer
// hold the window.
TEST_F(ProgramWindowTest, PlaceSizeAndFrameComeBackInTheNextRun) {
    Window().setGeometry(40, 50, 700, 560);
    Window().BringForward(3);
    Window().close();
    program.reset();
    DisconnectDb();
    Start();
    EXPECT_EQ(Window().geometry(), QRect(40, 50, 700, 560));
    EXPECT_EQ(Window().mCurrentFrame, 3);

    WindowMemory memory = ReadWindowMemory(WindowMemoryPath());
    memory.geometry = QRect(-5000, 50, 700, 560);
    WriteWindowMemory(WindowMemoryPath(), memory);
    program.reset();
    DisconnectDb();
    Start();
    EXPECT_NE(Window().geometry().topLeft(), QPoint(-5000, 50));
}

}  // namespace
