#pragma once

// The main window loaded on a test DUZEDO, with a program folder of its own (for the settings,
// caches and pictures) and services that record messages; reaching its controls and those of the
// windows it opens by name, taking the user's steps there, and comparing them with a view.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>

#include "core/QtText.h"
#include "core/Settings.h"
#include "core/ViewTexts.h"
#include "shell/frmMain.h"
#include "support/ConnectedDuzedo.h"
#include "support/FakeServices.h"
#include "support/ListsDuzedo.h"
#include "support/SampleDb.h"
#include "support/TempDir.h"
#include "support/TestData.h"
#include "support/UserInput.h"
#include "widgets/Grid.h"
#include "widgets/ModelGrid.h"

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
    std::shared_ptr<FakeServices> services = std::make_shared<FakeServices>();
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

// The row of a list showing name, alone or with its country after it; -1 when none does.
inline int RowOf(const QListWidget& list, const std::string& name) {
    for (int row = 0; row < list.count(); ++row) {
        const std::string item = ToUtf8(list.item(row)->text());
        if (item == name || item.starts_with(name + " (")) return row;
    }
    ADD_FAILURE() << name << " is not listed";
    return -1;
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

// A step written as data: [control, value, and "twice" or a key's name ("Return")].
inline Step StepOf(const QJsonValue& json) {
    Step step{JsonText(json[0]), JsonText(json[1])};
    const QString how = json[2].toString();
    step.twice = how == "twice";
    if (!how.isEmpty() && !step.twice) step.key = QKeySequence::fromString(how)[0].key();
    return step;
}

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

// The ways through a frame that tests/data/FrameWays.json lists under frame; view gives what
// the frame shows from a way's "shows".
inline std::vector<FrameCase> WaysOf(const char* frame,
                                     const std::function<ViewTexts(const QJsonValue&)>& view) {
    std::vector<FrameCase> ways;
    for (const QJsonValue& way : TestJson("FrameWays.json")[frame].toArray()) {
        FrameCase c{
            JsonText(way["name"]), {}, [view, shows = way["shows"]] { return view(shows); }};
        for (const QJsonValue& step : way["steps"].toArray()) c.steps.push_back(StepOf(step));
        ways.push_back(std::move(c));
    }
    return ways;
}

inline void Walk(QWidget& root, const FrameCase& way) {
    for (const Step& step : way.steps) Do(root, step);
    ExpectShows(root, way.shows());
}
