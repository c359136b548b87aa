// The Tournaments and World Cups frames of the main window, their layout, and the diagrams they
// open in the picture viewer.

#include <QFrame>
#include <QImage>
#include <QScrollBar>
#include <filesystem>

#include "core/Twips.h"
#include "shell/StatusLine.h"
#include "support/DuzedoTool.h"
#include "support/MainWindowFixtures.h"
#include "support/SqliteEdit.h"
#include "tournaments/DiagramImage.h"
#include "tournaments/Diagrams.h"
#include "tournaments/Tournament.h"
#include "tournaments/TournamentLists.h"
#include "tournaments/TournamentsDuzedo.h"
#include "tournaments/WorldCup.h"
#include "tournaments/ui/frmShowPic.h"
#include "widgets/Button.h"

namespace {

namespace fs = std::filesystem;

// A white picture of that size.
void WritePicture(const fs::path& path, int width, int height) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    ASSERT_TRUE(picture.save(QString::fromStdString(path.string())));
}

// What the frame shows: a World Cup's phase, or a tournament's games of one player or all, with
// the panel of its table shown or not, or under the list of a country's tournaments.
ViewTexts TournamentsShown(const QJsonValue& shows) {
    if (shows["worldCup"].isDouble()) {
        const QJsonValue phase = shows["phase"];
        return WorldCupView(shows["worldCup"].toInt(),
                            phase.isString() ? kAllGamesPhase : phase.toInt());
    }
    ViewTexts view = TournamentView(JsonText(shows["tournament"]), JsonText(shows["player"]));
    if (shows["table"].isBool()) view.set("fraTournaments_0", Visibility{shows["table"].toBool()});
    if (!shows["country"].isString()) return view;
    ViewTexts list = TournamentListView(JsonText(shows["country"]));
    list.set("lblTournamentDate", view.text("lblTournamentDate"));
    list.set("grdTournamentGames", view.grid("grdTournamentGames"));
    return list;
}

// Each kind of tournament shows its own parts and hides the last one's; the filters narrow the
// list and the games, and a games filter changed with no tournament selected leaves them be.
class TournamentsWays : public LoadedMainWindow, public testing::WithParamInterface<FrameCase> {
  protected:
    TournamentsWays() : LoadedMainWindow("tournaments", WriteTournamentsDuzedo, 2) {}
};

TEST_P(TournamentsWays, ShowWhatTheViewGives) {
    Walk(window, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Frame, TournamentsWays,
                         testing::ValuesIn(WaysOf("tournaments", TournamentsShown)), CaseName);

class TournamentsWindow : public LoadedMainWindow {
  protected:
    explicit TournamentsWindow(void (*write)(const std::string&) = WriteTournamentsDuzedo)
        : LoadedMainWindow("tournaments", write, 2) {}

    bool Shown(const char* name) const { return C(name).isVisibleTo(window.ui.fraFrame[2]); }
};

TEST_F(TournamentsWindow, WinnersBoxOpensCentredAndCloses) {
    window.resize(900, 700);
    auto& box = C<QFrame>("fraTournamentWinners");
    auto& show = C<Button>("chbShowTournamentWinners");
    show.click();
    show.click();
    ExpectShows(window, WinnersView());
    EXPECT_TRUE(Shown("fraTournamentWinners"));
    const QSize room = window.ui.fraFrame[2]->size() - box.size();
    EXPECT_EQ(box.pos(), QPoint(room.width() / 2, room.height() / 2));

    // The close button, a click on the tournament already selected, another frame and Esc (the
    // focus on the button that opened it or in the box) each close it.
    auto& list = C<QListWidget>("lstTournaments");
    const std::vector<std::function<void()>> closers = {
        [&] { C<Button>("chbClose").click(); }, [&] { ClickRow(list, list.currentRow()); },
        [&] { window.BarClick(3), window.BarClick(2); },
        [&] { QTest::keyClick(&show, Qt::Key_Escape); },
        [&] { QTest::keyClick(&C("grdTournamentWinners"), Qt::Key_Escape); }};
    for (std::size_t i = 0; i < closers.size(); ++i) {
        show.click();
        closers[i]();
        EXPECT_FALSE(Shown("fraTournamentWinners")) << i;
    }
}

// A picture that cannot be drawn is named, a missing tree drawn; each opens over the window.
TEST_F(TournamentsWindow, PhaseAndTreeButtonsOpenTheirPicturesOrSayWhichIsMissing) {
    Do(window, {"lstTournaments", "dadidurez vii"});
    fs::create_directory(appDir / "Gr7Cup.bmp");
    C<Button>("chbRounds_4").click();
    WritePicture(appDir / "Gr7Off.bmp", 40, 30);  // "League Playouts"
    std::vector<std::string> opened;
    const auto whenOpened = [&] {
        WhenModal(window, [&](QDialog& viewer) {
            opened.push_back(ToUtf8(viewer.windowTitle()));
            if (opened.size() == 1) {
                EXPECT_EQ(viewer.findChild<QLabel*>("Picture1")->size(), QSize(40, 30));
            }
        });
    };
    whenOpened();
    C<Button>("chbRounds_2").click();

    window.BarClick(3);
    C<QComboBox>("cmbWC_0").setCurrentIndex(1);
    const fs::path tree = appDir / "wc2ploff.bmp";
    fs::create_directory(tree);
    C<Button>("chbWC_0").click();
    EXPECT_TRUE(window.ui.picStatus->message().startsWith("The diagram cannot be drawn"));
    ASSERT_EQ(services->messages.size(), 2U);
    EXPECT_EQ(services->messages[0].text, "The picture file Gr7Cup.bmp was not found");
    EXPECT_EQ(services->messages[1].text,
              "The picture file " + tree.generic_string() + " was not found");
    fs::remove(tree);
    whenOpened();
    C<Button>("chbWC_0").click();
    EXPECT_EQ(opened, (std::vector<std::string>{"Dadidurez Cup", "World Cup 2: Playoff tree"}));
    EXPECT_TRUE(fs::exists(tree));
}

// A DUZEDO without host countries and without World Cup II's group tables.
void WriteOlderTournamentsDuzedo(const std::string& path) {
    WriteTournamentsDuzedo(path);
    const SqliteHandle db = OpenForWriting(path);
    Exec(db.get(), "alter table [tournament players] drop column country");
    Exec(db.get(), "drop table [World Cup II Tables]");
}

class OlderTournamentsWindow : public TournamentsWindow {
  protected:
    OlderTournamentsWindow() : TournamentsWindow(WriteOlderTournamentsDuzedo) {}
};

TEST_F(OlderTournamentsWindow, WhatCannotBeReadIsLeftOutAndTheRestShown) {
    Do(window, {"lstTournaments", "Velmoor Open"});
    EXPECT_EQ(C<QLabel>("lblTournamentDate").text(), "Velmoor Open - held on 18/05/2003");
    ExpectShows(window, TournamentView("Velmoor Open", ""));

    // World Cup II has no group tables: its games show under an empty table, and the status
    // line says why.
    window.BarClick(3);
    C<QComboBox>("cmbWC_0").setCurrentIndex(1);
    EXPECT_EQ(CellTexts(C<GridControl>("grdWC_0")), Grid{kTableHeader});
    EXPECT_EQ(CellTexts(C<GridControl>("grdWC_1")), WorldCupGames(1, 0));
    EXPECT_EQ(WorldCupGames(1, 0).size(), 2U);
    EXPECT_TRUE(window.ui.picStatus->message().contains("World Cup II Tables"));
}

// Started on another DUZEDO than the one the pictures beside the program were drawn from.
class SecondDuzedoWindow : public TournamentsWindow {
  protected:
    SecondDuzedoWindow()
        : TournamentsWindow([](const std::string& path) { WriteSampleDb(path, {.seed = 2}); }) {}
};

TEST_F(SecondDuzedoWindow, DiagramsAreDrawnAfreshFromTheOpenDuzedo) {
    if (!fs::exists(DuzedoToolPath())) GTEST_SKIP() << "duzedo is not built beside the tests";
    TempDir sample("first-sample");
    const std::string first = (sample / "duzedo.sqlite").string();
    WriteSampleDb(first);
    ASSERT_EQ(RunDuzedoTool({"pictures", first, "--out", appDir.path().string()}), 0);
    const QImage firstPicture(QString::fromStdString((appDir / "Gr7R1.bmp").string()));

    Do(window, {"lstTournaments", "Dadidurez VII"});
    QImage shown;
    WhenModal(window, [&](QDialog& viewer) {
        shown = viewer.findChild<QLabel*>("Picture1")
                    ->pixmap()
                    .toImage()
                    .convertToFormat(QImage::Format_RGB32);
    });
    C<Button>("chbRounds_0").click();
    // The open DUZEDO's own players, as a fresh drawing of its games shows them.
    EXPECT_EQ(shown, DiagramImage(DiagramOf(DiagramPlans()[0])));
    EXPECT_NE(shown, firstPicture.convertToFormat(QImage::Format_RGB32));
}

// The diagram viewer: scrolling a picture larger than the window, and none smaller.

class Viewer : public testing::Test {
  protected:
    // Shows a white picture of that size.
    void Open(int width, int height, const char* title) {
        WritePicture(dir / "picture.bmp", width, height);
        window.Init((dir / "picture.bmp").string(), title);
        window.show();
    }

    TempDir dir{"viewer"};
    frmShowPic window;
    QScrollBar& h = *Ctl<QScrollBar>(window, "HScroll1");
    QScrollBar& v = *Ctl<QScrollBar>(window, "VScroll1");
};

TEST_F(Viewer, LargePictureScrollsByKeysAndWheelAndEveryResizeGoesBackToTheTopLeft) {
    Open(3000, 2000, "Big");
    EXPECT_EQ(window.windowTitle(), "Big");
    // The text box holding the focus does not take the arrows for its cursor.
    QTest::keyClick(Ctl<QLineEdit>(window, "Text1"), Qt::Key_Right);
    QTest::keyClick(Ctl<QLineEdit>(window, "Text1"), Qt::Key_PageDown);
    EXPECT_EQ(h.value(), h.singleStep());
    EXPECT_EQ(v.value(), v.pageStep());
    // Wheel turns down scroll down as far as the bar goes; with Shift, to the right.
    for (int i = 0; i < 100; ++i) {
        Wheel(window, QPoint(100, 100), 1);
        Wheel(window, QPoint(100, 100), 1, Qt::ShiftModifier);
    }
    EXPECT_EQ(v.value(), v.maximum());
    EXPECT_EQ(h.value(), h.maximum());
    h.setValue(1500);
    v.setValue(750);
    auto* picture = Ctl<QLabel>(window, "Picture1");
    EXPECT_EQ(picture->pos(), QPoint(-100, -50));
    window.resize(500, 300);
    EXPECT_EQ(h.value() + v.value(), 0);
    EXPECT_EQ(picture->pos(), QPoint(0, 0));
    EXPECT_EQ(h.geometry().bottom(), 299);
}

TEST_F(Viewer, WholePictureShowsWithoutBarsAndCtrlZoomsItWithTheBarsFollowing) {
    // A wide, low tree: the window opens around it, without bars and without empty height.
    Open(600, 150, "Tree");
    EXPECT_EQ(h.maximum() + v.maximum(), 0);
    EXPECT_FALSE(h.isVisible() || v.isVisible());
    EXPECT_EQ(Ctl<QFrame>(window, "Frame1")->geometry(), window.rect());
    EXPECT_LT(window.height(), 150 * 3 / 2);
    auto* picture = Ctl<QLabel>(window, "Picture1");
    // The wheel with Ctrl zooms around the pointer: the picture's point under it stays there.
    Wheel(window, QPoint(100, 50), -1, Qt::ControlModifier);
    EXPECT_EQ(picture->size(), QSize(750, 188));
    EXPECT_TRUE(h.isVisible() && v.isVisible());
    const QPoint under = picture->mapFrom(&window, QPoint(100, 50));
    EXPECT_NEAR(under.x(), 125, 1);
    EXPECT_NEAR(under.y(), 62, 1);
    EXPECT_EQ(picture->pos(), QPoint(-TwipsToPixels(h.value()), -TwipsToPixels(v.value())));
    auto* text = Ctl<QLineEdit>(window, "Text1");
    QTest::keyClick(text, Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(picture->pixmap().deviceIndependentSize(), QSizeF(480, 120));
    QTest::keyClick(text, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(picture->size(), QSize(600, 150));
    // Fitted, the whole picture shows without bars, as large as the window allows.
    QTest::keyClick(text, Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(h.maximum() + v.maximum(), 0);
    EXPECT_NEAR(picture->height(), 150, 3);
}

}  // namespace
