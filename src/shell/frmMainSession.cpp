// What the main window keeps across a reload and between runs, the open DUZEDO watched on disk,
// and files dropped on the window.

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileSystemWatcher>
#include <QFrame>
#include <QGuiApplication>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

#include "core/AppServices.h"
#include "core/QtText.h"
#include "db/Database.h"
#include "shell/FrameTable.h"
#include "shell/StatusLine.h"
#include "shell/WindowMemory.h"
#include "shell/frmMain.h"
#include "widgets/Frame.h"

namespace {

std::vector<QRect> AvailableAreas() {
    std::vector<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        areas.push_back(screen->availableGeometry());
    }
    return areas;
}

// The one local file a drag carries, or an empty text.
QString DroppedFile(const QMimeData& data) {
    const QList<QUrl> urls = data.urls();
    return urls.size() == 1 && urls.front().isLocalFile() ? urls.front().toLocalFile() : QString();
}

}  // namespace

frmMain::Choice frmMain::CurrentChoice() const {
    Choice choice{.frame = mCurrentFrame, .chosen = {}};
    for (const Frame* frame : mFrames) choice.chosen.push_back(frame->Chosen());
    return choice;
}

void frmMain::Restore(const Choice& choice) {
    for (std::size_t i = 0; i < choice.chosen.size() && i < mFrames.size(); ++i) {
        if (!choice.chosen[i].empty()) mFrames[i]->Choose(choice.chosen[i]);
    }
    BarClick(std::clamp(choice.frame, 0, FrameCount() - 1));
}

void frmMain::TakeRememberedPlace() {
    const WindowMemory memory = ReadWindowMemory(WindowMemoryPath());
    mCurrentFrame = static_cast<std::int16_t>(std::clamp(memory.frame, 0, FrameCount() - 1));
    // A screen that has changed since keeps the window where the program would put it anyway.
    if (!StillFits(memory.geometry, AvailableAreas())) return;
    setGeometry(memory.geometry);
    if (memory.maximised) setWindowState(windowState() | Qt::WindowMaximized);
}

void frmMain::Remember() const {
    const std::string path = WindowMemoryPath();
    WindowMemory memory = ReadWindowMemory(path);
    memory.geometry = isMaximized() ? normalGeometry() : geometry();
    memory.maximised = isMaximized();
    memory.frame = mCurrentFrame;
    const std::string open = ConnectedDbPath();
    if (!open.empty()) memory.recentFiles = WithRecentFile(memory.recentFiles, open);
    WriteWindowMemory(path, memory);
}

void frmMain::WatchDuzedo() {
    const QString path = ToQString(ConnectedDbPath());
    if (path.isEmpty()) return;
    mWatcher = new QFileSystemWatcher(this);
    mWatcher->addPath(path);
    connect(mWatcher, &QFileSystemWatcher::fileChanged, this, [this, path] {
        // A file saved by replacing it is watched no more: watch the new one.
        if (!mWatcher->files().contains(path)) mWatcher->addPath(path);
        mStatusOwner = -1;
        ui.picStatus->setMessage(
            QStringLiteral("The DUZEDO has changed on disk: press F5 to read it again"));
    });
}

bool frmMain::Busy() const {
    return !ui.fraWait->isHidden();
}

void frmMain::AskForDuzedo() {
    const std::string path = Services().locateDb();
    if (!path.empty()) emit openRequested(ToQString(path));
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(*event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void frmMain::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(*event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    emit openRequested(path);
}
