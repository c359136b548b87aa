#pragma once

// The main window loaded on a test DUZEDO, with a program folder of its own (for the settings,
// caches and pictures) and services that record messages; reaching its controls and those of the
// windows it opens by name, driving them as the user does, and comparing them with a view.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>

#include "core/QtText.h"
#include "core/Settings.h"
#include "core/Twips.h"
#include "core/ViewTexts.h"
#include "shell/frmMain.h"
#include "support/ConnectedDuzedo.h"
#include "support/FakeServices.h"
#include "support/ListsDuzedo.h"
#include "support/SampleDb.h"
#include "support/TempDir.h"
#include "widgets/GraphPicture.h"
#include "widgets/Grid.h"
#include "widgets/ModelGrid.h"

// Services that can act whenever a long computation lets window events run, as a person would
// meanwhile.
class EventServices : public FakeServices {
  public:
    std::function<void()> onEvents;
    void processEvents() override {
        FakeServices::processEvents();
        if (onEvents) onEvents();
    }
};

// The control named name ("grdRankings", "lblOpt_2") of type W: in the main window as its widget
// contract names them, else by object name. Fails the test when there is none.
template <typename W = QWidget>
W* Ctl(const QWidget& root, const std::string& name) {
    QWidget* widget = root.objectName() == ToQString(name)
                          ? const_cast<QWidget*>(&root)
                          : root.findChild<QWidget*>(ToQString(name));
    if (const auto* main = dynamic_cast<const frmMain*>(&root);
        main && main->ui.byName.contains(name)) {
        widget = main->ui.byName.at(name);
    }
    W* typed = dynamic_cast<W*>(widget);
    EXPECT_NE(typed, nullptr) << name;
    return typed;
}

// The frame of class F.
template <typename F>
F& FrameOf(const frmMain& window) {
    F* frame = window.findChild<F*>();
    if (frame == nullptr) throw std::runtime_error("no such frame");
    return *frame;
}

// The main window loaded, not shown, on the database write makes; frames appear without their
// slide, and the options are back at their defaults afterwards. With a frame, the window is shown
// with that frame in front.
class LoadedMainWindow : public testing::Test {
  protected:
    LoadedMainWindow(const std::string& label, const std::function<void(const std::string&)>& write,
                     int frame = -1)
        : db(label, write), frame_(frame) {
        SetOptionDefaults();
        gOptFrameAnimation = 0;
        SetAppDir(appDir.path().string());
        SetServices(services);
    }
    void SetUp() override {
        ASSERT_TRUE(db.connected()) << db.error();
        window.Load();
        if (frame_ < 0) return;
        window.show();
        window.BarClick(frame_);
    }
    ~LoadedMainWindow() override {
        SetOptionDefaults();
        SetAppDir("");
        SetServices(nullptr);
    }

    // The main window's control of that name; throws, failing the test, when there is none.
    template <typename W = QWidget>
    W& C(const std::string& name) const {
        W* widget = Ctl<W>(window, name);
        if (widget == nullptr) throw std::runtime_error(name);
        return *widget;
    }

    TempDir appDir{"app"};
    std::shared_ptr<EventServices> services = std::make_shared<EventServices>();
    ConnectedDuzedo db;
    frmMain window;

  private:
    int frame_;
};

// The main window shown on the sample DUZEDO.
class SampleMainWindow : public LoadedMainWindow {
  protected:
    explicit SampleMainWindow(int frame = 0)
        : LoadedMainWindow(
              "frames", [](const std::string& path) { WriteSampleDb(path); }, frame) {}
};

// The sample's main window shown and active, so that keys reach it as they reach the user's.
class ActiveSampleMainWindow : public SampleMainWindow {
  protected:
    void SetUp() override {
        SampleMainWindow::SetUp();
        if (HasFatalFailure()) return;
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

inline void SendMouse(QWidget* target, QEvent::Type type, QPoint at) {
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Return pressed in target, as the keyboard sends it.
inline void PressEnter(QWidget& target) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&target, &press);
}

// Types text into box as the keyboard does, replacing what it holds; unlike setText, this is an
// edit by the user.
inline void TypeText(QLineEdit& box, const QString& text) {
    box.selectAll();
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&box, &press);
    }
}

// A click, or a double-click, on a row of a list or grid, as the mouse makes them.
inline void ClickRow(QAbstractItemView& view, int row, bool twice = false) {
    view.scrollTo(view.model()->index(row, 0));
    const QPoint at = view.visualRect(view.model()->index(row, 0)).center();
    QWidget* target = view.viewport();
    SendMouse(target, QEvent::MouseButtonPress, at);
    SendMouse(target, QEvent::MouseButtonRelease, at);
    if (!twice) return;
    SendMouse(target, QEvent::MouseButtonDblClick, at);
    SendMouse(target, QEvent::MouseButtonRelease, at);
}

// The row of a list showing name, alone or with its country after it; -1 when none does.
inline int RowOf(const QListWidget& list, const std::string& name) {
    for (int row = 0; row < list.count(); ++row) {
        const std::string item = ToUtf8(list.item(row)->text());
        if (item == name || item.starts_with(name + " (")) return row;
    }
    ADD_FAILURE() << name << " is not listed";
    return -1;
}

inline Texts Items(const QListWidget& list) {
    Texts items;
    for (int row = 0; row < list.count(); ++row) items.push_back(ToUtf8(list.item(row)->text()));
    return items;
}

// The texts of the grid's first columns, all of them by default.
inline Grid CellTexts(const GridControl& grid, int columns = -1) {
    Grid texts;
    const int shown = columns < 0 ? grid.cols() : columns;
    for (int row = 0; row < grid.rows(); ++row) {
        texts.emplace_back();
        for (int col = 0; col < shown; ++col) texts.back().push_back(grid.textMatrix(row, col));
    }
    return texts;
}

// Runs inspect on the modal window that owner opens next, from inside its event loop, then
// closes it.
inline void WhenModal(QWidget& owner, std::function<void(QDialog&)> inspect) {
    QTimer::singleShot(0, &owner, [&owner, inspect] {
        auto* dialog = owner.findChild<QDialog*>();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        EXPECT_EQ(dialog->parentWidget(), &owner);
        inspect(*dialog);
        dialog->reject();
    });
}

// What the user does to a control: a list's row or a combo box's item chosen by its text ("#3":
// by its place; a grid's row only so), a text typed into a box, a button pressed; with a key, the
// list's row made current, if named, and the key pressed there.
struct Step {
    std::string control;
    std::string value{};
    bool twice = false;  // a row double-clicked
    Qt::Key key{};
};

inline void Do(QWidget& root, const Step& step) {
    QWidget* widget = Ctl(root, step.control);
    const QString value = ToQString(step.value);
    const auto place = [&](auto find) {
        return value.startsWith('#') ? value.mid(1).toInt() : find();
    };
    const auto row = [&] { return RowOf(*qobject_cast<QListWidget*>(widget), step.value); };
    auto* list = qobject_cast<QListWidget*>(widget);
    if (step.key != Qt::Key{}) {
        if (list != nullptr && !value.isEmpty()) list->setCurrentRow(place(row));
        QTest::keyClick(widget, step.key);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(place([&] { return combo->findText(value); }));
    } else if (list != nullptr) {
        ClickRow(*list, place(row), step.twice);
    } else if (auto* grid = qobject_cast<QAbstractItemView*>(widget)) {
        ClickRow(*grid, place([] { return -1; }), step.twice);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        TypeText(*box, value);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->click();
    } else {
        ADD_FAILURE() << step.control << " takes no step";
    }
}

// A label's, a box's or a button's text, else the window's title.
inline void ExpectControl(const QWidget& w, const std::string& text) {
    const QVariant shown = w.property("text");
    EXPECT_EQ(ToUtf8(shown.isValid() ? shown.toString() : w.windowTitle()), text);
}
// A grid the view fills is in sight.
inline void ExpectControl(const QWidget& w, const Grid& grid) {
    EXPECT_TRUE(w.isVisibleTo(w.window()));
    if (const auto* model = qobject_cast<const ModelGrid*>(&w)) {
        EXPECT_EQ(model->allTexts(), grid);
    } else if (const auto* cells = qobject_cast<const GridControl*>(&w)) {
        EXPECT_EQ(CellTexts(*cells, grid.empty() ? -1 : static_cast<int>(grid[0].size())), grid);
    } else {
        ADD_FAILURE() << "not a grid";
    }
}
inline void ExpectControl(const QWidget& w, const Texts& items) {
    EXPECT_EQ(Items(dynamic_cast<const QListWidget&>(w)), items);
}
inline void ExpectControl(const QWidget& w, const ComboList& list) {
    const auto& combo = dynamic_cast<const QComboBox&>(w);
    std::vector<std::pair<std::string, std::int64_t>> shown, expected;
    for (int i = 0; i < combo.count(); ++i) {
        shown.emplace_back(ToUtf8(combo.itemText(i)), combo.itemData(i).toLongLong());
    }
    for (const ComboItem& item : list.items) expected.emplace_back(item.text, item.data);
    EXPECT_EQ(shown, expected);
    EXPECT_TRUE(list.selected < 0 || combo.currentIndex() == list.selected);
}
inline void ExpectControl(const QWidget& w, const ButtonState& state) {
    EXPECT_EQ(w.isEnabled(), state.enabled);
}
inline void ExpectControl(const QWidget& w, const Visibility& shown) {
    EXPECT_EQ(w.isVisibleTo(w.window()), shown.visible);
}
inline void ExpectControl(const QWidget& w, const CheckBoxState& state) {
    EXPECT_EQ(w.isVisibleTo(w.window()), state.visible);
    if (const auto* box = qobject_cast<const QCheckBox*>(&w); box && state.value) {
        EXPECT_EQ(box->isChecked(), *state.value != 0);
    }
}
// Drawn for the picture's own size, which the view may not know.
inline void ExpectControl(const QWidget&, const Graph&) {}

// Every control the view names shows what the view gives; its notes, which each window shows its
// own way, are left out.
inline void ExpectShows(const QWidget& root, const ViewTexts& view) {
    for (const auto& [name, content] : view.controls()) {
        if (name == "lblNote" || name == "note") continue;
        SCOPED_TRACE(name);
        if (const QWidget* widget = Ctl(root, name)) {
            std::visit([widget](const auto& expected) { ExpectControl(*widget, expected); },
                       content);
        }
    }
}

// A way through a frame: the user's steps, then what the frame shows.
struct FrameCase {
    std::string name;
    std::vector<Step> steps;
    std::function<ViewTexts()> shows;
};

inline void PrintTo(const FrameCase& way, std::ostream* os) {
    *os << way.name;
}

inline std::string CaseName(const testing::TestParamInfo<FrameCase>& info) {
    return info.param.name;
}

inline void Walk(QWidget& root, const FrameCase& way) {
    for (const Step& step : way.steps) Do(root, step);
    ExpectShows(root, way.shows());
}

// Answers the save dialog that opens next with path, from inside its event loop; an empty path
// cancels it.
inline void AnswerSaveDialog(const QString& path) {
    QTimer::singleShot(0, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, as its button calls it
    });
}

// Pointing at the points of a graph picture, as the mouse does.
inline QPoint PlaceOf(const GraphSpot& spot) {
    return {TwipsToPixels(spot.x), TwipsToPixels(spot.y)};
}

inline void MouseOn(GraphPicture& picture, QEvent::Type type, QPoint at) {
    const bool button = type != QEvent::MouseMove;
    QMouseEvent event(
        type, QPointF(at), picture.mapToGlobal(QPointF(at)), button ? Qt::LeftButton : Qt::NoButton,
        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&picture, &event);
}

// The tooltip a widget (a picture, a grid's viewport) shows when the mouse rests at a place; empty
// when none.
inline QString TipAt(QWidget& picture, QPoint at) {
    // Qt hides a tip only after a while: the one shown before goes at once.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel")) window->hide();
    }
    QHelpEvent help(QEvent::ToolTip, at, picture.mapToGlobal(at));
    QApplication::sendEvent(&picture, &help);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}
