#pragma once

// The main window loaded on a test DUZEDO, and driving its frames and the modal windows they open.

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>

#include "core/Settings.h"
#include "core/ViewTexts.h"
#include "shell/frmMain.h"
#include "support/ConnectedDuzedo.h"
#include "support/ListsDuzedo.h"
#include "support/SampleDb.h"
#include "widgets/Grid.h"

// The main window loaded, not shown, on the database write makes; frames appear without their
// slide, and the options are back at their defaults afterwards.
class LoadedMainWindow : public testing::Test {
  protected:
    LoadedMainWindow(const std::string& label, const std::function<void(const std::string&)>& write)
        : db(label, write) {
        SetOptionDefaults();
        gOptFrameAnimation = 0;
    }
    void SetUp() override {
        ASSERT_TRUE(db.connected()) << db.error();
        window.Load();
    }
    ~LoadedMainWindow() override { SetOptionDefaults(); }

    template <typename W>
    W* Find(const QObject& parent, const char* name) const {
        W* widget = parent.findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    ConnectedDuzedo db;
    frmMain window;
};

// The main window shown on the sample DUZEDO.
class SampleMainWindow : public LoadedMainWindow {
  protected:
    SampleMainWindow()
        : LoadedMainWindow("frames", [](const std::string& path) { WriteSampleDb(path); }) {}
    void SetUp() override {
        LoadedMainWindow::SetUp();
        if (!HasFatalFailure()) window.show();
    }
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

// A click, or a double-click, on a row of a list or grid, as the mouse makes them.
inline void ClickRow(QAbstractItemView& view, int row, bool twice = false) {
    const QPoint at = view.visualRect(view.model()->index(row, 0)).center();
    QWidget* target = view.viewport();
    SendMouse(target, QEvent::MouseButtonPress, at);
    SendMouse(target, QEvent::MouseButtonRelease, at);
    if (!twice) return;
    SendMouse(target, QEvent::MouseButtonDblClick, at);
    SendMouse(target, QEvent::MouseButtonRelease, at);
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
