// Publishing the web site from the window: the folder asked for, the pages written behind a
// progress dialog that can stop them, and a folder of the user's own files never replaced.

#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <filesystem>

#include "shell/SitePublishing.h"
#include "shell/StatusLine.h"
#include "support/FileBytes.h"
#include "support/MainWindowFixtures.h"
#include "support/TempDir.h"
#include "widgets/Button.h"

namespace {

namespace fs = std::filesystem;

class Publish : public ActiveSampleMainWindow {
  protected:
    void SetUp() override {
        ActiveSampleMainWindow::SetUp();
        if (HasFatalFailure()) return;
        auto* publishing = window.findChild<SitePublishing*>("sitePublishing");
        ASSERT_NE(publishing, nullptr);
        publishing->SetFolderQuestion(
            [this](QWidget&, const QString&) { return QString::fromStdString(chosen.string()); });
    }
    // Publishes by the keyboard; the message at the end is closed, as the user would.
    void PressShortcut() {
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        for (QMessageBox* box : window.findChildren<QMessageBox*>()) box->close();
    }
    QString Status() const { return window.ui.picStatus->message(); }

    TempDir dir{"publish"};
    fs::path chosen = dir / "site";
};

TEST_F(Publish, TheShortcutWritesTheSiteAndOffersTheBrowser) {
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(fs::exists(chosen / "index.html"));
    EXPECT_TRUE(Status().startsWith("Web site written to")) << Status().toStdString();
    auto* done = Ctl<QMessageBox>(window, "msgPublished");
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->textFormat(), Qt::PlainText);
    EXPECT_EQ(done->defaultButton()->text(), "Open in browser");
    done->close();

    // The navigation bar's menu, as the menu key opens it, offers the same.
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(4, 4), QPoint(4, 4));
    QApplication::sendEvent(window.ui.chbBar[2], &menuKey);
    auto* menu = Ctl<QMenu>(window, "mnuBar");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->actions().value(0)->text(), "Publish as web site…");
    menu->hide();
}

TEST_F(Publish, CancelLeavesTheFolderAsItWas) {
    fs::create_directories(chosen);
    QTimer::singleShot(0, &window, [this] {
        if (auto* progress = window.findChild<QProgressDialog*>("dlgPublishing"))
            progress->cancel();
    });
    PressShortcut();
    EXPECT_TRUE(fs::is_empty(chosen));
    EXPECT_TRUE(Status().startsWith("Publishing stopped")) << Status().toStdString();
    EXPECT_EQ(window.findChild<QMessageBox*>("msgPublished"), nullptr);
}

// A folder of the user's own gets the site in a new folder inside it; each later run there
// replaces only that site.
TEST_F(Publish, AFolderOfTheUsersOwnIsNeverReplaced) {
    chosen = dir.path();
    fs::create_directories(chosen / "vpa-site");
    WriteBytes(chosen / "vpa-site" / "notes.txt", "mine");
    EXPECT_EQ(PublishingFolder(chosen), chosen / "vpa-site-2");
    PressShortcut();
    PressShortcut();
    EXPECT_TRUE(fs::exists(chosen / "vpa-site" / "notes.txt"));
    EXPECT_TRUE(fs::exists(chosen / "vpa-site-2" / "index.html"));
    EXPECT_FALSE(fs::exists(chosen / "vpa-site-3"));
}

}  // namespace
