// The main window: its frames brought forward, its layout, place and size on the screen, the help
// panel, the lists it fills from the database, what one frame asks for reaching the window, the
// status line at any scale factor, publishing the web site from it and printing what it shows.

#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProgressDialog>
#include <QScreen>
#include <QScrollBar>
#include <QVariantAnimation>
#include <filesystem>

#include "db/Database.h"
#include "players/ui/frmPositions.h"
#include "rankings/ui/RankingsFrame.h"
#include "shell/Navigation.h"
#include "shell/SitePublishing.h"
#include "shell/StatusLine.h"
#include "support/FileBytes.h"
#include "support/MainWindowFixtures.h"
#include "support/PrintedText.h"
#include "widgets/Button.h"
#include "widgets/Frame.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/SizeLimit.h"
#include "widgets/TextsToWidgets.h"
#include "widgets/WindowSize.h"

namespace {

// Loaded, not shown: the tests show it when they need to.
class MainWindow : public LoadedMainWindow {
  protected:
    MainWindow()
        : LoadedMainWindow("mainwin", [](const std::string& path) { WriteSampleDb(path); }) {}

    int Top(int frame) const { return PixelsToTwips(window.ui.fraFrame[frame]->y()); }
    QString Help() const { return window.ui.lblInfo[0]->text(); }
};

TEST_F(MainWindow, FramesSlideInQuicklyAndAClickDuringASlideGoesOnAtOnce) {
    gOptFrameAnimation = 1;
    window.show();
    // The tallest window: the longest way.
    window.resize(kMainMaxWidth, kMainMaxHeight);
    QTest::mouseClick(window.ui.chbBar[5], Qt::LeftButton);
    // The click does not wait for the slide: the frame comes up from below, over in a fixed
    // short time (a wall clock would make the test depend on the machine's load).
    EXPECT_GT(Top(5), kFrameTop);
    int slides = 0;
    for (const auto* animation : window.findChildren<QVariantAnimation*>()) {
        if (animation->state() != QAbstractAnimation::Running) continue;
        ++slides;
        EXPECT_LE(animation->totalDuration(), 200);
    }
    EXPECT_EQ(slides, 1);
    QTRY_COMPARE_WITH_TIMEOUT(Top(5), kFrameTop, 5000);

    QTest::mouseClick(window.ui.chbBar[2], Qt::LeftButton);
    QTest::mouseClick(window.ui.chbBar[3], Qt::LeftButton);
    // The interrupted slide is over at once; the new one runs over its frame.
    EXPECT_EQ(Top(2), kFrameTop);
    EXPECT_GT(Top(3), kFrameTop);
    QTRY_COMPARE_WITH_TIMEOUT(Top(3), kFrameTop, 5000);
    EXPECT_EQ(window.mCurrentFrame, 3);
    // Only the frame in front is in sight.
    for (int frame = 0; frame < 8; ++frame) {
        EXPECT_EQ(window.ui.fraFrame[frame]->isHidden(), frame != 3) << frame;
    }
    // The button of the frame in front does nothing, not even a layout.
    window.ui.fraFrame[3]->move(5, 5);
    window.ui.chbBar[3]->click();
    EXPECT_EQ(window.ui.fraFrame[3]->pos(), QPoint(5, 5));
}

// As start-up shows it: the whole window, frame included, on the screen, however much of it the
// window asked for, and laid out for its outer size as a frame switch would lay it out.
TEST_F(MainWindow, TheShownWindowFitsTheScreenFrameAndAllAndIsLaidOutForIt) {
    window.resize(window.screen()->availableSize());
    window.show();
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()));
    const QRect grid = C("grdRankings").geometry();
    window.BarClick(1);
    window.BarClick(0);
    EXPECT_EQ(C("grdRankings").geometry(), grid);
    // On a window this large the cells still reach the vertical bar: the last shown column takes
    // the room the others leave.
    QApplication::processEvents();
    const auto& rankings = C<GridControl>("grdRankings");
    EXPECT_EQ(rankings.columnViewportPosition(3) + rankings.columnWidth(3),
              rankings.viewport()->width());
    EXPECT_EQ(rankings.horizontalScrollBar()->maximum(), 0);
}

TEST_F(MainWindow, LayoutFollowsTheWindowSize) {
    window.show();
    window.resize(1000, 700);
    // The rules work on the outer size, window frame included and menu bar left out.
    const int menu = window.MenuHeight();
    const QSize outer = window.frameGeometry().size() - QSize(0, menu);
    const QRect frame = window.ui.fraFrame[0]->geometry();
    EXPECT_EQ(frame, QRect(4, 52, outer.width() - 14, outer.height() - 100));
    EXPECT_GT(C<GridControl>("grdRankings").colWidthTwips(1), 0);
    EXPECT_EQ(window.ui.Picture1->width(), 1000);
    EXPECT_EQ(window.ui.picStatus->geometry(), QRect(0, 683 - menu, 1000, 17));

    EXPECT_FALSE(window.ui.picResize->isHidden());
    window.showMaximized();
    EXPECT_TRUE(window.ui.picResize->isHidden());
    window.showNormal();
    EXPECT_FALSE(window.ui.picResize->isHidden());

    window.mInitialised = 0;
    window.resize(900, 650);
    EXPECT_EQ(window.ui.fraFrame[0]->geometry(), frame);
}

// The layout gets the phase chooser's text measured in the window's font, so in the smallest
// window the label is exactly as high as its wrapped text (the buttons below it are placed from
// that height: TournamentsLayoutTest).
TEST_F(MainWindow, PhaseChooserFitsTheSmallestWindow) {
    window.resize(kMainMinWidth, kMainMinHeight);
    window.BarClick(2);
    const auto& text = C<QLabel>("lblDadidurez");
    EXPECT_EQ(text.height(), text.heightForWidth(text.width()));
}

// The texts follow the options; a click closes the panel, and so does bringing another frame
// forward.
TEST_F(MainWindow, HelpTextsFollowTheOptionsAndGoWithTheirFrame) {
    window.ui.chbPlayerHelp[3]->click();
    EXPECT_FALSE(window.ui.picInfo->isHidden());
    EXPECT_TRUE(Help().endsWith("individual record calculation is 20"));
    SendMouse(window.ui.lblInfo[1], QEvent::MouseButtonPress, QPoint(2, 2));
    EXPECT_TRUE(window.ui.picInfo->isHidden());

    gOptRankingLimit = 0;
    window.HelpClick(4);
    EXPECT_TRUE(Help().startsWith("All VPA players are included in the rankings table."));
    window.HelpClick(1);
    EXPECT_TRUE(Help().endsWith("Use the filter to limit the tournaments displayed"));

    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_2));
    EXPECT_TRUE(window.ui.picInfo->isHidden());
    // The Options frame has no help button, but F1 has its help all the same.
    QTest::keySequence(&window, QKeySequence(Qt::CTRL | Qt::Key_7));
    QTest::keySequence(&window, QKeySequence(Qt::Key_F1));
    EXPECT_FALSE(window.ui.picInfo->isHidden());
    EXPECT_TRUE(Help().startsWith("Choose the options")) << Help().toStdString();

    // A frame's note goes with its frame; the window's own stay.
    emit C<Frame>("fraFrame_6").statusText(QStringLiteral("a note of the Options"));
    window.BarClick(5);
    EXPECT_EQ(window.ui.picStatus->message(), "");
    // The menu bar sits above the client area, which the layout works in.
    EXPECT_EQ(C("picClient").y(), window.findChild<QMenuBar*>("mnuMain")->height());
}

// A small DUZEDO, with and without host countries, whose rankings table has no player column.
class ListsWindow : public LoadedMainWindow, public testing::WithParamInterface<bool> {
  protected:
    ListsWindow()
        : LoadedMainWindow("lists",
                           [](const std::string& path) { WriteListsDuzedo(path, GetParam()); }) {}
};

TEST_P(ListsWindow, ListsComeFromTheDatabaseAndTheCountryFilterNeedsItsColumn) {
    EXPECT_EQ(Items(C<QListWidget>("lstPlayers")),
              (Texts{"Abel ()", "Tomas (Spain)", "Zora (Spain)"}));
    // The failed query of the filter leaves the shared recordset free for the next one.
    EXPECT_FALSE(gRs->isOpen());
    EXPECT_EQ(Items(C<QListWidget>("lstTournaments")),
              (Texts{"Spring League", "Worldwide Open", "Autumn Cup"}));
    auto& filter = C<QComboBox>("cmbTournamentFilter");
    Texts countries;
    for (int i = 0; i < filter.count(); ++i) countries.push_back(ToUtf8(filter.itemText(i)));
    EXPECT_EQ(countries, (GetParam() ? Texts{"<all>", "Ísland", "Ostland", "Velmoor"}
                                     : Texts{"<not supported>"}));
    EXPECT_EQ(filter.isEnabled(), GetParam());
    window.HelpClick(1);
    EXPECT_EQ(window.ui.lblInfo[0]->text().endsWith("the results. "), !GetParam());
    // Unreadable rankings leave the header and say so.
    EXPECT_EQ(C<GridControl>("grdRankings").rows(), 1);
    EXPECT_FALSE(Ctl<QLabel>(*window.ui.fraFrame[0], "lblNote")->isHidden());
    EXPECT_EQ(FrameOf<RankingsFrame>(window).Note(), "The rankings table cannot be read");
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutHostCountries, ListsWindow, testing::Bool());

TEST_F(MainWindow, WaitBoxAnswersAnyFrameAndDatabaseTextIsNeverReadAsMarkup) {
    emit C<Frame>("fraFrame_7").waitProgress(QStringLiteral("Vodad R vs O'Neil S"));
    EXPECT_EQ(window.ui.txtWait->text(), "Vodad R vs O'Neil S");
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
    // No text, no tip: an empty one would show as an empty box.
    EXPECT_EQ(PlainToolTip(QString()), QString());
}

TEST(PlaceOnScreen, KeepsEveryWindowInsideTheAvailableArea) {
    // 800 x 600 at a scale factor of 2 on 1280 x 1024 leaves 640 x 512 logical pixels.
    const QRect area(0, 0, 640, 482);
    EXPECT_EQ(PlaceOnScreen({800, 600}, {600, 460}, area), QRect(0, 0, 640, 482));
    EXPECT_EQ(PlaceOnScreen({917, 400}, {0, 0}, QRect(10, 20, 640, 480)), QRect(10, 60, 640, 400));
    // A screen smaller than the minimum gets all of it, no more.
    EXPECT_EQ(PlaceOnScreen({800, 600}, {600, 460}, QRect(0, 0, 500, 400)), QRect(0, 0, 500, 400));
    // 1600 x 1000 at a scale factor of 2: the title bar and borders fit too.
    EXPECT_EQ(PlaceOnScreen({800, 600}, {600, 460}, QRect(0, 0, 800, 500), QMargins(1, 24, 1, 1)),
              QRect(1, 24, 798, 475));
}

TEST(OuterSize, AWindowFillingTheScreenIsNoLargerThanTheAreaItFills) {
    const QRect screen(0, 0, 1280, 1024);
    // Maximised, with the margins of the normal window still reported.
    WindowOutline outline{.frame = QRect(-1, -6, 1282, 1030),
                          .maximised = true,
                          .screen = screen,
                          .available = screen};
    EXPECT_EQ(OuterSize(outline), QSize(1280, 1024));
    // A panel takes part of the screen; a maximised window keeps out of it.
    outline.frame = screen;
    outline.available = QRect(0, 0, 1280, 994);
    EXPECT_EQ(OuterSize(outline), QSize(1280, 994));
    // A normal window is its frame, margins and all.
    outline.frame = QRect(100, 80, 812, 631);
    outline.maximised = false;
    EXPECT_EQ(OuterSize(outline), QSize(812, 631));
    EXPECT_EQ(StatusLineTexts(812, 631)[1].text, "812 x 631 pixels");
}

// Runs at scale factor 1 with the other tests and again at 2 (see tests/CMakeLists.txt).
class StatusLineAtScale : public SampleMainWindow {
  protected:
    // Whether any pixel of the status line's image between x0 and x1 (logical pixels, the text
    // rows only) differs from the background.
    bool Inked(const QImage& image, int x0, int x1) const {
        const qreal ratio = image.devicePixelRatio();
        const QRgb background = image.pixel(image.width() / 2, 1);
        for (int x = static_cast<int>(x0 * ratio); x < static_cast<int>(x1 * ratio); ++x) {
            for (int y = static_cast<int>(2 * ratio); y < image.height() - 1; ++y) {
                if (image.pixel(x, y) != background) return true;
            }
        }
        return false;
    }
};

TEST_F(StatusLineAtScale, TheLargestSizeReadoutStaysClearOfItsSeparator) {
    for (const QSize size : {QSize(1600, 1200), QSize(1280, 1024), QSize(800, 600)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        window.resize(size);
        window.ui.picStatus->setMessage(QString());
        const QImage image = window.ui.picStatus->grab().toImage();
        const int separator = TwipsToPixels(3300);
        // Written, from its place at 2000 twips.
        EXPECT_TRUE(Inked(image, TwipsToPixels(2000), TwipsToPixels(2000) + 20));
        // Nothing in the 4 pixels before the separator's line (a pixel wide at scale 1, two
        // device pixels about its place at scale 2): the text ends well before it.
        EXPECT_FALSE(Inked(image, separator - 5, separator - 1));
        // The times-run text after the separator is there too.
        EXPECT_TRUE(Inked(image, TwipsToPixels(3500), TwipsToPixels(3500) + 20));
    }
}

// Publishing the web site: the folder asked for, the pages written behind a progress dialog that
// can stop them, and a folder of the user's own files never replaced.

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
    // Publishes by the keyboard, the window active again after the last run; the message at the
    // end is closed, as the user would.
    void PressShortcut(bool closeMessage = true) {
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        for (QMessageBox* box : window.findChildren<QMessageBox*>()) {
            if (closeMessage) box->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString Status() const { return window.ui.picStatus->message(); }

    TempDir dir{"publish"};
    fs::path chosen = dir / "site";
};

// Cancel leaves the folder as it was; the shortcut writes the site and offers the browser, as the
// navigation bar's menu does; a folder of the user's own gets the site in a new folder inside
// it, and each later run there replaces only that site.
TEST_F(Publish, WritesCancelsAndNeverReplacesAFolderOfTheUsersOwn) {
    fs::create_directories(chosen);
    QTimer::singleShot(0, &window, [this] {
        if (auto* progress = window.findChild<QProgressDialog*>("dlgPublishing"))
            progress->cancel();
    });
    PressShortcut();
    EXPECT_TRUE(fs::is_empty(chosen));
    EXPECT_TRUE(Status().startsWith("Publishing stopped")) << Status().toStdString();
    EXPECT_EQ(window.findChild<QMessageBox*>("msgPublished"), nullptr);

    chosen = dir / "written";
    PressShortcut(false);
    EXPECT_TRUE(fs::exists(chosen / "index.html"));
    EXPECT_TRUE(Status().startsWith("Web site written to")) << Status().toStdString();
    auto* done = Ctl<QMessageBox>(window, "msgPublished");
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(done->textFormat(), Qt::PlainText);
    EXPECT_EQ(done->defaultButton()->text(), "Open in browser");
    // Without a browser, the start page's address is given to copy.
    window.findChild<SitePublishing*>("sitePublishing")->SetUrlOpener([](const QUrl&) {
        return false;
    });
    done->defaultButton()->click();
    auto* noBrowser = Ctl<QMessageBox>(window, "msgNoBrowser");
    ASSERT_NE(noBrowser, nullptr);
    EXPECT_TRUE(noBrowser->text().contains(
        QUrl::fromLocalFile(ToQString((chosen / "index.html").string())).toString()));
    noBrowser->close();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(4, 4), QPoint(4, 4));
    QApplication::sendEvent(window.ui.chbBar[2], &menuKey);
    auto* menu = Ctl<QMenu>(window, "mnuBar");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->actions().value(0)->text(), "Publish as web site…");
    menu->hide();

    chosen = dir / "mine";
    fs::create_directories(chosen / "vpa-site");
    WriteBytes(chosen / "vpa-site" / "notes.txt", "mine");
    EXPECT_EQ(PublishingFolder(chosen), chosen / "vpa-site-2");
    PressShortcut();
    PressShortcut();
    EXPECT_TRUE(fs::exists(chosen / "vpa-site" / "notes.txt"));
    EXPECT_TRUE(fs::exists(chosen / "vpa-site-2" / "index.html"));
    EXPECT_FALSE(fs::exists(chosen / "vpa-site-3"));

    // The folder dialog makes a folder typed into it that is not there yet.
    const fs::path fresh = dir / "new" / "site";
    QTimer::singleShot(0, &window, [&] {
        auto* edit = window.findChild<QLineEdit*>("fileNameEdit");
        edit->setText(ToQString(fresh.string()));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    // The dialog answers in Qt's form of a name, with '/' on Windows too.
    EXPECT_EQ(AskPublishingFolder(window, ToQString(dir.path().string())),
              QDir::fromNativeSeparators(ToQString(fresh.string())));
    EXPECT_TRUE(fs::is_directory(fresh));
}

// Ctrl+P previews the frame in front, World Rankings, on as many pages as its rows need; Export as
// PDF writes the same pages, every row whole in their text and the header row on each.
// On a sample large enough for the rankings to run onto several pages.
class Printing : public LoadedMainWindow {
  protected:
    Printing()
        : LoadedMainWindow(
              "print",
              [](const std::string& path) { WriteSampleDb(path, {.seed = 1, .scale = 3}); }, 0) {}
    void SetUp() override {
        LoadedMainWindow::SetUp();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    TempDir dir{"print"};
};

TEST_F(Printing, CtrlPPreviewsTheFrameInFrontAndExportWritesItsPagesAsPdf) {
    int previewed = 0;
    QTimer::singleShot(0, &window, [&previewed] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->objectName(), "dlgPrintPreview");
        previewed = preview->findChild<QPrintPreviewWidget*>()->pageCount();
        preview->reject();
    });
    QTest::keyClick(&window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_GT(previewed, 1);

    const fs::path pdf = dir / "rankings.pdf";
    AnswerSaveDialog(QString::fromStdString((dir / "rankings").string()));
    window.findChild<QAction*>("mnuExportPdf")->trigger();
    EXPECT_TRUE(ReadBytes(pdf).starts_with("%PDF-"));
    const std::optional<std::string> text = PdfText(pdf);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_EQ(ExpectPrintedRows(*text, C<GridControl>("grdRankings").allTexts()), previewed);
}

// A window opened over the main window takes Ctrl+P, and its own pages are printed, not the
// frame's.
TEST_F(Printing, AWindowOpenOverTheMainWindowPrintsItsOwnPages) {
    frmPositions positions(&window);
    positions.Init(C<GridControl>("grdRankings").textMatrix(1, 1));
    positions.open();
    positions.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&positions));
    QApplication::processEvents();  // the widgets learn of it from the event queue
    QWidget* previewOwner = nullptr;
    QTimer::singleShot(0, &window, [&previewOwner] {
        QWidget* preview = QApplication::activeModalWidget();
        previewOwner = preview->parentWidget();
        preview->close();
    });
    QTest::keyClick(&positions, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previewOwner, &positions);

    const fs::path pdf = dir / "positions.pdf";
    AnswerSaveDialog(QString::fromStdString(pdf.string()));
    window.findChild<QAction*>("mnuExportPdf")->trigger();
    const std::optional<std::string> text = PdfText(pdf);
    if (!text) GTEST_SKIP() << "pdftotext is not installed";
    EXPECT_TRUE(text->starts_with(ToUtf8(positions.windowTitle()))) << *text;
    ExpectPrintedRows(*text, Ctl<GridControl>(positions, "grdPos")->allTexts());
}

}  // namespace
